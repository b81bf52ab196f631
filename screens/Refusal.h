#pragma once
// The sentence beside a control that says why its press changed nothing: a
// text that is not an amount, or a change the store could not write. A
// screen reader hears it too, without the focus moving. A change the store
// did not take also beeps, but the beep is silent on many Linux desktops, so
// the sentence is what tells. It stays until the control's next press.

#include <QString>

class QLabel;
class QWidget;

namespace Refusal {

// "Could not save this change. Nothing was changed."
QString notStored();

// An empty line for such sentences, hidden until one is shown.
QLabel *line();
// Shows `sentence` in `line` and says it in the line's window.
void show(QLabel *line, const QString &sentence);
void clear(QLabel *line);
// The store did not take the change: beeps, then shows and says `sentence`.
void failedWrite(QLabel *line, const QString &sentence = notStored());
// The same for a control without a line of its own: beeps and says it.
void failedWrite(QWidget *control);

} // namespace Refusal
