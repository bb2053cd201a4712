#include "form/form1_model.hpp"

#include "form/field_defaults.hpp"
#include "orbit/generate.hpp"
#include "orbit/sync_orbit.hpp"
#include "text/number_text.hpp"
#include "base/utf8_text.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <type_traits>
#include <utility>

namespace skyanchor {
namespace {

// A Compute that failed: the lines cannot be made from the fields as they stand.
struct LinesFailure {
    Failure failure;
};

// A failure whose message was written where it happened, which alone knows what it means.
struct NotedFailure {
    Failure failure;
    std::string message;
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

Control elementField(SyncElement element) {
    switch (element) {
    case SyncElement::SemiMajorAxis: return Control::txtSMA;
    case SyncElement::Inclination: return Control::txtInclination;
    case SyncElement::AscendingNode: return Control::txtLan;
    case SyncElement::MeanAnomaly: return Control::txtMA;
    }
    return Control::txtMA;
}

}  // namespace

Form1Model::Form1Model(FormServices injected)
    : services(std::move(injected)), codec(services.dateLocale), texts(startTexts()) {
    reportingFailures(Control::txtMJD, &Form1Model::Form_Load);
}

// A text cut to the field's limit is no longer the one given, and may read otherwise (a date
// padded by blanks can lose its last digits): the field says so until it is written again.
void Form1Model::edit(Control field, std::string_view text) {
    const std::string_view kept = cutToCharacters(text, kFieldTextLimit);
    write(field, kept);
    if (kept.size() == text.size()) return;
    changes.texts.set(indexOf(field));  // the view shows the cut text, even where the form held it already
    setCut(field, true);
}

void Form1Model::click(Control control) {
    switch (control) {
    case Control::optEast:
        west = false;
        reportingFailures(control, &Form1Model::optEast_Click);
        return;
    case Control::optWest:
        west = true;
        reportingFailures(control, &Form1Model::optWest_Click);
        return;
    case Control::Command1: reportingFailures(control, &Form1Model::Command1_Click); return;
    case Control::Command2: reportingFailures(control, &Form1Model::Command2_Click); return;
    case Control::Command3: reportingFailures(control, &Form1Model::Command3_Click); return;
    case Control::Command4: reportingFailures(control, &Form1Model::Command4_Click); return;
    case Control::Command5: reportingFailures(control, &Form1Model::Command5_Click); return;
    default: return;  // no other control handles a click
    }
}

void Form1Model::copyListLines(const std::vector<std::size_t>& rows) {
    reportingFailures(Control::List1, [&] {
        std::string copied;
        for (const std::size_t row : rows) {
            if (row >= List1.size()) continue;
            if (!copied.empty()) copied += '\r';
            copied += List1[row];
        }
        copy(copied);
    });
}

void Form1Model::pickBody(std::size_t entry) {
    if (entry >= Combo1.size()) return;
    writeWithoutNotice(Control::Combo1, Combo1[entry]);
    reportingFailures(Control::Combo1, &Form1Model::Combo1_Click);
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
    changes.texts.set(indexOf(field));
    setCut(field, false);
}

void Form1Model::changeNotice(Control field) {
    switch (field) {
    case Control::txtDateandTime: txtDateandTime_Change(); return;
    case Control::txtMJD: reportingFailures(field, &Form1Model::txtMJD_Change); return;
    case Control::txtLongitude: reportingFailures(field, &Form1Model::txtLongitude_Change); return;
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

// A failure that no step skips is noted at the control whose event started it. The control's
// next event that succeeds takes the note away; a failed Compute's note goes with the next
// Compute that succeeds.
template <class Step>
void Form1Model::reportingFailures(Control origin, Step step) {
    try {
        if constexpr (std::is_member_function_pointer_v<Step>) {
            (this->*step)();
        } else {
            step();
        }
        if (causeAt(origin) != MarkCause::Reading) setNote(origin, std::nullopt);
    } catch (const LinesFailure& failed) {
        setNote(origin, Note{MarkCause::LinesFailure, failed.failure,
                             linesNeedText(failed.failure, text(Control::txtLongitude), text(Control::txtMJD), services.numbers)});
    } catch (const NotedFailure& failed) {
        setNote(origin, Note{MarkCause::OwnFailure, failed.failure, failed.message});
    } catch (const Failure& failure) {
        setNote(origin, Note{MarkCause::OwnFailure, failure, withFailureNumber(acceptedBy(origin), failure)});
    }
    showNumberReadings();
}

// Start-up: one reading of the clock for both time fields, written while the link is disarmed;
// then the constants are set and the first lines computed.
void Form1Model::Form_Load() {
    const double now = services.readClock();
    write(Control::txtDateandTime, formatDateText(now, codec));
    write(Control::txtMJD, formatNumber(mjd(now)));
    linkArmed = true;
    initCentralBodies();
    Command3_Click();
}

// Fills the body list without choosing an entry: the selector's text stays as it was.
void Form1Model::initCentralBodies() {
    Combo1.assign(kCentralBodyNames.begin(), kCentralBodyNames.end());
    constants = startConstants();
}

// Generate: the six element fields to the two vector lines.
void Form1Model::Command1_Click() {
    VectorLines lines = generateLines({text(Control::txtSMA), text(Control::txtEccentricity), text(Control::txtInclination),
                                       text(Control::txtArgumentOfPerapsis), text(Control::txtLan), text(Control::txtMA)},
                                      constants.pi, static_cast<double>(constants.massFactor));
    rposLine = std::move(lines.rpos);
    rvelLine = std::move(lines.rvel);
    write(Control::txtrpos, rposLine);
    write(Control::txtrvel, rvelLine);
    List1 = {rposLine, rvelLine};
    changes.list = true;
}

// Copy Vectors: the two lines joined by a carriage return.
void Form1Model::Command2_Click() { copy(rposLine + '\r' + rvelLine); }

// Compute: the stationary orbit's elements into their fields, then Generate.
void Form1Model::Command3_Click() {
    // Copies: the writer below replaces element texts while the inputs are read.
    const std::string period = text(Control::txtRotationalPeriod);
    const std::string mass = text(Control::txtMass);
    const std::string obliquity = text(Control::txtObliquity);
    const std::string planetLan = text(Control::txtPlanetLAN);
    const std::string offset = text(Control::txtSidRotOffset);
    const std::string mjdText = text(Control::txtMJD);
    const std::string longitude = text(Control::txtLongitude);
    try {
        computeSyncElements({period, mass, obliquity, planetLan, offset, mjdText, longitude, west}, constants.pi,
                            constants.gravConst, [this](SyncElement element, std::string_view elementText) {
                                writeWithoutNotice(elementField(element), elementText);
                            },
                            services.numbers);
        Command1_Click();
    } catch (const Failure& failure) {
        computeFailure = failure;
        showLinesCurrent(false);
        throw LinesFailure{failure};
    }
    computeFailure.reset();
    showLinesCurrent(true);
    clearLinesFailures();
}

// Copy MJD: the field's text as it stands.
void Form1Model::Command4_Click() { copy(text(Control::txtMJD)); }

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
// field shows it is none; a failing Compute is skipped, its lines greyed.
void Form1Model::txtDateandTime_Change() {
    if (!linkArmed) return;
    const Result<double> reading = readDateText(text(Control::txtDateandTime), codec);
    const double serial = reading.valueOr(0.0);
    noDateReason = reading ? std::string() : reading.failure().reason();
    showDateReading(reading ? DateReading::Date : DateReading::NoDate);
    linkArmed = false;
    if (skippingFailure([&] { write(Control::txtMJD, formatNumber(mjd(serial))); })) setNote(Control::txtMJD, std::nullopt);
    linkArmed = true;
    skippingFailure<LinesFailure>([&] { Command3_Click(); });
    showNumberReadings();
}

// An MJD edit rewrites the date and leaves the MJD text exactly as typed. An MJD that names no
// date empties the date field; the lines still follow the MJD, and then that failure is noted,
// before a Compute that fails with it.
void Form1Model::txtMJD_Change() {
    if (!linkArmed) return;
    std::optional<Failure> noDate;
    std::string dateText;
    try {
        dateText = formatDateText(dateFromMjd(parseLeadingNumber(text(Control::txtMJD), services.numbers)), codec);
    } catch (const Failure& failure) {
        noDate = failure;
    }
    linkArmed = false;
    write(Control::txtDateandTime, dateText);
    linkArmed = true;
    showDateReading(noDate ? DateReading::NoDateForMjd : DateReading::Date);
    bool linesComputed = true;
    try {
        Command3_Click();
    } catch (const LinesFailure&) {
        if (!noDate) throw;
        linesComputed = false;
    }
    if (noDate) throw NotedFailure{*noDate, mjdNoDateText(text(Control::txtMJD), *noDate, linesComputed, services.numbers)};
}

void Form1Model::txtLongitude_Change() { Command3_Click(); }

void Form1Model::optEast_Click() { Command3_Click(); }

void Form1Model::optWest_Click() { Command3_Click(); }

void Form1Model::copy(const std::string& copied) {
    if (!services.clipboard) throw Failure(FailureNumber::ClipboardUnavailable);
    services.clipboard->clear();
    services.clipboard->setText(copied);
}

std::optional<Failure> Form1Model::linesFailure() const {
    if (dateReading_ == DateReading::NoDate) return Failure(FailureNumber::TypeMismatch);
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
        std::string note = readingNote(field == Control::txtMJD ? "MJD" : "Longitude", text(field), acceptedBy(field), services.numbers);
        setNote(field, note.empty() ? std::nullopt : std::optional(Note{MarkCause::Reading, std::nullopt, std::move(note)}));
    }
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
