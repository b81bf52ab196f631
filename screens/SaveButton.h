#pragma once
// Puts a listing on My List or takes it off. It reads "Saved" (bookmark.fill,
// tooltip "Remove from My List") while the store holds the listing, else
// "Save" (bookmark, "Save to My List"), and relabels itself whenever the
// store publishes, so every card of the same listing changes together. A
// screen reader hears the label and the listing's name ("Save, <name>").
//
// A double-click or a slow run of clicks is one press (MBClickRun). A press
// asks the store at that moment whether the listing is saved, so a
// press that comes after another view's change never does the opposite of
// what the button shows. A failed edit leaves My List as it was, beeps and
// says so in the sentence line the card gives the button; a done one is
// said to a screen reader.

#include "data/Listing.h"

#include "look/app/TLButtonStyle.h"

#include <QPointer>

#include <optional>

class FavoritesStore;
class QLabel;

class SaveButton final : public TLButton
{
    Q_OBJECT
public:
    SaveButton(const Listing &listing, FavoritesStore &store, QWidget *parent = nullptr);

    bool saved() const;
    // Where a failed edit is said, beside the button (Refusal::line()).
    void setRefusalLine(QLabel *line);

private:
    void toggle();
    void relabel();

    Listing m_listing;
    FavoritesStore &m_store;
    QPointer<QLabel> m_refusal;
    // What the button shows now; none before its first label.
    std::optional<bool> m_shownSaved;
};
