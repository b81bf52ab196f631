#pragma once
// Tells a screen reader what just happened (a listing saved, a line added, a
// file written, the number of results) without moving the keyboard focus and
// without changing what a sighted person sees. Each window holds one status
// line nobody sees; a sentence said there appears in it as a notification,
// which Orca speaks when it is shown.
//
// A sentence is shown as soon as a screen reader can take it. A change that
// rebuilds a part of a page (the Money Plan's summary and tips, the results
// of a search) sends a screen reader hundreds of accessibility events, and
// Orca drops a notification that arrives while it is still working through
// them. So the announcer watches the events the application sends, keeps
// the backlog they make for a screen reader, which drains as time passes,
// and holds a sentence until that backlog is gone: after a burst as long as
// the reader needs for it (longer while the processor is crowded, since the
// reader is slowed too), not longer because the person goes on pressing
// keys, and never more than ten seconds. A newer sentence replaces one
// still waiting.

class QString;
class QWidget;

namespace TLAnnouncer {

// Makes the status line of `window` and starts counting at once, so the
// first sentence waits for what was built before it too.
void prepare(QWidget *window);

// Says `sentence` in the window of `from` once it has settled; nothing for
// an empty sentence.
void say(QWidget *from, const QString &sentence);

// The last sentence said (shown) in `window`, or the empty text.
QString lastSaid(const QWidget *window);

} // namespace TLAnnouncer
