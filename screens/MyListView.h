#pragma once
// My List: the listings the user saved, oldest first, each as today's full
// listing card with the note editor. An entry whose listing is no longer in
// the data (or the data did not load) keeps a card of its own with the saved
// name, the note and "Remove".
//
// The list follows the store by entry: when My List changes, the cards of
// entries still there stay as they are (a note being typed survives), cards
// of removed entries go, new entries get a card in their place. A saved note
// changes nothing but its own card. Without the store the screen says why
// it could not be opened. After a removal the card below stands under the
// pointer: each removing button keeps a run of clicks of its own
// (MBClickRun), and a removal by a click holds the place of its button for
// the rest of that run, so a double-click removes one entry and presses
// nothing that moved up (a call, a link, a Save). A click elsewhere, a
// removal of another entry too, acts, and a click into a note places its
// caret.

#include "data/Favorite.h"

#include <QWidget>

class AppModel;
class FavoritesStore;
class Page;
class QLabel;
class RowColumn;

class MyListView final : public QWidget
{
    Q_OBJECT
public:
    explicit MyListView(AppModel &model, QWidget *parent = nullptr);

    // The card of an entry whose listing is not in the data.
    static QWidget *missingCard(const Favorite &entry, FavoritesStore &store);

    // Null without the store.
    RowColumn *entries() const { return m_entries; }
    QWidget *emptyCard() const { return m_empty; }
    // The store's load-error sentence; null when the store opened.
    QLabel *errorLabel() const { return m_error; }
    int refreshCount() const { return m_refreshes; }

private:
    void refresh();

    AppModel &m_model;
    Page *m_page;
    RowColumn *m_entries = nullptr;
    QWidget *m_empty = nullptr;
    QLabel *m_error = nullptr;
    int m_refreshes = 0;
    qsizetype m_count = 0;
};
