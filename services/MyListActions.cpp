#include "services/MyListActions.h"

#include "services/Log.h"
#include "data/FavoritesStore.h"
#include "data/Listing.h"

#include <exception>

namespace {

// True when the edit did not throw; the error itself is only logged.
template <typename Edit>
bool attempt(Edit edit)
{
    try {
        edit();
        return true;
    } catch (const std::exception &e) {
        qCWarning(lcServices, "A change to My List was not saved: %s", e.what());
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
