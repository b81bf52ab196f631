#pragma once
// A help topic's page: every listing of the topic for the chosen state,
// grouped under plain-language headings ("Colorado: Food banks (3)"), then
// the nationwide listings, then the topic's videos. With no state chosen it
// lists every state's listings, a few hundred cards for Food: they are made
// as they come into view, so the window keeps answering and a screen reader
// keeps pace (snapshot renders make all at once).
//
// The page lives as long as the window shows help topics: a new topic is
// handed to it (setScreen), a new state refreshes only the listings. Without
// My List the cards come without Save.

#include "screens/RowColumn.h"
#include "screens/ScreenView.h"
#include "screens/TopicLists.h"
#include "services/Screen.h"

#include <QWidget>

class AppModel;
class FavoritesStore;
class Page;
class PageHeader;
class StatePrompt;

class CategoryView final : public QWidget, public ScreenView
{
    Q_OBJECT
public:
    CategoryView(AppModel &model, AppCategory topic, QWidget *parent = nullptr);

    // Whether the topic asks for a state while none is chosen.
    static bool asksForState(AppCategory topic);
    // The rows under the prompt: group headings and cards, the nationwide
    // heading and cards, the empty-topic line, the videos heading and rows.
    static QList<RowColumn::Row> rows(const TopicLists &lists, const QString &stateName, FavoritesStore *store);

    AppCategory topic() const { return m_topic; }
    Page *page() const { return m_page; }
    PageHeader *header() const { return m_header; }
    StatePrompt *prompt() const { return m_prompt; }
    RowColumn *listings() const { return m_rows; }
    // How many times the listings were worked out (once per topic or state).
    int listRefreshes() const { return m_refreshes; }

    bool setScreen(const Screen &screen) override;

private:
    void refresh();
    void followState();

    AppModel &m_model;
    AppCategory m_topic;
    Page *m_page;
    PageHeader *m_header;
    StatePrompt *m_prompt;
    RowColumn *m_rows;
    int m_refreshes = 0;
    // The zoom the page was built with; a new header is built with it too.
    double m_zoom;
};
