#pragma once
// SQLite files that belong to something else, for the stores to refuse.

#include "data/DBError.h"
#include "data/SQLiteDB.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QtTest>

namespace foreignfile {

inline QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Creates the file with `sql` and returns its bytes as written.
inline QByteArray make(const QString &path, const QString &sql)
{
    {
        SQLiteDB db(path);
        db.exec(sql);
    }
    return bytes(path);
}

// Makes a file with `sql` alone in `folder` and opens it as a Store: the open
// must fail with `sentence`, and the file keep every byte, with nothing left
// beside it (a journal would mean a write was begun).
template<typename Store>
void checkRefused(const QString &folder, const QString &sql, const QString &sentence)
{
    QVERIFY(QDir().mkpath(folder));
    const QString file = QDir(folder).filePath(QStringLiteral("file.sqlite"));
    const QByteArray before = make(file, sql);
    QVERIFY(!before.isEmpty());
    QString error;
    try {
        Store store(file);
    } catch (const DBError &e) {
        error = e.description;
    }
    QCOMPARE(error, sentence);
    QCOMPARE(bytes(file), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("file.sqlite")});
}

} // namespace foreignfile
