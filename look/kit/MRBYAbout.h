#pragma once
// The About window's texts and the one About window.

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace MRBYAbout {

// Lines shown under the version line; the application sets them at start-up.
QStringList extraLines();
void setExtraLines(const QStringList &lines);

// "Version 1.2" or "Version 1.2 (45)" from the compiled-in version values.
QString version();
// The same from given values: a missing short version reads "1.0", a
// missing build number leaves the parentheses out.
QString versionLine(const std::optional<QString> &shortVersion, const std::optional<QString> &build);

inline const QString creditLine = QStringLiteral(TL_MAKER_LINE);
// "© <current year> Marrowby (MRBY)".
QString copyrightLine();

// Opens the About window, or brings it forward with fresh content.
void show();
// The About window, or null before the first show().
QWidget *window();

} // namespace MRBYAbout
