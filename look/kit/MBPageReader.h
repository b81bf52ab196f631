#pragma once
// A page of running text (a guide chapter, a help topic) that a screen reader
// reads from the keyboard. The page's scroll area, which takes the focus,
// offers the page's paragraphs as one text, closed by an end sentence: its
// caret stands at the first paragraph in view, so each scroll on (Down,
// Page Down, Space) moves the caret on and the reader says the paragraph that
// came to the top, or the next one; each step back (Up, Page Up) moves it one
// paragraph back. Reading all from the caret scrolls along as it goes. A
// sighted person sees nothing of it.

class QAccessibleInterface;
class QScrollArea;
class QWidget;

namespace MBPageReader {

void mark(QScrollArea *page);
bool isMarked(const QWidget *widget);

// What a screen reader is given for a marked page (the accessibility
// factory's answer for it).
QAccessibleInterface *interfaceFor(QScrollArea *page);

} // namespace MBPageReader
