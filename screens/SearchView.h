#pragma once
// Search everything: one field that searches the listings, the videos and
// the Survival Guide chapters at once, offline. The field is bound to the
// model's search text and the "Search all states" switch to its flag, so a
// search survives leaving the screen. Every keystroke runs the search again
// (no delay): the count line and the rows follow while the field itself
// stays, so typing never loses a letter, the cursor or the focus.
//
// The state searched: none when "search all states" is on or no state is
// chosen, else the chosen state (with the nationwide rows). Hits show in the
// search's order: listings as cards, videos as rows, chapters as tiles that
// open the chapter. Without My List the cards come without Save.

#include "data/SearchHit.h"

#include <QTimer>
#include <QWidget>

#include <optional>

class AppModel;
class PlainButton;
class QLabel;
class QLineEdit;
class RowColumn;
class ToggleBox;

class SearchView final : public QWidget
{
    Q_OBJECT
public:
    explicit SearchView(AppModel &model, QWidget *parent = nullptr);

    // The state code passed to the search, or none for every state.
    static std::optional<QString> searchState(const AppModel &model);
    // The hits for the model's text and state (empty without data).
    static QList<SearchHit> hits(const AppModel &model);
    // The count line for a text and a number of hits; "" when the text holds
    // nothing but blanks (no line is shown).
    static QString countLine(const QString &text, qsizetype hits);
    // "Survival Guide · Chapter 4: Clean Water".
    static QString chapterTitle(const GuideChapter &chapter);

    QLineEdit *field() const { return m_field; }
    PlainButton *clearButton() const { return m_clear; }
    // Null while no state is chosen.
    ToggleBox *allStatesToggle() const { return m_allStates; }
    QLabel *countLabel() const { return m_count; }
    RowColumn *results() const { return m_results; }
    // How many searches this view has run.
    int searchCount() const { return m_searches; }

protected:
    // The field takes the keyboard when the screen comes up, so a person can
    // type at once (also after Ctrl+F).
    void showEvent(QShowEvent *event) override;

private:
    void sayCount();
    QWidget *fieldRow();
    // Shows the all-states toggle, named after the state, while one is chosen.
    void followState();
    void refresh();

    AppModel &m_model;
    QLineEdit *m_field = nullptr;
    PlainButton *m_clear = nullptr;
    ToggleBox *m_allStates = nullptr;
    QLabel *m_count = nullptr;
    RowColumn *m_results = nullptr;
    int m_searches = 0;
    // The count is said to a screen reader each time typing pauses.
    QTimer m_sayCount;
    bool m_focused = false;
};
