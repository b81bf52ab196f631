#include "data/FavoritesStore.h"

#include "data/Log.h"
#include "data/StoreFile.h"

#include <QDir>
#include <QStandardPaths>

#include <chrono>

QString FavoritesStore::appSupportFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    // A fixed folder name, not the shown one: My List and the Money Plan stay
    // where they were saved whatever the application comes to be called.
    const QString folder = base + QStringLiteral("/MRBY Tenterly");
    QDir().mkpath(folder); // a failure shows when a file there cannot be opened
    return folder;
}

QString FavoritesStore::defaultURL()
{
    const QString fromEnv = qEnvironmentVariable("TL_MYLIST_PATH");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return appSupportFolder() + QStringLiteral("/my-list.sqlite");
}

FavoritesStore::FavoritesStore(const QString &url, QObject *parent)
    : QObject(parent), m_url(url), m_db(url)
{
    claimStoreFile(m_db,
                   QStringLiteral("CREATE TABLE IF NOT EXISTS favorites(uid TEXT PRIMARY KEY, name TEXT NOT NULL, "
                                  "note TEXT NOT NULL DEFAULT '', added REAL NOT NULL)"),
                   {{QStringLiteral("favorites"),
                     {QStringLiteral("uid"), QStringLiteral("name"), QStringLiteral("note"), QStringLiteral("added")}}},
                   QStringLiteral("the file is not a My List file"));
    // Unlike a later reload, a first read that fails is an error: a damaged
    // file must not pass for an empty list and take saves that never show.
    read();
}

void FavoritesStore::read()
{
    // rowid keeps entries saved within the same microsecond in saving order.
    const QList<SQLiteDB::Row> rows =
        m_db.rows(QStringLiteral("SELECT uid, name, note, added FROM favorites ORDER BY added, rowid"));
    QList<Favorite> items;
    items.reserve(rows.size());
    for (const SQLiteDB::Row &row : rows) {
        if (row.size() < 4)
            continue;
        bool ok = false;
        const double added = row.at(3).toDouble(&ok);
        items.append(Favorite{row.at(0), row.at(1), row.at(2), ok ? added : 0});
    }
    m_items = std::move(items);
}

void FavoritesStore::reload()
{
    try {
        read();
    } catch (const DBError &e) {
        // Keep showing what was last read rather than an empty list: the
        // rows are still in the file.
        qCWarning(lcData, "My List could not be read again; the list read before stays: %s", e.what());
        return;
    }
    Q_EMIT itemsChanged();
}

bool FavoritesStore::contains(const QString &uid) const
{
    for (const Favorite &f : m_items) {
        if (f.uid == uid)
            return true;
    }
    return false;
}

QString FavoritesStore::note(const QString &uid) const
{
    for (const Favorite &f : m_items) {
        if (f.uid == uid)
            return f.note;
    }
    return QString();
}

void FavoritesStore::add(const QString &uid, const QString &name)
{
    using namespace std::chrono;
    const double now =
        duration_cast<microseconds>(system_clock::now().time_since_epoch()).count() / 1e6;
    m_db.run(QStringLiteral("INSERT OR IGNORE INTO favorites(uid, name, note, added) VALUES (?,?,?,?)"),
             {uid, name, QString(), QString::number(now, 'f', 6)});
    reload();
}

void FavoritesStore::remove(const QString &uid)
{
    m_db.run(QStringLiteral("DELETE FROM favorites WHERE uid = ?"), {uid});
    reload();
}

void FavoritesStore::setNote(const QString &uid, const QString &note)
{
    m_db.run(QStringLiteral("UPDATE favorites SET note = ? WHERE uid = ?"), {note, uid});
    reload();
}
