#pragma once
// What a screen reader is told about the widgets the application makes
// itself, in one factory. The roles marked where the widgets are made
// (MBAccessible): a title is a heading, named by its text; a row of a list
// of places (the sidebar's screens, the help topics, the guide's chapters)
// is a button, selected and described as "current" while it is; the help
// and About windows are windows; a card is a group, named where its content
// names it; a badge is text; the window's hidden status line is a status
// bar, and what it says a notification. The types known by their class: a
// segmented picker is a group of radio buttons, one per option, the chosen
// one checked, each of which can be pressed; a pop-up is named by its
// caption and reads its choice as its value and its text; a caption with
// its value ("Needs a computer: No") is one text; a link is a link that can
// be pressed; a label is named by its text, and inside a card it is a
// paragraph, so entering the card a screen reader says the card's name and
// badge rather than every text in it.

namespace TLAccessible {

// Installs the one factory; later calls do nothing. Qt keeps the first
// interface made for a widget for the widget's life, so this runs before
// any window is built.
void install();

} // namespace TLAccessible
