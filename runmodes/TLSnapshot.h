#pragma once
// "--tl-snapshot FOLDER": renders fifteen fixed states of the main window
// (screen, theme, text size) to PNG files 1280 pixels wide and as tall as
// their whole content, writes the resources sheet for California as PDF, and
// puts the user's state, theme and text size back as they were.

#include "services/Screen.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace TLSnapshot {

struct Shot
{
    QString name; // file name without ".png"
    Screen screen;
    QString theme;
    int textSize; // 0 normal, 1 large, 2 extra large
};

// The shots in the order they are written.
const QList<Shot> &shots();

// The sheet's PDF, the only output numbered 14.
inline const QString sheetFile = QStringLiteral("14-sheet-CA.pdf");
// Every shot is this wide.
inline constexpr int width = 1280;

// The exit code when the arguments ask for the mode, else none. One line per
// file to `out`: "wrote …" when it is on disk, "could not …" when it is not
// (the run then ends with 1).
std::optional<int> handle(const QStringList &arguments, QTextStream &out);

} // namespace TLSnapshot
