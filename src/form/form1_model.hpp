#pragma once

#include "base/result.hpp"
#include "form/controls.hpp"
#include "form/form_notes.hpp"
#include "form/form_services.hpp"
#include "orbit/central_bodies.hpp"
#include "orbit/ground_longitude.hpp"
#include "orbit/state.hpp"
#include "time/date_text_codec.hpp"
#include "time/long_instant.hpp"

#include <array>
#include <bitset>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skyanchor {

// How the date field reads: a date, a text that is no date, or empty because the MJD names none.
enum class DateReading { Date, NoDate, NoDateForMjd };

// The most characters (code points, so a character beyond the BMP counts once) a text field
// holds: a longer paste is cut, so that no keystroke reads or shows a page of text.
inline constexpr std::size_t kFieldTextLimit = 200;

// What an event changed, for a view to write back and nothing more.
struct FormChanges {
    std::bitset<kControlCount> texts;
    std::bitset<kControlCount> notes;
    bool list = false;
    bool linesUsable = false;
    bool dateReading = false;
    bool readout = false;
    bool closed = false;

    [[nodiscard]] bool any() const { return texts.any() || notes.any() || list || linesUsable || dateReading || readout || closed; }
};

// The window as data: every field's text, shown or hidden, East/West, the body list, the
// window-level values, and the handlers under the window's names. Writing a field's text runs its
// change handler at once, inside the write, as the toolkit's change notification does; so the
// guard and the order of steps are those of the window. A step that fails returns its failure;
// one that no handler skips becomes a note at the control whose event started it, and the window
// goes on with the state it has. After every event the lines belong to the fields, or
// linesUsable() is false.
class Form1Model {
public:
    // Runs Form_Load: the instant from one clock reading, the constants, the first lines.
    explicit Form1Model(FormServices injected);

    // A person's events: typing or pasting into a text field (a text longer than kFieldTextLimit is
    // cut), a click, a body picked from the list.
    void edit(Control field, std::string_view text);
    void click(Control control);
    void pickBody(std::size_t entry);
    // The list's copy key: the chosen lines, in their order, joined as "Copy Vectors" joins both.
    void copyListLines(const std::vector<std::size_t>& rows);

    [[nodiscard]] const std::string& text(Control field) const { return texts[indexOf(field)]; }
    [[nodiscard]] bool isWest() const { return west; }
    [[nodiscard]] const std::vector<std::string>& listLines() const { return List1; }
    [[nodiscard]] const std::vector<std::string>& bodyEntries() const { return Combo1; }
    [[nodiscard]] const std::string& positionLine() const { return rposLine; }
    [[nodiscard]] const std::string& velocityLine() const { return rvelLine; }
    [[nodiscard]] const BodyConstants& bodyConstants() const { return constants; }
    [[nodiscard]] bool isLinkArmed() const { return linkArmed; }
    [[nodiscard]] bool isClosed() const { return closed; }
    [[nodiscard]] const DateTextCodec& dateCodec() const { return codec; }
    // The longitude's and the MJD's texts as numbers, as the chain reads them.
    [[nodiscard]] const Result<double>& longitudeValue() const { return longitudeNumber; }
    [[nodiscard]] const Result<double>& mjdValue() const { return mjdNumber; }

    // Whether the lines may be copied: current (not after a Compute that failed, an edit of a
    // hidden input, a body that changed the mass factor), the date text is a date (or empty because the MJD
    // names none), the longitude and MJD texts are read whole (or are empty), and no field holds a
    // text that an edit cut short, which is no longer the one given.
    [[nodiscard]] bool linesUsable() const {
        return linesCurrent && dateReading_ != DateReading::NoDate && cut.none() && misread.none();
    }
    [[nodiscard]] DateReading dateReading() const { return dateReading_; }
    // Why the lines cannot be copied after the fields' own events: the date text is no date, a
    // longitude or MJD text is not read whole, or the last Compute failed. None while they can.
    [[nodiscard]] std::optional<Failure> linesFailure() const;
    // The note at a control; where it has none, a text cut to the field's limit says so (as a
    // warning) until the field is written again.
    [[nodiscard]] std::optional<Note> noteAt(Control control) const;

    // When nothing is wrong (the lines usable, no note at a shown control), the place, instant and
    // height read back from the position line in words; empty otherwise. Written in the locale's
    // words when first asked for after a change, so that an event no view reads skips ICU.
    [[nodiscard]] const std::string& readout() const;
    // How the body's equator lies in the lines' frame, from its hidden fields; none where one of
    // them cannot be read as a number.
    [[nodiscard]] std::optional<BodyOrientation> bodyOrientation() const;

    // What changed since the last call.
    [[nodiscard]] FormChanges takeChanges() { return std::exchange(changes, FormChanges{}); }

private:

    // A click's handler and its note, before the readout follows them.
    void runClick(Control control);

    // The handlers. One that may fail returns its failure, or the note for its control.
    std::optional<Note> Form_Load();
    void initCentralBodies();
    void Command1_Click();
    Status Command2_Click();
    Status Command3_Click();
    Status Command4_Click();
    void Command5_Click();
    void Combo1_Click();
    void txtDateandTime_Change();
    std::optional<Note> txtMJD_Change();
    Status txtLongitude_Change();
    Status optEast_Click();
    Status optWest_Click();

    // Compute's and Generate's use of the shared chain (form1_compute.cpp).
    [[nodiscard]] std::function<const std::string&(Control)> fieldReader() const;
    void showLines(const OrbitalElements& elements);

    void write(Control field, std::string_view text);
    void writeWithoutNotice(Control field, std::string_view text);
    void changeNotice(Control field);
    void report(Control origin, std::optional<Note> note);
    [[nodiscard]] std::optional<Note> ownNote(Control origin, const Status& status) const;
    [[nodiscard]] std::optional<Note> linesNote(const Status& computed) const;
    [[nodiscard]] TypedNumber typed(Control field) const;
    Status copy(const std::string& text);

    void setNote(Control control, std::optional<Note> note);
    void setCut(Control field, bool isCut);
    [[nodiscard]] std::optional<MarkCause> causeAt(Control control) const;
    void clearLinesFailures();
    void showDateReading(DateReading reading);
    void showLinesCurrent(bool current);
    void showNumberReadings();
    void setMisread(Control field, std::string_view text, const Result<double>& number);
    void showReadout();
    // What the readout says, in numbers: the place (degrees East), the MJD and the height (km).
    struct ReadBack {
        double longitude = 0.0;
        double mjd = 0.0;
        double height = 0.0;
        friend bool operator==(const ReadBack&, const ReadBack&) = default;
    };
    [[nodiscard]] std::optional<ReadBack> readBack() const;
    [[nodiscard]] std::string acceptedBy(Control control) const;

    FormServices services;
    DateTextCodec codec;
    BodyConstants constants;
    std::array<std::string, kControlCount> texts;
    // The longitude's and the MJD's numbers, read whenever their texts are written, so that an
    // event reads each once.
    Result<double> longitudeNumber;
    Result<double> mjdNumber;
    bool west = true;
    std::vector<std::string> List1;
    std::vector<std::string> Combo1;
    bool linkArmed = false;
    std::string rposLine;
    std::string rvelLine;
    bool linesCurrent = true;
    std::optional<Failure> computeFailure;
    DateReading dateReading_ = DateReading::Date;
    std::string noDateReason;  // why the date text is no date, from the reader
    bool closed = false;
    std::array<std::optional<Note>, kControlCount> notes;
    std::bitset<kControlCount> cut;  // fields whose text an edit cut to the limit
    std::bitset<kControlCount> misread;  // the longitude or MJD, when its text is not read whole
    mutable std::optional<LongInstantWriter> instantWriter;  // built at the first readout: the scripting mode needs none
    std::optional<ReadBack> readBack_;
    mutable std::optional<std::string> readout_;  // none until asked for after a change
    FormChanges changes;
};

}  // namespace skyanchor
