#pragma once

#include <QString>

struct Listing;
class FavoritesStore;

// The My List edits used by the Save button, the My List screen and the note
// editor. Each answers true when the store took the change and false when it
// failed; a failed edit leaves My List as it was.
namespace MyListActions {

bool add(const Listing &listing, FavoritesStore &store);
bool remove(const QString &uid, FavoritesStore &store);
bool setNote(const QString &uid, const QString &note, FavoritesStore &store);

} // namespace MyListActions
