#include "data/SQLiteDB.h"

#include "data/WholeNumber.h"

#include <sqlite3.h>

namespace {

// Finalizes a statement when the call that made it leaves, on every path.
class StatementGuard
{
public:
    explicit StatementGuard(sqlite3_stmt *stmt) : m_stmt(stmt) {}
    ~StatementGuard() { sqlite3_finalize(m_stmt); }
    StatementGuard(const StatementGuard &) = delete;
    StatementGuard &operator=(const StatementGuard &) = delete;
    sqlite3_stmt *get() const { return m_stmt; }

private:
    sqlite3_stmt *m_stmt;
};

// What a SQLite result code means for the person whose file it is.
DBError::Cause causeOf(int code)
{
    switch (code & 0xff) {
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return DBError::Cause::cannotOpen;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return DBError::Cause::notOurs;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DBError::Cause::inUse;
    case SQLITE_READONLY:
    case SQLITE_FULL:
        return DBError::Cause::cannotWrite;
    default:
        return DBError::Cause::other;
    }
}

} // namespace

SQLiteDB::SQLiteDB(const QString &path)
{
    const QByteArray utf8 = path.toUtf8();
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(utf8.constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                                   nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db))
                                   : QStringLiteral("cannot open");
        sqlite3_close_v2(db);
        throw DBError(QStringLiteral("SQLite open failed: ") + message, causeOf(rc));
    }
    m_handle = db;
}

SQLiteDB::~SQLiteDB()
{
    sqlite3_close_v2(m_handle);
}

DBError SQLiteDB::error() const
{
    return DBError(lastError(), m_handle ? causeOf(sqlite3_extended_errcode(m_handle)) : DBError::Cause::other);
}

QString SQLiteDB::lastError() const
{
    if (!m_handle)
        return QStringLiteral("no database");
    return QString::fromUtf8(sqlite3_errmsg(m_handle));
}

void SQLiteDB::exec(const QString &sql)
{
    const QByteArray utf8 = sql.toUtf8();
    char *err = nullptr;
    const int rc = sqlite3_exec(m_handle, utf8.constData(), nullptr, nullptr, &err);
    QString message;
    if (rc != SQLITE_OK)
        message = err ? QString::fromUtf8(err) : lastError();
    sqlite3_free(err);
    if (rc != SQLITE_OK)
        throw DBError(message, causeOf(rc));
}

sqlite3_stmt *SQLiteDB::prepare(const QString &sql)
{
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt *stmt = nullptr;
    const int rc = sqlite3_prepare_v2(m_handle, utf8.constData(), -1, &stmt, nullptr);
    if (rc != SQLITE_OK || !stmt) {
        sqlite3_finalize(stmt);
        throw error();
    }
    return stmt;
}

void SQLiteDB::bind(sqlite3_stmt *stmt, const Params &params)
{
    for (int i = 0; i < params.size(); ++i) {
        const Param &p = params.at(i);
        // Surplus parameters fail to bind and are ignored on purpose. The byte
        // length is passed so a text holding U+0000 is stored whole, not cut;
        // SQLITE_TRANSIENT makes SQLite copy the temporary buffer at once.
        if (p) {
            const QByteArray utf8 = p->toUtf8();
            sqlite3_bind_text(stmt, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_null(stmt, i + 1);
        }
    }
}

void SQLiteDB::run(const QString &sql, const Params &params)
{
    StatementGuard stmt(prepare(sql));
    bind(stmt.get(), params);
    const int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw error();
}

QList<SQLiteDB::Row> SQLiteDB::rows(const QString &sql, const Params &params)
{
    StatementGuard stmt(prepare(sql));
    bind(stmt.get(), params);
    QList<Row> result;
    int rc;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        const int count = sqlite3_column_count(stmt.get());
        Row row;
        row.reserve(count);
        for (int c = 0; c < count; ++c) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt.get(), c));
            row.append(text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt.get(), c))
                            : QString());
        }
        result.append(std::move(row));
    }
    if (rc != SQLITE_DONE)
        throw error();
    return result;
}

qint64 SQLiteDB::scalar(const QString &sql, const Params &params)
{
    const QList<Row> found = rows(sql, params);
    QString text = QStringLiteral("0");
    if (!found.isEmpty() && !found.first().isEmpty())
        text = found.first().first();
    return parseWholeNumber(text).value_or(0);
}
