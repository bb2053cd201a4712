#pragma once

#include <QString>
#include <QStringList>

namespace skyanchor {

// The longest text of each long message the band shows: texts typed into a field quoted at their
// longest (forty of the widest letter and the mark of a cut), the longest limits, the failure's
// number, and the date example of the user's own form. The band is made high enough for all.
[[nodiscard]] QStringList longestMessages(const QString& dateExample);

}  // namespace skyanchor
