#pragma once

#include "data/DBError.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// The one thin wrapper around a SQLite connection. Values go in as text or
// NULL and come back as text (NULL as the empty text); every statement is
// prepared, run and finalized within one call. Every failure throws DBError
// with SQLite's own message and its cause. Callers wrap bulk writes in
// exec("BEGIN") and exec("COMMIT") themselves.
class SQLiteDB final
{
public:
    // One bound value: a text, or std::nullopt for NULL. Placeholders are "?".
    using Param = std::optional<QString>;
    using Params = QList<Param>;
    using Row = QStringList;

    // Opens or creates the database at path (":memory:" for a private one).
    // Throws DBError("SQLite open failed: …").
    explicit SQLiteDB(const QString &path);
    ~SQLiteDB();

    SQLiteDB(const SQLiteDB &) = delete;
    SQLiteDB &operator=(const SQLiteDB &) = delete;

    // Runs a script of one or more statements.
    void exec(const QString &sql);
    // Runs one statement, stepping it once (a query succeeds after its first row).
    void run(const QString &sql, const Params &params = {});
    // Runs one query and returns every row, each column as text.
    QList<Row> rows(const QString &sql, const Params &params = {});
    // The first column of the first row as a whole number; 0 when there is no
    // row or the text is not a plain base-10 integer that fits 64 bits.
    qint64 scalar(const QString &sql, const Params &params = {});

    // The connection's latest error message, or "no database".
    QString lastError() const;

private:
    // The latest error as thrown, with its cause.
    DBError error() const;
    sqlite3_stmt *prepare(const QString &sql);
    static void bind(sqlite3_stmt *stmt, const Params &params);

    sqlite3 *m_handle = nullptr;
};
