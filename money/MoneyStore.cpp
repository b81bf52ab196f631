#include "money/MoneyStore.h"

#include "data/FavoritesStore.h"
#include "data/StoreFile.h"
#include "data/WholeNumber.h"
#include "money/Log.h"

#include <QHash>
#include <QUuid>

#include <algorithm>
#include <charconv>
#include <chrono>

namespace {

// Run at every open; creates only what is missing.
const QString kSchema = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS money_entries(id TEXT PRIMARY KEY, kind TEXT NOT NULL, category TEXT NOT NULL,\n"
    "    label TEXT NOT NULL DEFAULT '', cents INTEGER NOT NULL, frequency TEXT NOT NULL, added REAL NOT NULL);\n"
    "CREATE TABLE IF NOT EXISTS money_settings(key TEXT PRIMARY KEY, value TEXT NOT NULL);");

// The shortest fixed-point text that reads back to the same double.
QString shortestText(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

double secondsSince1970()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count() / 1e6;
}

// Undoes a transaction that failed part-way. A failed rollback leaves
// SQLite to roll back the hot journal at the next open.
void rollBack(SQLiteDB &db)
{
    try {
        db.exec(QStringLiteral("ROLLBACK"));
    } catch (const DBError &) {
    }
}

} // namespace

QString MoneyStore::defaultURL()
{
    const QString fromEnv = qEnvironmentVariable("TL_MONEY_PATH");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return FavoritesStore::appSupportFolder() + QStringLiteral("/money-plan.sqlite");
}

MoneyStore::MoneyStore(const QString &url, QObject *parent)
    : QObject(parent), m_url(url), m_db(url)
{
    claimStoreFile(m_db, kSchema,
                   {{QStringLiteral("money_entries"),
                     {QStringLiteral("id"), QStringLiteral("kind"), QStringLiteral("category"), QStringLiteral("label"),
                      QStringLiteral("cents"), QStringLiteral("frequency"), QStringLiteral("added")}},
                    {QStringLiteral("money_settings"), {QStringLiteral("key"), QStringLiteral("value")}}},
                   QStringLiteral("the file is not a Money Plan file"));
    // Unlike a later reload, a first read that fails is an error: an
    // unreadable file must not pass for an empty plan.
    read();
}

void MoneyStore::read()
{
    const QList<SQLiteDB::Row> rows = m_db.rows(QStringLiteral(
        "SELECT id, kind, category, label, cents, frequency, added FROM money_entries ORDER BY added, id"));
    const QList<SQLiteDB::Row> settingRows =
        m_db.rows(QStringLiteral("SELECT key, value FROM money_settings"));

    MoneyPlan plan;
    int skipped = 0;
    for (const SQLiteDB::Row &row : rows) {
        const std::optional<MoneyKind> kind = MoneyKind::fromRawValue(row.value(1));
        const std::optional<MoneyFrequency> frequency = MoneyFrequency::fromRawValue(row.value(5));
        const std::optional<qint64> cents = parseWholeNumber(row.value(4));
        if (row.size() < 7 || !kind || !frequency || !cents) {
            ++skipped;
            continue;
        }
        bool ok = false;
        const double added = row.at(6).toDouble(&ok);
        plan.entries.append(MoneyEntry{row.at(0), *kind, row.at(2), row.at(3), *cents, *frequency,
                                       ok ? added : 0});
    }

    QHash<QString, QString> settings;
    for (const SQLiteDB::Row &row : settingRows)
        settings.insert(row.value(0), row.value(1));
    const auto centsSetting = [&](const QString &key) {
        return parseWholeNumber(settings.value(key)).value_or(0);
    };
    plan.name = settings.value(QStringLiteral("name"));
    plan.cashOnHandCents = centsSetting(QStringLiteral("cash"));
    plan.goalName = settings.value(QStringLiteral("goalName"));
    plan.goalCents = centsSetting(QStringLiteral("goal"));
    plan.savedCents = centsSetting(QStringLiteral("saved"));

    m_plan = std::move(plan);
    m_skippedRows = skipped;
}

void MoneyStore::reload()
{
    try {
        read();
    } catch (const DBError &e) {
        qCWarning(lcMoney, "The Money Plan could not be read again; the plan read before stays: %s", e.what());
        return;
    }
    Q_EMIT planChanged();
}

QString MoneyStore::add(MoneyKind kind, const QString &category, const QString &label, qint64 cents,
                        MoneyFrequency frequency)
{
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    // After every existing line, even when the clock stands still or goes back.
    double latest = 0;
    for (const MoneyEntry &e : m_plan.entries)
        latest = std::max(latest, e.added);
    const double added = std::max(secondsSince1970(), latest + 0.001);
    m_db.run(QStringLiteral("INSERT INTO money_entries(id, kind, category, label, cents, frequency, added) "
                            "VALUES (?,?,?,?,?,?,?)"),
             {id, kind.rawValue(), category, label.trimmed(), QString::number(cents),
              frequency.rawValue(), shortestText(added)});
    reload();
    return id;
}

void MoneyStore::remove(const QString &id)
{
    m_db.run(QStringLiteral("DELETE FROM money_entries WHERE id = ?"), {id});
    reload();
}

void MoneyStore::writeSetting(const QString &key, const QString &value)
{
    m_db.run(QStringLiteral("INSERT INTO money_settings(key, value) VALUES (?, ?) "
                            "ON CONFLICT(key) DO UPDATE SET value = excluded.value"),
             {key, value});
}

void MoneyStore::setName(const QString &name)
{
    writeSetting(QStringLiteral("name"), name.trimmed());
    reload();
}

void MoneyStore::setCash(qint64 cents)
{
    writeSetting(QStringLiteral("cash"), QString::number(cents));
    reload();
}

void MoneyStore::setGoal(const QString &name, qint64 cents, qint64 saved)
{
    // A goal saved half-way (a new amount with the old name) would be a goal
    // the person never set.
    m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        writeSetting(QStringLiteral("goalName"), name.trimmed());
        writeSetting(QStringLiteral("goal"), QString::number(cents));
        writeSetting(QStringLiteral("saved"), QString::number(saved));
        m_db.exec(QStringLiteral("COMMIT"));
    } catch (const DBError &) {
        rollBack(m_db);
        throw;
    }
    reload();
}
