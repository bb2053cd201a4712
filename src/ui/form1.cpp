#include "ui/form1.hpp"

#include "orbit/generate.hpp"
#include "text/number_text.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"
#include "ui/clock.hpp"
#include "ui/failure_report.hpp"
#include "ui/qt_date_locale.hpp"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace skyanchor {
namespace {

std::string textOf(const QLineEdit* field) { return field->text().toStdString(); }

void setText(QLineEdit* field, std::string_view text) {
    field->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

// The date handler goes on past a step that fails, keeping what that step was to set.
template <class Step>
void skippingFailure(Step&& step) {
    try {
        step();
    } catch (const Failure&) {
    }
}

}  // namespace

Form1Services Form1Services::system() {
    return Form1Services{
        .readClock = readClockSerial,
        .clipboard = std::make_shared<SystemClipboard>(),
        .reportFailure = showFailureReport,
        .dateLocale = dateLocaleOf(QLocale::system()),
    };
}

Form1::Form1(Form1Services injected)
    : services(std::move(injected)), dateCodec(services.dateLocale) {
    buildControls();
    connectHandlers();
    reportingFailures(&Form1::Form_Load);
}

// A failure that no step skips is reported and the window goes on with the state it has.
void Form1::reportingFailures(void (Form1::*handler)()) {
    try {
        (this->*handler)();
    } catch (const Failure& failure) {
        services.reportFailure(this, failure);
    }
}

void Form1::connectHandlers() {
    const auto on = [this](void (Form1::*handler)()) { return [this, handler] { reportingFailures(handler); }; };
    connect(txtDateandTime, &QLineEdit::textChanged, this, on(&Form1::txtDateandTime_Change));
    connect(txtMJD, &QLineEdit::textChanged, this, on(&Form1::txtMJD_Change));
    connect(txtLongitude, &QLineEdit::textChanged, this, on(&Form1::txtLongitude_Change));
    connect(optEast, &QRadioButton::clicked, this, on(&Form1::optEast_Click));
    connect(optWest, &QRadioButton::clicked, this, on(&Form1::optWest_Click));
    connect(Command1, &QPushButton::clicked, this, on(&Form1::Command1_Click));
    connect(Command2, &QPushButton::clicked, this, on(&Form1::Command2_Click));
    connect(Command3, &QPushButton::clicked, this, on(&Form1::Command3_Click));
    connect(Command4, &QPushButton::clicked, this, on(&Form1::Command4_Click));
    connect(Command5, &QPushButton::clicked, this, on(&Form1::Command5_Click));
    connect(Combo1, &QComboBox::activated, this, on(&Form1::Combo1_Click));
}

// Start-up: the time fields get the clock's instant while the link is disarmed, then the
// constants are set and the first lines computed, all before the window is shown.
void Form1::Form_Load() {
    setText(txtDateandTime, formatDateText(services.readClock(), dateCodec));
    setText(txtMJD, formatNumber(mjd(services.readClock())));
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
    computeSyncElements({period, mass, obliquity, planetLan, offset, mjdText, longitude, optWest->isChecked()},
                        constants.pi, constants.gravConst,
                        [this](SyncElement element, std::string_view text) { setText(elementField(element), text); });
    Command1_Click();
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

void Form1::Combo1_Click() { selectBody(Combo1->currentText().toStdString(), constants); }

// A date edit rewrites the MJD. A text that is no date counts as serial 0 (MJD 15018); a date
// whose MJD is out of range leaves the MJD field as it was.
void Form1::txtDateandTime_Change() {
    if (!linkArmed) return;
    double serial = 0.0;
    skippingFailure([&] { serial = parseDateText(textOf(txtDateandTime), dateCodec); });
    linkArmed = false;
    skippingFailure([&] { setText(txtMJD, formatNumber(mjd(serial))); });
    linkArmed = true;
    skippingFailure([&] { Command3_Click(); });
}

// An MJD edit rewrites the date and leaves the MJD text exactly as typed.
void Form1::txtMJD_Change() {
    if (!linkArmed) return;
    const double serial = dateFromMjd(parseLeadingNumber(textOf(txtMJD)));
    linkArmed = false;
    setText(txtDateandTime, formatDateText(serial, dateCodec));
    linkArmed = true;
    Command3_Click();
}

void Form1::txtLongitude_Change() { Command3_Click(); }

void Form1::optEast_Click() { Command3_Click(); }

void Form1::optWest_Click() { Command3_Click(); }

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
