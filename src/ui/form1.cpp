#include "ui/form1.hpp"

#include "orbit/generate.hpp"
#include "text/number_text.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"
#include "ui/clock.hpp"
#include "ui/failure_report.hpp"
#include "ui/number_reading.hpp"
#include "ui/qt_date_locale.hpp"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <optional>
#include <utility>

namespace skyanchor {
namespace {

std::string textOf(const QLineEdit* field) { return field->text().toStdString(); }

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void setText(QLineEdit* field, std::string_view text) { field->setText(toQString(text)); }

// A Compute that failed: the lines cannot be made from the fields as they stand.
struct LinesFailure {
    Failure failure;
};

// The date handler goes on past a step that fails, keeping what that step was to set. Tells
// whether the step succeeded.
template <class Failed = Failure, class Step>
bool skippingFailure(Step&& step) {
    try {
        step();
        return true;
    } catch (const Failed&) {
        return false;
    }
}

}  // namespace

Form1Services Form1Services::system() {
    return Form1Services{
        .readClock = readClockSerial,
        .clipboard = std::make_shared<SystemClipboard>(),
        .dateLocale = dateLocaleOf(QLocale::system()),
    };
}

Form1::Form1(Form1Services injected)
    : services(std::move(injected)), dateCodec(services.dateLocale) {
    buildControls();
    connectHandlers();
    reportingFailures(txtMJD, &Form1::Form_Load);
}

// A failure that no step skips is shown at the control whose event started it, and the window
// goes on with the state it has. The control's next event that succeeds takes the mark away; a
// failed Compute's mark goes with the next Compute that succeeds.
void Form1::reportingFailures(QWidget* origin, void (Form1::*handler)()) {
    try {
        (this->*handler)();
        if (marks.causeAt(origin) != MarkCause::Reading) marks.clear(origin);
    } catch (const LinesFailure& failed) {
        marks.mark(origin, failureNoteText(failed.failure, linesNeedText(textOf(txtLongitude), textOf(txtMJD))),
                   MarkCause::LinesFailure);
    } catch (const Failure& failure) {
        marks.mark(origin, failureNoteText(failure, acceptedBy(origin)));
    }
    showNumberReadings();
}

void Form1::connectHandlers() {
    const auto on = [this](QWidget* origin, void (Form1::*handler)()) {
        return [this, origin, handler] { reportingFailures(origin, handler); };
    };
    connect(txtDateandTime, &QLineEdit::textChanged, this, [this] { txtDateandTime_Change(); });
    connect(txtMJD, &QLineEdit::textChanged, this, on(txtMJD, &Form1::txtMJD_Change));
    connect(txtLongitude, &QLineEdit::textChanged, this, on(txtLongitude, &Form1::txtLongitude_Change));
    connect(optEast, &QRadioButton::clicked, this, on(optEast, &Form1::optEast_Click));
    connect(optWest, &QRadioButton::clicked, this, on(optWest, &Form1::optWest_Click));
    connect(Command1, &QPushButton::clicked, this, on(Command1, &Form1::Command1_Click));
    connect(Command2, &QPushButton::clicked, this, on(Command2, &Form1::Command2_Click));
    connect(Command3, &QPushButton::clicked, this, on(Command3, &Form1::Command3_Click));
    connect(Command4, &QPushButton::clicked, this, on(Command4, &Form1::Command4_Click));
    connect(Command5, &QPushButton::clicked, this, on(Command5, &Form1::Command5_Click));
    connect(Combo1, &QComboBox::activated, this, on(Combo1, &Form1::Combo1_Click));
    // An edit of anything else the lines are made from leaves them behind until the next Compute.
    for (QLineEdit* input : {txtRotationalPeriod, txtMass, txtObliquity, txtPlanetLAN, txtSidRotOffset, txtSMA, txtEccentricity,
                             txtInclination, txtArgumentOfPerapsis, txtLan, txtMA}) {
        connect(input, &QLineEdit::textChanged, this, [this] { showLinesCurrent(false); });
    }
}

// Start-up: one reading of the clock for both time fields, written while the link is disarmed;
// then the constants are set and the first lines computed, all before the window is shown.
void Form1::Form_Load() {
    const double now = services.readClock();
    setText(txtDateandTime, formatDateText(now, dateCodec));
    describeControls(txtDateandTime->text());
    setText(txtMJD, formatNumber(mjd(now)));
    linkArmed = true;
    initCentralBodies();
    Command3_Click();
}

// Fills the body selector without choosing an entry: its text stays as it was.
void Form1::initCentralBodies() {
    const QString shownText = Combo1->currentText();
    Combo1->clear();
    for (const std::string_view name : kCentralBodyNames) {
        Combo1->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(shownText);
    constants = startConstants();
}

// Generate: the six element fields to the two vector lines.
void Form1::Command1_Click() {
    const std::string sma = textOf(txtSMA);
    const std::string eccentricity = textOf(txtEccentricity);
    const std::string inclination = textOf(txtInclination);
    const std::string periapsis = textOf(txtArgumentOfPerapsis);
    const std::string node = textOf(txtLan);
    const std::string anomaly = textOf(txtMA);
    VectorLines lines = generateLines({sma, eccentricity, inclination, periapsis, node, anomaly}, constants.pi,
                                      static_cast<double>(constants.massFactor));
    rposLine = std::move(lines.rpos);
    rvelLine = std::move(lines.rvel);
    setText(txtrpos, rposLine);
    setText(txtrvel, rvelLine);
    List1->clear();
    List1->addItem(QString::fromStdString(rposLine));
    List1->addItem(QString::fromStdString(rvelLine));
}

// Copy Vectors: the two lines joined by a carriage return.
void Form1::Command2_Click() {
    services.clipboard->clear();
    services.clipboard->setText(QString::fromStdString(rposLine + '\r' + rvelLine));
}

// Compute: the stationary orbit's elements into their fields, then Generate.
void Form1::Command3_Click() {
    const std::string period = textOf(txtRotationalPeriod);
    const std::string mass = textOf(txtMass);
    const std::string obliquity = textOf(txtObliquity);
    const std::string planetLan = textOf(txtPlanetLAN);
    const std::string offset = textOf(txtSidRotOffset);
    const std::string mjdText = textOf(txtMJD);
    const std::string longitude = textOf(txtLongitude);
    try {
        computeSyncElements({period, mass, obliquity, planetLan, offset, mjdText, longitude, optWest->isChecked()},
                            constants.pi, constants.gravConst, [this](SyncElement element, std::string_view text) {
                                const QSignalBlocker ownWrite(elementField(element));
                                setText(elementField(element), text);
                            });
        Command1_Click();
    } catch (const Failure& failure) {
        showLinesCurrent(false);
        throw LinesFailure{failure};
    }
    showLinesCurrent(true);
    marks.clearAll(MarkCause::LinesFailure);
}

// Copy MJD: the field's text as it stands.
void Form1::Command4_Click() {
    services.clipboard->clear();
    services.clipboard->setText(txtMJD->text());
}

void Form1::Command5_Click() {
    close();
    QCoreApplication::exit(0);
}

// A new body changes Generate's gravitational parameter, so the lines wait for the next Compute.
void Form1::Combo1_Click() {
    const auto massFactor = constants.massFactor;
    selectBody(Combo1->currentText().toStdString(), constants);
    if (constants.massFactor != massFactor) showLinesCurrent(false);
}

// A date edit rewrites the MJD. A text that is no date counts as serial 0 (MJD 15018) and the
// field shows it is none; a failing Compute is skipped, its lines greyed.
void Form1::txtDateandTime_Change() {
    if (!linkArmed) return;
    double serial = 0.0;
    const bool isDate = skippingFailure([&] { serial = parseDateText(textOf(txtDateandTime), dateCodec); });
    showDateReading(isDate ? DateReading::Date : DateReading::NoDate);
    linkArmed = false;
    if (skippingFailure([&] { setText(txtMJD, formatNumber(mjd(serial))); })) marks.clear(txtMJD);
    linkArmed = true;
    skippingFailure<LinesFailure>([&] { Command3_Click(); });
    showNumberReadings();
}

// An MJD edit rewrites the date and leaves the MJD text exactly as typed. An MJD that names no
// date empties the date field; the lines still follow the MJD, and then that failure is shown,
// before a Compute that fails with it.
void Form1::txtMJD_Change() {
    if (!linkArmed) return;
    std::optional<Failure> noDate;
    std::string dateText;
    try {
        dateText = formatDateText(dateFromMjd(parseLeadingNumber(textOf(txtMJD))), dateCodec);
    } catch (const Failure& failure) {
        noDate = failure;
    }
    linkArmed = false;
    setText(txtDateandTime, dateText);
    linkArmed = true;
    showDateReading(noDate ? DateReading::NoDateForMjd : DateReading::Date);
    try {
        Command3_Click();
    } catch (const LinesFailure&) {
        if (!noDate) throw;
    }
    if (noDate) throw *noDate;
}

void Form1::txtLongitude_Change() { Command3_Click(); }

void Form1::optEast_Click() { Command3_Click(); }

void Form1::optWest_Click() { Command3_Click(); }

// The date field's look follows what it holds: a date, a text that is no date (with an example
// of one: the present instant), or nothing, because the MJD names no date.
void Form1::showDateReading(DateReading reading) {
    txtDateandTime->setPlaceholderText(reading == DateReading::NoDateForMjd
                                           ? QStringLiteral("No date: the MJD is outside the years 100 to 9999")
                                           : QString());
    const bool wasNoDate = std::exchange(dateIsNoDate, reading == DateReading::NoDate);
    showLinesUsable();
    switch (reading) {
    case DateReading::Date: marks.clear(txtDateandTime); break;
    case DateReading::NoDate: {
        if (wasNoDate) break;  // the note stands already; typing on does not rewrite or re-announce it
        // Isolated, so that a right-to-left note keeps the example's own order.
        const QString example = QChar(0x2068) + toQString(formatDateText(services.readClock(), dateCodec)) + QChar(0x2069);
        marks.mark(txtDateandTime, failureNoteText(Failure(FailureNumber::TypeMismatch),
                                                   QStringLiteral("Accepts a date and time such as %1, or either alone").arg(example)));
        break;
    }
    case DateReading::NoDateForMjd: marks.mark(txtDateandTime, QString()); break;
    }
}

void Form1::showLinesCurrent(bool current) {
    linesCurrent = current;
    showLinesUsable();
}

// Lines that may not follow the fields, or that follow a date text that is no date, are greyed
// and cannot be copied.
void Form1::showLinesUsable() {
    const bool usable = linesCurrent && !dateIsNoDate;
    for (QWidget* shown : std::initializer_list<QWidget*>{List1, Command2, Command4}) shown->setEnabled(usable);
}

// A longitude or MJD text that is not read as written shows how it was read, where no failure
// is shown at it.
void Form1::showNumberReadings() {
    for (QLineEdit* field : {txtLongitude, txtMJD}) {
        const std::optional<MarkCause> cause = marks.causeAt(field);
        if (cause && cause != MarkCause::Reading) continue;
        const QString note = readingNote(field->text());
        if (note.isEmpty()) {
            marks.clear(field);
        } else {
            marks.mark(field, note + QLatin1Char('\n') + acceptedBy(field), MarkCause::Reading);
        }
    }
}

// One line of what a control accepts, under a failure of its own or a text not read whole.
QString Form1::acceptedBy(const QWidget* control) const {
    if (control == txtMJD) {
        return QStringLiteral("Accepts the MJD of a date from 1 January 100 to 31 December 9999 (%1 up to %2)")
            .arg(toQString(formatNumber(kFirstMjd)), toQString(formatNumber(kMjdUpperBound)));
    }
    if (control == txtLongitude) return QStringLiteral("Accepts a longitude in degrees, such as 122 or -75.5");
    if (control == Command2 || control == Command4) {
        return QStringLiteral("The clipboard did not take the text; another program may hold it. Try again");
    }
    return {};
}

QLineEdit* Form1::elementField(SyncElement element) const {
    switch (element) {
    case SyncElement::SemiMajorAxis: return txtSMA;
    case SyncElement::Inclination: return txtInclination;
    case SyncElement::AscendingNode: return txtLan;
    case SyncElement::MeanAnomaly: return txtMA;
    }
    return txtMA;
}

}  // namespace skyanchor
