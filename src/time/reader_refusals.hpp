#pragma once

#include "base/failure.hpp"
#include "time/date_text_codec.hpp"
#include "words/date_refusals.hpp"

#include <chrono>
#include <string>
#include <string_view>

namespace skyanchor {

// A text the reader refuses: type mismatch, with the sentence that says why.
[[nodiscard]] Failure refusal(std::string reason);
[[nodiscard]] Failure refusal(words::DateTextFault fault, const DateTextCodec& codec);
[[nodiscard]] Failure refusal(words::DatePieceFault fault, std::string_view piece, const DateTextCodec& codec);

// The field's own text of 28 December 2026, 19:23:40, which refusals give as the form to type:
// its day above 12 shows which number is the month.
[[nodiscard]] std::string exampleText(const DateTextCodec& codec);
// The day of that example alone, which refusals give as the locale's order of numbers.
[[nodiscard]] std::string orderExample(const DateTextCodec& codec);

// A day of the field's range as the field writes it.
[[nodiscard]] std::string dayText(std::chrono::year_month_day date, const DateTextCodec& codec);

}  // namespace skyanchor
