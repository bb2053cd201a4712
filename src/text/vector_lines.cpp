#include "text/vector_lines.hpp"

#include "text/number_text.hpp"

namespace skyanchor {
namespace {

// Each component carries its own sign position; a negative second or third component gets a blank
// in front so that it never runs into the previous one. The first is joined to the keyword.
std::string buildLine(const char* keyword, double first, double second, double third) {
    std::string line = keyword + formatNumberSigned(first);
    if (second < 0) line += ' ';
    line += formatNumberSigned(second);
    if (third < 0) line += ' ';
    line += formatNumberSigned(third);
    return line;
}

}  // namespace

VectorLines buildVectorLines(const Components& position, const Components& velocity) {
    return VectorLines{
        .rpos = buildLine("RPOS", position.x, position.z, position.y),
        .rvel = buildLine("RVEL", velocity.x, velocity.z, velocity.y),
    };
}

}  // namespace skyanchor
