#pragma once
// Whose SQLite file a store has opened. A store makes its tables only in a
// new or empty file, or in a file that already holds its tables; a file that
// belongs to something else is left exactly as it was.

#include "data/SQLiteDB.h"

#include <QList>
#include <QString>
#include <QStringList>

struct StoreTable
{
    QString name;
    QStringList columns; // the columns the store reads; the table may have more
};

// Runs `schema` (statements that create only what is missing) when the file
// holds no tables yet, or when it holds at least one of `tables` and each of
// those it holds has the listed columns. Otherwise nothing is written and
// DBError(notOurs) is thrown. Errors of reading the file pass on unchanged.
void claimStoreFile(SQLiteDB &db, const QString &schema, const QList<StoreTable> &tables,
                    const QString &notOurs);
