#pragma once

#include "data/Favorite.h"
#include "data/SQLiteDB.h"

#include <QList>
#include <QObject>
#include <QString>

// My List: saved listings with the user's notes, kept in a SQLite file of its
// own so they survive restarts. Every successful write re-reads the table and
// announces the new list with itemsChanged(). Writes run in SQLite's default
// rollback-journal mode, so a process killed mid-write leaves the file as of
// the last commit.
class FavoritesStore final : public QObject
{
    Q_OBJECT

public:
    // The application's folder under the user's data folder, created when
    // missing (a failure to create it is ignored). Every call repeats this.
    static QString appSupportFolder();
    // TL_MYLIST_PATH when set and not empty (taken as it stands), else
    // "my-list.sqlite" in appSupportFolder().
    static QString defaultURL();

    // Opens or creates the file and its table, then loads the list.
    // Throws DBError ("SQLite open failed: …" when the file cannot be opened;
    // "the file is not a My List file", leaving it untouched, when it holds
    // other tables; SQLite's message when the list cannot be read, as from a
    // damaged file, which is then left as it was).
    explicit FavoritesStore(const QString &url = defaultURL(), QObject *parent = nullptr);

    // Re-reads every entry, oldest first. Never throws: when the read fails
    // the list stays as it was.
    void reload();

    bool contains(const QString &uid) const;
    // The entry's note, or the empty text when the uid is not saved.
    QString note(const QString &uid) const;

    // Saves with an empty note and the current time; a uid already saved
    // stays as it was. Throws DBError; the list is then unchanged.
    void add(const QString &uid, const QString &name);
    // Throws DBError; removing an unknown uid succeeds.
    void remove(const QString &uid);
    // Throws DBError; the note of an unknown uid is not stored anywhere.
    void setNote(const QString &uid, const QString &note);

    // Ordered by the time added, oldest first.
    const QList<Favorite> &items() const { return m_items; }
    // The database file's path.
    QString url() const { return m_url; }

Q_SIGNALS:
    void itemsChanged();

private:
    // Reads every entry into the list; throws DBError.
    void read();

    QString m_url;
    SQLiteDB m_db;
    QList<Favorite> m_items;
};
