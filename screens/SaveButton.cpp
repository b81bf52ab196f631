#include "screens/SaveButton.h"

#include "data/FavoritesStore.h"
#include "pdf/PdfPrint.h"
#include "services/MyListActions.h"


SaveButton::SaveButton(const Listing &listing, FavoritesStore &store, QWidget *parent)
    : TLButton(QStringLiteral("Save"), TLButtonStyle{}, QStringLiteral("bookmark"), parent),
      m_listing(listing),
      m_store(store)
{
    setObjectName(QStringLiteral("saveButton"));
    connect(this, &QAbstractButton::clicked, this, &SaveButton::toggle);
    connect(&store, &FavoritesStore::itemsChanged, this, &SaveButton::relabel);
    relabel();
}

bool SaveButton::saved() const { return m_store.contains(m_listing.uid); }

void SaveButton::toggle()
{
    const bool ok = saved() ? MyListActions::remove(m_listing.uid, m_store)
                            : MyListActions::add(m_listing, m_store);
    if (!ok)
        PdfPrint::beep();
}

void SaveButton::relabel()
{
    const bool on = saved();
    setText(on ? QStringLiteral("Saved") : QStringLiteral("Save"));
    setSymbol(on ? QStringLiteral("bookmark.fill") : QStringLiteral("bookmark"));
    setToolTip(on ? QStringLiteral("Remove from My List") : QStringLiteral("Save to My List"));
    // A screen reader hears whose button it is: "Save, <listing name>".
    setAccessibleName(text() + QStringLiteral(", ") + m_listing.name);
}
