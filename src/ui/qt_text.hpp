#pragma once

#include <QString>

#include <string_view>

namespace skyanchor {

// A text of the layers below (UTF-8) as Qt shows it.
[[nodiscard]] inline QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace skyanchor
