#include "services/MyListActions.h"

#include "data/FavoritesStore.h"
#include "data/Listing.h"

#include <exception>

namespace {

// True when the edit did not throw; the error itself is dropped.
template <typename Edit>
bool attempt(Edit edit)
{
    try {
        edit();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace

bool MyListActions::add(const Listing &listing, FavoritesStore &store)
{
    return attempt([&] { store.add(listing.uid, listing.name); });
}

bool MyListActions::remove(const QString &uid, FavoritesStore &store)
{
    return attempt([&] { store.remove(uid); });
}

bool MyListActions::setNote(const QString &uid, const QString &note, FavoritesStore &store)
{
    return attempt([&] { store.setNote(uid, note); });
}
