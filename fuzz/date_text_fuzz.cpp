#include "test_locales.hpp"
#include "text/failure.hpp"
#include "time/date_serial.hpp"
#include "time/date_text.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any text reads as a valid serial or fails with type mismatch, in locales of each order of day,
// month and year; whatever reads as a date writes back to a text that reads as the same second.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const skyanchor::DateTextCodec codecs[] = {
        skyanchor::DateTextCodec(skyanchor::test::kUnitedStates),
        skyanchor::DateTextCodec(skyanchor::test::kGermany),
        skyanchor::DateTextCodec(skyanchor::test::kJapan),
    };
    if (size == 0) return 0;
    const auto& codec = codecs[data[0] % 3];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        const double serial = skyanchor::parseDateText(text, codec);
        if (!(serial > skyanchor::kSerialLowerBound && serial < skyanchor::kSerialUpperBound)) std::abort();
        const double again = skyanchor::parseDateText(skyanchor::formatDateText(serial, codec), codec);
        if (std::abs(again - serial) > 1e-6) std::abort();
    } catch (const skyanchor::Failure& failure) {
        if (failure.kind() != skyanchor::FailureNumber::TypeMismatch) std::abort();
    }
    return 0;
}
