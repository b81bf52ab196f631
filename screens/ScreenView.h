#pragma once
// A screen that takes another argument of its own kind in place (one help
// topic to another, one urgent need to another): it changes the parts that
// depend on the argument and keeps the rest (what the user typed, where the
// page was scrolled). The screen host hands a new argument over through this
// interface; a screen without it is built afresh.

class Screen;

class ScreenView
{
public:
    virtual ~ScreenView() = default;

    // Shows `screen` instead of the one shown now. False when the screen is
    // of another kind, which this view cannot show.
    virtual bool setScreen(const Screen &screen) = 0;
};
