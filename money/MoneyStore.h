#pragma once

#include "data/SQLiteDB.h"
#include "money/MoneyFrequency.h"
#include "money/MoneyKind.h"
#include "money/MoneyPlan.h"

#include <QObject>
#include <QString>

// The Money Plan in a SQLite file of its own ("money-plan.sqlite"). Every
// change is written to the file first and then the whole file is read back,
// so the published plan is always what the file holds; planChanged() follows
// every successful change. The store checks no values: the edit commands do.
// Writes run in SQLite's rollback-journal mode, so a process killed
// mid-write leaves the file as of the last commit.
class MoneyStore final : public QObject
{
    Q_OBJECT

public:
    // TL_MONEY_PATH when set and not empty (taken as it stands), else
    // "money-plan.sqlite" in the application's folder.
    static QString defaultURL();

    // Opens or creates the file and its tables, then reads the plan. Throws
    // DBError when the file cannot be opened, prepared or read ("SQLite open
    // failed: …", "file is not a database", …), and "the file is not a Money
    // Plan file", leaving it untouched, when it holds other tables.
    explicit MoneyStore(const QString &url = defaultURL(), QObject *parent = nullptr);

    // Re-reads the whole file. Never throws: when the read fails the plan
    // stays as it was, since the rows are still in the file.
    void reload();

    // Each write throws DBError and then leaves the plan as it was.
    // Adds a line after every existing one; returns its new id.
    QString add(MoneyKind kind, const QString &category, const QString &label, qint64 cents,
                MoneyFrequency frequency);
    // Removing an unknown id succeeds and changes nothing.
    void remove(const QString &id);
    void setName(const QString &name);
    void setCash(qint64 cents);
    // The goal's name, amount and saved amount in one transaction: all or none.
    void setGoal(const QString &name, qint64 cents, qint64 saved);

    const MoneyPlan &plan() const { return m_plan; }
    QString url() const { return m_url; }
    // Entry rows left out at the last read because their kind, frequency
    // or amount could not be read; they stay in the file.
    int skippedRows() const { return m_skippedRows; }

Q_SIGNALS:
    void planChanged();

private:
    // Reads the file into the plan; throws DBError when a query fails.
    void read();
    void writeSetting(const QString &key, const QString &value);

    QString m_url;
    SQLiteDB m_db;
    MoneyPlan m_plan;
    int m_skippedRows = 0;
};
