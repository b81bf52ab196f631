#include "data/StoreFile.h"

void claimStoreFile(SQLiteDB &db, const QString &schema, const QList<StoreTable> &tables,
                    const QString &notOurs)
{
    // Only reads until the file is known to be ours.
    const bool empty = db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master")) == 0;
    if (!empty) {
        bool found = false;
        for (const StoreTable &table : tables) {
            const QList<SQLiteDB::Row> rows =
                db.rows(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table.name});
            if (rows.isEmpty())
                continue;
            QStringList have;
            for (const SQLiteDB::Row &row : rows)
                have << row.value(0);
            for (const QString &column : table.columns) {
                if (!have.contains(column))
                    throw DBError(notOurs, DBError::Cause::notOurs);
            }
            found = true;
        }
        if (!found)
            throw DBError(notOurs, DBError::Cause::notOurs);
    }
    db.exec(schema);
}
