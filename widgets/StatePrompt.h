#pragma once
// The card a screen shows while no state is chosen: it asks for a state and
// carries a state picker so the choice can be made on the spot. The screen
// decides when to show it.

#include "look/app/TLCard.h"

class AppModel;
class StatePicker;

class StatePrompt : public TLCard
{
    Q_OBJECT
public:
    explicit StatePrompt(AppModel &model, QWidget *parent = nullptr);

    StatePicker *picker() const { return m_picker; }

private:
    StatePicker *m_picker;
};
