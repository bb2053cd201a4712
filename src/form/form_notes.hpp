#pragma once

#include "base/failure.hpp"
#include "base/result.hpp"
#include "form/controls.hpp"
#include "text/number_text.hpp"
#include "words/form.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace skyanchor {

// Why a control carries a note, which tells what takes it away: a failure of the control's own
// event (its next event that succeeds), a Compute that failed (the next Compute that succeeds),
// or a text that is not read as it is written (the text read whole).
enum class MarkCause { OwnFailure, LinesFailure, Reading };

// What the window shows at a control: the error look, and the message when there is one. The
// message says in plain words what happened and what to type; a failure's number comes last.
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

// A longitude or MJD text, with the number read from it or the failure to read one.
struct TypedNumber {
    std::string_view text;
    Result<double> number;
};

// The form's sentences are the words module's: the form says which, and with what facts.
using words::kClipboardAdvice;
using words::kLongitudeAccepts;
using words::kNoDateForMjd;
using words::withFailureNumber;

// After a Compute that failed, whichever control's event ran it: the longitude or MJD text that
// cannot be read as a number or is too large to tell seconds apart (saying the limit and what to
// type), or that no orbit follows from the two.
[[nodiscard]] std::string linesNeedText(const Failure& failure, const TypedNumber& longitude, const TypedNumber& mjd);

// An MJD that names no day of the years 100 to 9999, with or without lines computed for it; or
// one too large to read at all, or to tell seconds apart.
[[nodiscard]] std::string mjdNoDateText(const TypedNumber& mjd, const Failure& failure, bool linesComputed);

// A date text that is no date: the reader's reason, which says what to type.
[[nodiscard]] std::string noDateText(const Failure& failure);

// How a longitude or MJD text was read when not as written: "Longitude \"12abc\" is read as 12:
// the rest (\"abc\") is not part of the number. ..." and what to type: for a text whose meaning is
// plain ("75.5 E", "45°30'" for an angle, "MJD 60000"), that number, else what the field accepts.
// Empty for a text that is read whole, for an empty text, and for one beyond the double range,
// which fails where it is read.
[[nodiscard]] std::string readingNote(std::string_view fieldName, const TypedNumber& field, std::string_view accepts,
                                      NumberConventions typed, bool angle);

// A text longer than a field holds: "The longitude text was cut to its first 200 characters, the
// most a field holds: check what is left and edit it; the lines stay greyed until then."
[[nodiscard]] std::string cutNotice(Control field, std::size_t limit);

// "Type an MJD from -642416 to 2973484 (the years 100 to 9999)."
[[nodiscard]] std::string mjdAcceptsText();

}  // namespace skyanchor
