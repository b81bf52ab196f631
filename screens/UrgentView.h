#pragma once
// An urgent need's page ("Food today", "A safe place to park", ...): its
// short list of listings as the model picks them for the chosen state, and
// for medical help a card that points to the guide chapter on when to call
// 911. The state prompt shows while no state is chosen, except for medical
// help and someone to talk to, whose listings are nationwide.
//
// The page lives as long as the window shows urgent needs: a new need is
// handed to it (setScreen), a new state refreshes only the listings. Without
// My List the cards come without Save.

#include "screens/ScreenView.h"
#include "services/Screen.h"

#include <QWidget>

class AppModel;
class Page;
class PageHeader;
class RowColumn;
class StatePrompt;
class TLButton;

class UrgentView final : public QWidget, public ScreenView
{
    Q_OBJECT
public:
    UrgentView(AppModel &model, UrgentNeed need, QWidget *parent = nullptr);

    // Whether the need asks for a state while none is chosen.
    static bool asksForState(UrgentNeed need);

    UrgentNeed need() const { return m_need; }
    Page *page() const { return m_page; }
    PageHeader *header() const { return m_header; }
    // The Chapter 7 card (shown for medical help only) and its button.
    QWidget *medicalCard() const { return m_medical; }
    TLButton *chapterButton() const { return m_chapter; }
    StatePrompt *prompt() const { return m_prompt; }
    RowColumn *listings() const { return m_rows; }
    int listRefreshes() const { return m_refreshes; }

    bool setScreen(const Screen &screen) override;

private:
    // Shows the state prompt when the need asks for a state and none is
    // chosen, and works out the listings again.
    void followState();
    QWidget *makeMedicalCard();
    void refresh();

    AppModel &m_model;
    UrgentNeed m_need;
    Page *m_page;
    PageHeader *m_header;
    QWidget *m_medical;
    TLButton *m_chapter = nullptr;
    StatePrompt *m_prompt;
    RowColumn *m_rows;
    int m_refreshes = 0;
    // The zoom the page was built with; a new header is built with it too.
    double m_zoom;
};
