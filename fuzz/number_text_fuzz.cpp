#include "text/failure.hpp"
#include "text/number_text.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

// The 15-digit rounding of a value; false when that rounding lies beyond the double range
// (values within a 15-digit step of the largest double).
bool roundedToFifteenDigits(double value, double& rounded) {
    std::array<char, 40> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 14).ptr;
    return std::from_chars(buffer.data(), end, rounded).ec == std::errc{};
}

double readBack(const std::string& text) {
    try {
        return skyanchor::parseLeadingNumber(text);
    } catch (const skyanchor::Failure&) {
        return std::numeric_limits<double>::infinity();
    }
}

}  // namespace

// Any text parses or fails with overflow; any finite double formats and reads back as its
// 15-digit rounding, or fails with overflow where that rounding is beyond the double range.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        (void)skyanchor::parseLeadingNumber(text);
    } catch (const skyanchor::Failure& failure) {
        if (failure.kind() != skyanchor::FailureNumber::Overflow) std::abort();
    }

    if (size >= sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            double rounded = 0.0;
            const double expected = roundedToFifteenDigits(value, rounded) ? rounded : std::numeric_limits<double>::infinity();
            if (readBack(skyanchor::formatNumber(value)) != expected) std::abort();
            if (readBack(skyanchor::formatNumberSigned(value)) != expected) std::abort();
        }
    }
    return 0;
}
