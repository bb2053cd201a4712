#include "time/reader_refusals.hpp"

#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <utility>

namespace skyanchor {

using namespace std::chrono;

Failure refusal(std::string reason) { return Failure(FailureNumber::TypeMismatch, std::move(reason)); }

Failure refusal(words::DateTextFault fault, const DateTextCodec& codec) {
    return refusal(words::dateRefusal(fault, exampleText(codec)));
}

Failure refusal(words::DatePieceFault fault, std::string_view piece, const DateTextCodec& codec) {
    return refusal(words::dateRefusal(fault, piece, exampleText(codec)));
}

std::string exampleText(const DateTextCodec& codec) {
    return formatDateText(serialFromCivil({year{2026} / 12 / 28, hours{19} + minutes{23} + seconds{40}}), codec);
}

std::string orderExample(const DateTextCodec& codec) { return dayText(year{2026} / 12 / 28, codec); }

std::string dayText(year_month_day date, const DateTextCodec& codec) {
    return formatDateText(serialFromCivil({date, seconds{0}}), codec);
}

}  // namespace skyanchor
