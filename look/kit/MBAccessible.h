#pragma once
// Marks on widgets for what a screen reader is told about them, set where the
// widgets are made; the application's accessibility factory reads them.

#include <QString>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace MBAccessible {

inline constexpr char headingMark[] = "mbHeading";
inline constexpr char currentMark[] = "mbCurrent";

// A title a screen reader's heading keys stop at.
void markHeading(QWidget *title);

// One of a list of places (screens, help topics, chapters): the current one
// is selected, and described as "current".
void setCurrent(QAbstractButton *row, bool current);

// Qt reports a text field's first caret place as the focus arrives, before
// the focus itself, and Orca then takes the focus as already told and says
// nothing: a field made with this reports its caret at once.
void reportCaret(QLineEdit *field);

// In words, what opening `url` does ("Opens 211colorado.org in your
// browser"), for a screen reader instead of the bare address.
QString describeURL(const QString &url);

} // namespace MBAccessible
