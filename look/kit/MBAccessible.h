#pragma once
// Marks for what a screen reader is told about a widget, set where the
// widget is made; the application's one accessibility factory reads them.
//
// Qt makes a widget's accessible view once, the first time anything about
// the widget is reported (as its text is first set, also with no screen
// reader running), and keeps it for the widget's life: a mark is set before
// the widget's text.

#include <QAccessible>
#include <QString>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

namespace MBAccessible {

// What `widget` is: a heading (named by its text when it has no accessible
// name), a window of the application's own, a group (a card), static text,
// a status bar, a notification.
void markRole(QWidget *widget, QAccessible::Role role);
// The role marked on `widget`, else NoRole.
QAccessible::Role markedRole(const QWidget *widget);

// One of a list of places (screens, help topics, chapters), not the current
// one until setCurrent says so.
void markPlace(QAbstractButton *row);
bool isPlace(const QWidget *widget);
// The current place is selected, and described as "current".
void setCurrent(QAbstractButton *row, bool current);
bool isCurrent(const QWidget *widget);

// Qt reports a text field's first caret place as the focus arrives, before
// the focus itself, and Orca then takes the focus as already told and says
// nothing: a field made with this reports its caret at once.
void reportCaret(QLineEdit *field);

// What `label` shows, as plain text (rich text without its markup).
QString shownText(const QLabel *label);

// In words, what opening `url` does ("Opens 211colorado.org in your
// browser"), for a screen reader instead of the bare address.
QString describeURL(const QString &url);

} // namespace MBAccessible
