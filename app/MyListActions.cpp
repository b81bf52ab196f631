#include "app/MyListActions.h"

#include "data/FavoritesStore.h"
#include "data/Listing.h"

#include <exception>

bool MyListActions::add(const Listing &listing, FavoritesStore &store)
{
    try {
        store.add(listing.uid, listing.name);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool MyListActions::remove(const QString &uid, FavoritesStore &store)
{
    try {
        store.remove(uid);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

bool MyListActions::setNote(const QString &uid, const QString &note, FavoritesStore &store)
{
    try {
        store.setNote(uid, note);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}
