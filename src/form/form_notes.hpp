#pragma once

#include "base/failure.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace skyanchor {

// Why a control carries a note, which tells what takes it away: a failure of the control's own
// event (its next event that succeeds), a Compute that failed (the next Compute that succeeds),
// or a text that is not read as it is written (the text read whole).
enum class MarkCause { OwnFailure, LinesFailure, Reading };

// What the window shows at a control: the error look, and the text beside it when there is one.
struct Note {
    MarkCause cause = MarkCause::OwnFailure;
    std::optional<Failure> failure;  // none for a text read otherwise than written
    std::string text;

    friend bool operator==(const Note& left, const Note& right) {
        return left.cause == right.cause && left.text == right.text &&
               left.failure.has_value() == right.failure.has_value() &&
               (!left.failure || left.failure->kind() == right.failure->kind());
    }
};

// The report, then one line of what the control accepts.
[[nodiscard]] std::string failureNoteText(const Failure& failure, std::string_view accepts);

// The line under a Compute that failed, whichever control's event ran it: the longitude or MJD
// text that cannot be read as a number, or that the lines cannot be computed from the two.
[[nodiscard]] std::string linesNeedText(std::string_view longitude, std::string_view mjd);

// How a number field's text was read when not as written: "Read as 0: \"abc\" does not begin
// with a number" or "Read as 12: the rest (\"abc\") is not part of the number". Empty for a text
// that is read whole, for an empty text, and for one beyond the double range, which fails where
// it is read.
[[nodiscard]] std::string readingNote(std::string_view text);

// What the MJD and longitude fields accept, and what to do when the clipboard refused a copy.
[[nodiscard]] std::string mjdAcceptsText();
inline constexpr std::string_view kLongitudeAccepts = "Accepts a longitude in degrees, such as 122 or -75.5";
inline constexpr std::string_view kClipboardAdvice = "The clipboard did not take the text; another program may hold it. Try again";

// The line under a date text that is no date, with an example of the user's form.
[[nodiscard]] std::string dateAcceptsText(std::string_view example);

}  // namespace skyanchor
