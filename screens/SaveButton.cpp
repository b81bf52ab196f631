#include "screens/SaveButton.h"

#include "data/FavoritesStore.h"
#include "look/kit/MBClickRun.h"
#include "screens/Refusal.h"
#include "services/MyListActions.h"
#include "widgets/TLAnnouncer.h"

#include <QLabel>

SaveButton::SaveButton(const Listing &listing, FavoritesStore &store, QWidget *parent)
    : TLButton(QStringLiteral("Save"), TLButtonStyle{}, QStringLiteral("bookmark"), parent),
      m_listing(listing),
      m_store(store)
{
    setObjectName(QStringLiteral("saveButton"));
    connect(this, &QAbstractButton::clicked, this, &SaveButton::toggle);
    // A double-click saves once, or removes once: never both.
    MBClickRun::holdMouse(this);
    connect(&store, &FavoritesStore::itemsChanged, this, &SaveButton::relabel);
    relabel();
}

bool SaveButton::saved() const { return m_store.contains(m_listing.uid); }

void SaveButton::setRefusalLine(QLabel *line)
{
    m_refusal = line;
}

void SaveButton::toggle()
{
    const bool removing = saved();
    if (m_refusal)
        Refusal::clear(m_refusal);
    const bool ok = removing ? MyListActions::remove(m_listing.uid, m_store)
                             : MyListActions::add(m_listing, m_store);
    if (ok)
        TLAnnouncer::say(this, removing ? QStringLiteral("Removed from My List") : QStringLiteral("Saved to My List"));
    else if (m_refusal)
        Refusal::failedWrite(m_refusal);
    else
        Refusal::failedWrite(this);
}

void SaveButton::relabel()
{
    const bool on = saved();
    // Every button hears every change of the list; only its own changes it,
    // so a screen reader is not told of every other button again.
    if (m_shownSaved == on)
        return;
    m_shownSaved = on;
    setText(on ? QStringLiteral("Saved") : QStringLiteral("Save"));
    setSymbol(on ? QStringLiteral("bookmark.fill") : QStringLiteral("bookmark"));
    setToolTip(on ? QStringLiteral("Remove from My List") : QStringLiteral("Save to My List"));
    // A screen reader hears whose button it is: "Save, <listing name>".
    setAccessibleName(text() + QStringLiteral(", ") + m_listing.name);
}
