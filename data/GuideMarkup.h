#pragma once

#include <QString>

// The marks of the guide's light line markup. The guide screen reads them
// and the search text strips them; both take them from here so they cannot
// drift apart. Line marks count after spaces and tabs are trimmed.
namespace GuideMarkup {

inline const QString heading = QStringLiteral("## ");
inline const QString bullet = QStringLiteral("\u2022 ");
inline const QString warning = QStringLiteral("! ");
// Around bold text inside a line; the only inline mark.
inline const QString bold = QStringLiteral("**");

} // namespace GuideMarkup
