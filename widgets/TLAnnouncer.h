#pragma once
// Tells a screen reader what just happened (a listing saved, a line added, a
// file written, the number of results) without moving the keyboard focus and
// without changing what a sighted person sees. Each window holds one status
// line nobody sees; a sentence said there appears in it as a notification,
// which Orca speaks when it is shown.

class QString;
class QWidget;

namespace TLAnnouncer {

// Says `sentence` in the window of `from`; nothing for an empty sentence.
void say(QWidget *from, const QString &sentence);

// The last sentence said in `window`, or the empty text.
QString lastSaid(const QWidget *window);

} // namespace TLAnnouncer
