#pragma once
// The one way a help listing is shown (urgent-need and topic pages, search,
// My List). Top to bottom: the group line ("Nationwide", or the state's name
// · the group title) and the name beside the Save button; at most one trust
// badge (unconfirmed wins over news-or-private); the summary; the contact
// buttons; the facts as labelled rows; the extra details (with a warning line
// when unconfirmed); the link note; on My List the note editor; and a footer
// with the check date, the source (a link elided to one line, or dim text
// when the address is not a web address) and "Report a problem", which goes
// under the source line when the card is too narrow for both.
//
// Every text is shown as it stands (a name holding "<b>" shows "<b>"). Phone
// numbers and web addresses reach the user only as contact buttons.
//
// A screen reader hears the card as a group named after the listing, with
// its trust badge; Save and "Report a problem" carry the listing's name.
//
// The card is built once and then follows its sources in place: the Save
// button and the note editor follow the store, the web buttons the network.
// A draft in an open note editor survives any change of the store.
//
// Without a store (My List could not be opened) the card shows no Save
// button and no note editor; everything else stands.
//
// A card costs about a millisecond to make and lay out: a screen with a long
// list puts its cards in a RowColumn, keyed by the listing's uid, so only
// what shows is made and a card is reused when the list changes.

#include "data/Listing.h"

#include "look/app/TLCard.h"

#include <QPointer>

class ContactButtons;
class FavoritesStore;
class NoteEditor;
class PlainButton;
class QLabel;
class QVBoxLayout;
class SaveButton;
class TLBadge;
struct TLPalette;

class ListingCard final : public TLCard
{
    Q_OBJECT
public:
    // `store` may be null. `showNote`: My List's cards, which carry the note
    // editor while the listing is saved.
    ListingCard(const Listing &listing, FavoritesStore *store, bool showNote = false, QWidget *parent = nullptr);

    const Listing &listing() const { return m_listing; }

    // "Nationwide", or "<state name> · <group title>".
    static QString groupLine(const Listing &listing);
    // The trust badge's text, or "" when the listing carries none.
    static QString badgeText(const Listing &listing);

    SaveButton *saveButton() const { return m_save; }
    ContactButtons *contactButtons() const { return m_contacts; }
    // Null while the note editor is not shown.
    NoteEditor *noteEditor() const;
    TLBadge *badge() const { return m_badge; }
    PlainButton *reportButton() const { return m_report; }
    // The source: a link (MBLink) or a dim label.
    QLabel *sourceLabel() const { return m_source; }

private:
    // The parts listed above, top to bottom; a part the listing has nothing
    // for adds nothing.
    void addHeading();
    void addBadge();
    void addSummary();
    void addContacts();
    void addFacts();
    void addDetails(const TLPalette &palette);
    void addLinkNote(const TLPalette &palette);
    void addNoteSlot();
    void addFooter(const TLPalette &palette);
    void followStore();

    Listing m_listing;
    FavoritesStore *m_store;
    bool m_showNote;
    double m_zoom;
    SaveButton *m_save = nullptr;
    ContactButtons *m_contacts = nullptr;
    TLBadge *m_badge = nullptr;
    QPointer<NoteEditor> m_note;
    QVBoxLayout *m_noteSlot = nullptr;
    PlainButton *m_report = nullptr;
    QLabel *m_source = nullptr;
};
