#include "form/form1_model.hpp"

#include "form/field_defaults.hpp"
#include "text/number_text.hpp"
#include "base/utf8_text.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <utility>

namespace skyanchor {
namespace {

std::array<std::string, kControlCount> startTexts() {
    namespace fields = field_defaults;
    static constexpr std::array<std::pair<Control, std::string_view>, 17> kStart = {{
        {Control::txtLongitude, fields::kLongitude},
        {Control::txtDateandTime, fields::kDateandTime},
        {Control::txtMJD, fields::kMjd},
        {Control::txtSMA, fields::kSemiMajorAxis},
        {Control::txtInclination, fields::kInclination},
        {Control::txtEccentricity, fields::kEccentricity},
        {Control::txtArgumentOfPerapsis, fields::kArgumentOfPeriapsis},
        {Control::txtLan, fields::kLan},
        {Control::txtMA, fields::kMeanAnomaly},
        {Control::txtrpos, fields::kRposField},
        {Control::txtrvel, fields::kRvelField},
        {Control::txtRotationalPeriod, fields::kRotationalPeriod},
        {Control::txtObliquity, fields::kObliquity},
        {Control::txtPlanetLAN, fields::kPlanetLan},
        {Control::txtMass, fields::kMass},
        {Control::txtSidRotOffset, fields::kSidRotOffset},
        {Control::Combo1, fields::kBody},
    }};
    std::array<std::string, kControlCount> texts;
    for (const auto& [field, text] : kStart) texts[indexOf(field)] = std::string(text);
    return texts;
}

// Whether a serial names a day of the dates (1 January 100 to 31 December 9999), the only ones
// that mjd() and formatDateText() take.
bool namesADay(double serial) { return serial > kSerialLowerBound && serial < kSerialUpperBound; }

// The serial of an MJD that names a day of the dates, the only ones that dateFromMjd() takes.
Result<double> serialOfMjd(const Result<double>& mjdNumber) {
    if (!mjdNumber) return mjdNumber;
    if (!(*mjdNumber >= kFirstMjd && *mjdNumber < kMjdUpperBound)) return Failure(FailureNumber::Overflow);
    return dateFromMjd(*mjdNumber);
}

}  // namespace

Form1Model::Form1Model(FormServices injected)
    : services(std::move(injected)),
      codec(services.dateLocale),
      texts(startTexts()),
      longitudeNumber(parseLeadingNumber(text(Control::txtLongitude), services.numbers)),
      mjdNumber(parseLeadingNumber(text(Control::txtMJD), services.numbers)) {
    report(Control::txtMJD, Form_Load());
    showReadout();
}

// A text cut to the field's limit is no longer the one given, and may read otherwise (a date
// padded by blanks can lose its last digits): the field says so until it is written again.
void Form1Model::edit(Control field, std::string_view text) {
    const std::string_view kept = cutToCharacters(text, kFieldTextLimit);
    write(field, kept);
    if (kept.size() != text.size()) {
        changes.texts.set(indexOf(field));  // the view shows the cut text, even where the form held it already
        setCut(field, true);
    }
    showReadout();
}

void Form1Model::click(Control control) {
    runClick(control);
    showReadout();
}

void Form1Model::runClick(Control control) {
    switch (control) {
    case Control::optEast:
        west = false;
        report(control, linesNote(optEast_Click()));
        return;
    case Control::optWest:
        west = true;
        report(control, linesNote(optWest_Click()));
        return;
    case Control::Command1:
        Command1_Click();
        report(control, std::nullopt);
        return;
    case Control::Command2: report(control, ownNote(control, Command2_Click())); return;
    case Control::Command3: report(control, linesNote(Command3_Click())); return;
    case Control::Command4: report(control, ownNote(control, Command4_Click())); return;
    case Control::Command5:
        Command5_Click();
        report(control, std::nullopt);
        return;
    default: return;  // no other control handles a click
    }
}

void Form1Model::copyListLines(const std::vector<std::size_t>& rows) {
    std::string copied;
    for (const std::size_t row : rows) {
        if (row >= List1.size()) continue;
        if (!copied.empty()) copied += '\r';
        copied += List1[row];
    }
    report(Control::List1, ownNote(Control::List1, copy(copied)));
    showReadout();
}

void Form1Model::pickBody(std::size_t entry) {
    if (entry >= Combo1.size()) return;
    writeWithoutNotice(Control::Combo1, Combo1[entry]);
    Combo1_Click();
    report(Control::Combo1, std::nullopt);
    showReadout();
}

// A write runs the field's change handler inside it, as the toolkit's notification does; an
// unchanged text notifies nothing.
void Form1Model::write(Control field, std::string_view text) {
    if (texts[indexOf(field)] == text) return;
    writeWithoutNotice(field, text);
    changeNotice(field);
}

void Form1Model::writeWithoutNotice(Control field, std::string_view text) {
    texts[indexOf(field)] = text;
    if (field == Control::txtLongitude) setMisread(field, text, longitudeNumber = parseLeadingNumber(text, services.numbers));
    if (field == Control::txtMJD) setMisread(field, text, mjdNumber = parseLeadingNumber(text, services.numbers));
    changes.texts.set(indexOf(field));
    setCut(field, false);
}

void Form1Model::changeNotice(Control field) {
    switch (field) {
    case Control::txtDateandTime: txtDateandTime_Change(); return;
    case Control::txtMJD: report(field, txtMJD_Change()); return;
    case Control::txtLongitude: report(field, linesNote(txtLongitude_Change())); return;
    // An edit of anything else the lines are made from leaves them behind until the next Compute.
    case Control::txtRotationalPeriod:
    case Control::txtMass:
    case Control::txtObliquity:
    case Control::txtPlanetLAN:
    case Control::txtSidRotOffset:
    case Control::txtSMA:
    case Control::txtEccentricity:
    case Control::txtInclination:
    case Control::txtArgumentOfPerapsis:
    case Control::txtLan:
    case Control::txtMA: showLinesCurrent(false); return;
    default: return;
    }
}

// An event's note goes to the control that started it. The control's next event that succeeds
// takes the note away; a failed Compute's note goes with the next Compute that succeeds.
void Form1Model::report(Control origin, std::optional<Note> note) {
    if (note || causeAt(origin) != MarkCause::Reading) setNote(origin, std::move(note));
    showNumberReadings();
}

// A failure of the event's own step, with what its control accepts.
std::optional<Note> Form1Model::ownNote(Control origin, const Status& status) const {
    if (status) return std::nullopt;
    return Note{MarkCause::OwnFailure, status.failure(), withFailureNumber(acceptedBy(origin), status.failure())};
}

// A Compute that failed, whichever control's event ran it: what the lines wait for.
std::optional<Note> Form1Model::linesNote(const Status& computed) const {
    if (computed) return std::nullopt;
    return Note{MarkCause::LinesFailure, computed.failure(),
                linesNeedText(computed.failure(), typed(Control::txtLongitude), typed(Control::txtMJD))};
}

TypedNumber Form1Model::typed(Control field) const {
    return {text(field), field == Control::txtMJD ? mjdNumber : longitudeNumber};
}

// Start-up: one reading of the clock for both time fields, written while the link is disarmed;
// then the constants are set and the first lines computed. A clock outside the dates leaves the
// form as it is, with a note at the MJD.
std::optional<Note> Form1Model::Form_Load() {
    const double now = services.readClock();
    if (!namesADay(now)) return ownNote(Control::txtMJD, Failure(FailureNumber::Overflow));
    write(Control::txtDateandTime, formatDateText(now, codec));
    write(Control::txtMJD, formatNumber(mjd(now)));
    linkArmed = true;
    initCentralBodies();
    return linesNote(Command3_Click());
}

// Fills the body list without choosing an entry: the selector's text stays as it was.
void Form1Model::initCentralBodies() {
    Combo1.assign(kCentralBodyNames.begin(), kCentralBodyNames.end());
    constants = startConstants();
}

// Copy Vectors: the two lines joined by a carriage return.
Status Form1Model::Command2_Click() { return copy(rposLine + '\r' + rvelLine); }

// Copy MJD: the field's text as it stands.
Status Form1Model::Command4_Click() { return copy(text(Control::txtMJD)); }

void Form1Model::Command5_Click() {
    closed = true;
    changes.closed = true;
}

// A new body changes Generate's gravitational parameter, so the lines wait for the next Compute.
void Form1Model::Combo1_Click() {
    const auto massFactor = constants.massFactor;
    selectBody(text(Control::Combo1), constants);
    if (constants.massFactor != massFactor) showLinesCurrent(false);
}

// A date edit rewrites the MJD. A text that is no date counts as serial 0 (MJD 15018) and the
// field shows it is none, as does the MJD, whose number then stands for nothing typed; a failing
// Compute is skipped, its lines greyed. A date read names a day of the dates, so it has an MJD.
void Form1Model::txtDateandTime_Change() {
    if (!linkArmed) return;
    const Result<double> reading = readDateText(text(Control::txtDateandTime), codec);
    const double serial = reading.valueOr(0.0);
    noDateReason = reading ? std::string() : reading.failure().reason();
    showDateReading(reading ? DateReading::Date : DateReading::NoDate);
    linkArmed = false;
    write(Control::txtMJD, formatNumber(mjd(serial)));
    setNote(Control::txtMJD, reading ? std::nullopt
                                     : std::optional(Note{MarkCause::OwnFailure, std::nullopt, words::mjdOfNoDate(text(Control::txtMJD))}));
    linkArmed = true;
    (void)Command3_Click();
    showNumberReadings();
}

// An MJD edit rewrites the date and leaves the MJD text exactly as typed. An MJD that names no
// date empties the date field; the lines still follow the MJD, and then that failure is noted,
// before a Compute that fails with it.
std::optional<Note> Form1Model::txtMJD_Change() {
    if (!linkArmed) return std::nullopt;
    const Result<double> serial = serialOfMjd(mjdNumber);
    linkArmed = false;
    write(Control::txtDateandTime, serial ? formatDateText(*serial, codec) : std::string());
    linkArmed = true;
    showDateReading(serial ? DateReading::Date : DateReading::NoDateForMjd);
    const Status computed = Command3_Click();
    if (serial) return linesNote(computed);
    return Note{MarkCause::OwnFailure, serial.failure(), mjdNoDateText(typed(Control::txtMJD), serial.failure(), computed.ok())};
}

Status Form1Model::txtLongitude_Change() { return Command3_Click(); }

Status Form1Model::optEast_Click() { return Command3_Click(); }

Status Form1Model::optWest_Click() { return Command3_Click(); }

Status Form1Model::copy(const std::string& copied) {
    if (!services.clipboard) return Failure(FailureNumber::ClipboardUnavailable);
    services.clipboard->clear();
    return services.clipboard->setText(copied);
}

std::optional<Failure> Form1Model::linesFailure() const {
    if (dateReading_ == DateReading::NoDate || misread.any()) return Failure(FailureNumber::TypeMismatch);
    return computeFailure;
}

void Form1Model::setNote(Control control, std::optional<Note> note) {
    std::optional<Note>& held = notes[indexOf(control)];
    if (held == note) return;
    held = std::move(note);
    changes.notes.set(indexOf(control));
}

void Form1Model::setCut(Control field, bool isCut) {
    if (cut.test(indexOf(field)) == isCut) return;
    cut.set(indexOf(field), isCut);
    changes.notes.set(indexOf(field));
    changes.linesUsable = true;
}

// A note of the field's own says what is wrong with the text as it now stands, and stands in for
// the cut's, which would make it too long for the band.
std::optional<Note> Form1Model::noteAt(Control control) const {
    const std::optional<Note>& note = notes[indexOf(control)];
    if (note || !cut.test(indexOf(control))) return note;
    return Note{MarkCause::Reading, std::nullopt, cutNotice(control, kFieldTextLimit)};
}

std::optional<MarkCause> Form1Model::causeAt(Control control) const {
    const std::optional<Note>& note = notes[indexOf(control)];
    return note ? std::optional(note->cause) : std::nullopt;
}

void Form1Model::clearLinesFailures() {
    for (std::size_t index = 0; index < kControlCount; ++index) {
        if (notes[index] && notes[index]->cause == MarkCause::LinesFailure) setNote(static_cast<Control>(index), std::nullopt);
    }
}

// The date field's note follows what it holds: a date, a text that is no date (with the reader's
// reason, which says what to type), or nothing, because the MJD names no date.
void Form1Model::showDateReading(DateReading reading) {
    const DateReading was = std::exchange(dateReading_, reading);
    if (was != reading) changes.dateReading = true;
    if (was != reading && (was == DateReading::NoDate || reading == DateReading::NoDate)) changes.linesUsable = true;
    switch (reading) {
    case DateReading::Date: setNote(Control::txtDateandTime, std::nullopt); break;
    case DateReading::NoDate: {
        const Failure noDate(FailureNumber::TypeMismatch, noDateReason);
        setNote(Control::txtDateandTime, Note{MarkCause::OwnFailure, noDate, noDateText(noDate)});
        break;
    }
    case DateReading::NoDateForMjd:
        setNote(Control::txtDateandTime, Note{MarkCause::OwnFailure, std::nullopt, std::string(kNoDateForMjd)});
        break;
    }
}

void Form1Model::showLinesCurrent(bool current) {
    if (std::exchange(linesCurrent, current) != current) changes.linesUsable = true;
}

// A longitude or MJD text that is not read as written says how it was read, where no failure
// is noted at it.
void Form1Model::showNumberReadings() {
    for (const Control field : {Control::txtLongitude, Control::txtMJD}) {
        const std::optional<MarkCause> cause = causeAt(field);
        if (cause && cause != MarkCause::Reading) continue;
        const bool isMjd = field == Control::txtMJD;
        std::string note = readingNote(isMjd ? "MJD" : "Longitude", typed(field), acceptedBy(field), services.numbers, !isMjd);
        setNote(field, note.empty() ? std::nullopt : std::optional(Note{MarkCause::Reading, std::nullopt, std::move(note)}));
    }
}

// A longitude or MJD text that is not read whole keeps the lines from being copied, as one cut
// short does; an empty text reads as 0 as always, and one beyond the double range fails Compute.
void Form1Model::setMisread(Control field, std::string_view typedText, const Result<double>& number) {
    const bool misreadNow = number && !withoutBlanks(typedText).empty() && !isReadWhole(typedText, services.numbers);
    if (misread.test(indexOf(field)) == misreadNow) return;
    misread.set(indexOf(field), misreadNow);
    changes.linesUsable = true;
}

void Form1Model::showReadout() {
    std::optional<ReadBack> now = readBack();
    if (now == readBack_) return;
    readBack_ = now;
    readout_.reset();
    changes.readout = true;
}

// One line of what a control accepts, under a failure of its own or a text not read whole.
std::string Form1Model::acceptedBy(Control control) const {
    switch (control) {
    case Control::txtMJD: return mjdAcceptsText();
    case Control::txtLongitude: return std::string(kLongitudeAccepts);
    case Control::Command2:
    case Control::Command4:
    case Control::List1: return std::string(kClipboardAdvice);
    default: return {};
    }
}
}  // namespace skyanchor
