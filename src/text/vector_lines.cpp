#include "text/vector_lines.hpp"

#include "text/number_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>

namespace skyanchor {
namespace {

// Each component carries its own sign position; a negative second or third component gets a blank
// in front so that it never runs into the previous one. The first is joined to the keyword.
std::string buildLine(std::string_view keyword, double first, double second, double third) {
    std::string line = std::string(keyword) + formatNumberSigned(first);
    if (second < 0) line += ' ';
    line += formatNumberSigned(second);
    if (third < 0) line += ' ';
    line += formatNumberSigned(third);
    return line;
}

constexpr std::string_view kPositionKeyword = "RPOS";

}  // namespace

VectorLines buildVectorLines(const Components& position, const Components& velocity) {
    return VectorLines{
        .rpos = buildLine(kPositionKeyword, position.x, position.z, position.y),
        .rvel = buildLine("RVEL", velocity.x, velocity.z, velocity.y),
    };
}

// Its numbers are x, z and y, each after blanks or its own minus sign, and nothing follows them.
std::optional<Components> positionOfLine(std::string_view rposLine) {
    if (!rposLine.starts_with(kPositionKeyword)) return std::nullopt;
    std::string_view rest = rposLine.substr(kPositionKeyword.size());
    std::array<double, 3> xzy{};
    for (double& number : xzy) {
        rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
        if (error != std::errc{}) return std::nullopt;
        rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    }
    if (!rest.empty()) return std::nullopt;
    return Components{.x = xzy[0], .y = xzy[2], .z = xzy[1]};
}

}  // namespace skyanchor
