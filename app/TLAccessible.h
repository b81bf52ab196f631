#pragma once
// What a screen reader is told about the widgets the application paints
// itself: a segmented picker is a group of radio buttons, one per option,
// the chosen one checked, each of which can be pressed; a link is a link
// that can be pressed; a card is a group (named where its content names
// it); a badge is text.

namespace TLAccessible {

// Installs the one factory for these widgets; later calls do nothing. Qt
// keeps the first interface made for a widget for the widget's life, so
// this runs before any window is built.
void install();

} // namespace TLAccessible
