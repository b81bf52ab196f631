#include "ForeignFile.h"
#include "KillTest.h"

#include "data/SQLiteDB.h"
#include "money/MoneyActions.h"
#include "money/MoneyStore.h"

#include <QtTest>

#include <cstdio>

using F = MoneyFrequency;
using K = MoneyKind;

namespace {

QStringList labels(const MoneyPlan &plan)
{
    QStringList out;
    for (const MoneyEntry &e : plan.entries)
        out << e.label;
    return out;
}

// The child: a committed plan, then one open transaction that changes all of
// it and writes on until SQLite has put changed pages into the file. It
// never commits; the parent kills it while it writes.
int childWritesWithoutCommit(const QString &path)
{
    try {
        MoneyStore store(path);
        store.setName(QStringLiteral("Kim"));
        store.setCash(18640);
        store.add(K::income, QStringLiteral("job"), QStringLiteral("Shifts"), 10000, F::week);
        store.add(K::expense, QStringLiteral("food"), QStringLiteral("Groceries"), 1400, F::day);
        store.setGoal(QStringLiteral("Room"), 60000, 8500);
        killtest::writeWithoutCommit(path, {QStringLiteral("UPDATE money_entries SET cents = 1"),
                                            QStringLiteral("DELETE FROM money_entries WHERE kind = 'income'"),
                                            QStringLiteral("UPDATE money_settings SET value = 'lost'")});
    } catch (const DBError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    return 3; // never killed
}

} // namespace

class tst_MoneyStore : public QObject
{
    Q_OBJECT

private:
    QString path() const { return m_dir->filePath(QStringLiteral("money-plan.sqlite")); }
    std::unique_ptr<QTemporaryDir> m_dir;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void writeAndReopen()
    {
        MoneyStore store(path());
        QVERIFY(store.plan().entries.isEmpty());
        QCOMPARE(store.plan().name, QString());
        QSignalSpy changed(&store, &MoneyStore::planChanged);

        store.setName(QStringLiteral("  Kim  T.\n"));
        store.setCash(-300);
        const QString first = store.add(K::expense, QStringLiteral("food"), QStringLiteral(" Groceries \t"), 1250, F::day);
        const QString second = store.add(K::income, QStringLiteral("gig"), QString(), 9000, F::week);
        const QString third = store.add(K::expense, QStringLiteral("not-a-category"), QStringLiteral("Odd"), 0, F::month);
        store.setGoal(QStringLiteral(" Room deposit "), 50000, 12500);
        QCOMPARE(changed.count(), 6);

        QCOMPARE(first.size(), 36);
        QCOMPARE(first, first.toUpper());
        const MoneyPlan &plan = store.plan();
        QCOMPARE(labels(plan), (QStringList{QStringLiteral("Groceries"), QString(), QStringLiteral("Odd")}));
        QCOMPARE(plan.entries.at(1).id, second);
        // Lines added in one instant still sort apart and in order.
        QVERIFY(plan.entries.at(1).added >= plan.entries.at(0).added + 0.001 - 1e-6);
        QVERIFY(plan.entries.at(2).added >= plan.entries.at(1).added + 0.001 - 1e-6);
        QVERIFY(plan.entries.at(0).added > 1.7e9);
        QCOMPARE(plan.name, QStringLiteral("Kim  T."));
        QCOMPARE(plan.cashOnHandCents, -300);
        QCOMPARE(plan.goalName, QStringLiteral("Room deposit"));
        QCOMPARE(plan.goalCents, 50000);
        QCOMPARE(plan.savedCents, 12500);

        MoneyStore again(path());
        QCOMPARE(again.plan().entries, plan.entries);
        QCOMPARE(again.plan().name, plan.name);
        QCOMPARE(again.skippedRows(), 0);

        store.remove(second);
        store.remove(QStringLiteral("no such id"));
        QCOMPARE(labels(store.plan()), (QStringList{QStringLiteral("Groceries"), QStringLiteral("Odd")}));
        QCOMPARE(store.plan().entries.last().id, third);

        // The file holds what the Part's layout says, numbers as numbers.
        SQLiteDB db(path());
        QCOMPARE(db.rows(QStringLiteral("SELECT typeof(cents), typeof(added) FROM money_entries LIMIT 1")),
                 (QList<SQLiteDB::Row>{{QStringLiteral("integer"), QStringLiteral("real")}}));
        QCOMPARE(db.rows(QStringLiteral("SELECT value FROM money_settings WHERE key = 'cash'")),
                 (QList<SQLiteDB::Row>{{QStringLiteral("-300")}}));
    }

    void damagedRowsAreSkippedAndCounted()
    {
        {
            MoneyStore store(path());
            store.add(K::expense, QStringLiteral("food"), QStringLiteral("good"), 100, F::week);
        }
        SQLiteDB db(path());
        const QString insert = QStringLiteral("INSERT INTO money_entries VALUES (?, ?, 'food', ?, ?, ?, ?)");
        const QList<QStringList> rows{
            {QStringLiteral("a"), QStringLiteral("Income"), QStringLiteral("capital kind"), QStringLiteral("100"), QStringLiteral("week"), QStringLiteral("2")},
            {QStringLiteral("b"), QStringLiteral("expense"), QStringLiteral("yearly"), QStringLiteral("100"), QStringLiteral("year"), QStringLiteral("3")},
            {QStringLiteral("c"), QStringLiteral("expense"), QStringLiteral("fraction"), QStringLiteral("12.5"), QStringLiteral("week"), QStringLiteral("4")},
            {QStringLiteral("d"), QStringLiteral("expense"), QStringLiteral("empty"), QString(), QStringLiteral("week"), QStringLiteral("5")},
            {QStringLiteral("e"), QStringLiteral("expense"), QStringLiteral("words"), QStringLiteral("12 dollars"), QStringLiteral("week"), QStringLiteral("6")},
            {QStringLiteral("f"), QStringLiteral("expense"), QStringLiteral("too big"), QStringLiteral("99999999999999999999"), QStringLiteral("week"), QStringLiteral("7")},
            {QStringLiteral("g"), QStringLiteral("expense"), QStringLiteral("odd time"), QStringLiteral("+7"), QStringLiteral("day"), QStringLiteral("soon")},
        };
        for (const QStringList &r : rows)
            db.run(insert, {r.at(0), r.at(1), r.at(2), r.at(3), r.at(4), r.at(5)});
        db.run(QStringLiteral("INSERT INTO money_settings VALUES ('cash', 'abc'), ('goal', '-300'), ('saved', ' 5'), "
               "('other', 'x')"));

        MoneyStore store(path());
        // A text that is no time reads as 0; SQLite sorts the text after the numbers.
        QCOMPARE(labels(store.plan()), (QStringList{QStringLiteral("good"), QStringLiteral("odd time")}));
        QCOMPARE(store.plan().entries.last().added, 0.0);
        QCOMPARE(store.plan().entries.last().cents, 7);
        QCOMPARE(store.skippedRows(), 6);
        QCOMPARE(store.plan().cashOnHandCents, 0);
        QCOMPARE(store.plan().goalCents, -300);
        QCOMPARE(store.plan().savedCents, 0);
        // The damaged rows stay in the file.
        QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM money_entries")), 8);
    }

    void locationAndOpenFailures()
    {
        const QString folder = m_dir->path();
        qputenv("TL_MONEY_PATH", "");
        QVERIFY(MoneyStore::defaultURL().endsWith(QStringLiteral("/MRBY Tenterly/money-plan.sqlite")));
        qputenv("TL_MONEY_PATH", path().toUtf8());
        QCOMPARE(MoneyStore().url(), path());
        qunsetenv("TL_MONEY_PATH");
        QVERIFY(QFileInfo::exists(path()));

        const auto openError = [](const QString &file) {
            try {
                MoneyStore store(file);
            } catch (const DBError &e) {
                return e.description;
            }
            return QString();
        };
        QVERIFY(openError(folder + QStringLiteral("/missing/folder/money.sqlite")).startsWith(QStringLiteral("SQLite open failed: ")));
        const QString junk = folder + QStringLiteral("/junk.sqlite");
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, 'x')) == 4096);
        f.close();
        QCOMPARE(openError(junk), QStringLiteral("file is not a database"));
    }

    void foreignFileIsLeftAsItWas_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("entries of another layout")
            << QStringLiteral("CREATE TABLE money_entries(id TEXT PRIMARY KEY, amount REAL);"
                              "INSERT INTO money_entries VALUES ('a', 12.5);");
        QTest::newRow("settings of another layout, entries ours")
            << QStringLiteral("CREATE TABLE money_entries(id, kind, category, label, cents, frequency, added);"
                              "CREATE TABLE money_settings(name TEXT, value TEXT);");
        QTest::newRow("a My List file")
            << QStringLiteral("CREATE TABLE favorites(uid TEXT PRIMARY KEY, name TEXT, note TEXT, added REAL);"
                              "INSERT INTO favorites VALUES ('s:CO:1', 'Shelter', 'Bring ID', 1);");
        QTest::newRow("someone else's tables")
            << QStringLiteral("CREATE TABLE photos(path TEXT, taken REAL); CREATE INDEX by_date ON photos(taken);"
                              "INSERT INTO photos VALUES ('/a.jpg', 3);");
        QTest::newRow("only a view") << QStringLiteral("CREATE VIEW money_entries AS SELECT 1 AS id;");
    }
    void foreignFileIsLeftAsItWas()
    {
        QFETCH(QString, sql);
        foreignfile::checkRefused<MoneyStore>(m_dir->filePath(QStringLiteral("foreign")), sql,
                                              QStringLiteral("the file is not a Money Plan file"));
    }

    void ownFilesStillOpen()
    {
        // An empty file, and a file with our entries (and a column of its own)
        // but no settings table yet: both are ours and get what they lack.
        const QString empty = m_dir->filePath(QStringLiteral("empty.sqlite"));
        QVERIFY(QFile(empty).open(QIODevice::WriteOnly));
        MoneyStore(empty).setCash(500);
        QCOMPARE(MoneyStore(empty).plan().cashOnHandCents, 500);

        const QString older = m_dir->filePath(QStringLiteral("older.sqlite"));
        foreignfile::make(older, QStringLiteral(
            "CREATE TABLE money_entries(id TEXT PRIMARY KEY, kind TEXT, category TEXT, label TEXT, cents INTEGER, "
            "frequency TEXT, added REAL, colour TEXT);"
            "INSERT INTO money_entries VALUES ('A', 'expense', 'food', 'Bread', 300, 'week', 1, 'red');"));
        MoneyStore store(older);
        QCOMPARE(labels(store.plan()), QStringList{QStringLiteral("Bread")});
        store.setName(QStringLiteral("Kim"));
        QCOMPARE(MoneyStore(older).plan().name, QStringLiteral("Kim"));
    }

    void failedWriteKeepsPlan()
    {
        MoneyStore store(path());
        QVERIFY(MoneyActions::add(K::expense, QStringLiteral("food"), QStringLiteral("a"), 100, F::week, store));
        SQLiteDB(path()).exec(
            QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON money_entries BEGIN SELECT RAISE(ABORT, 'kept'); END"));
        QSignalSpy changed(&store, &MoneyStore::planChanged);
        QVERIFY_THROWS_EXCEPTION(DBError, store.remove(store.plan().entries.first().id));
        QTest::ignoreMessage(QtWarningMsg, "A change to the Money Plan was not saved: kept");
        QVERIFY(!MoneyActions::remove(store.plan().entries.first().id, store));
        QCOMPARE(labels(store.plan()), QStringList{QStringLiteral("a")});
        QCOMPARE(changed.count(), 0);
    }

    void failedReadBackKeepsPlan()
    {
        MoneyStore store(path());
        store.add(K::expense, QStringLiteral("food"), QStringLiteral("a"), 100, F::week);
        // Another connection puts a view in the table's place: inserts still
        // land in the rows, but reading them back fails.
        SQLiteDB other(path());
        other.exec(QStringLiteral("ALTER TABLE money_entries RENAME TO entry_rows;"
                   "CREATE VIEW money_entries AS SELECT id, kind, category, label, cents, frequency, "
                   "json('not json') AS added FROM entry_rows;"
                   "CREATE TRIGGER insert_rows INSTEAD OF INSERT ON money_entries BEGIN "
                   "INSERT INTO entry_rows VALUES (NEW.id, NEW.kind, NEW.category, NEW.label, NEW.cents, "
                   "NEW.frequency, NEW.added); END"));
        QSignalSpy changed(&store, &MoneyStore::planChanged);
        QTest::ignoreMessage(QtWarningMsg,
                             "The Money Plan could not be read again; the plan read before stays: malformed JSON");
        store.add(K::expense, QStringLiteral("food"), QStringLiteral("b"), 100, F::week); // the write itself succeeds
        QCOMPARE(other.scalar(QStringLiteral("SELECT COUNT(*) FROM entry_rows")), 2);
        QCOMPARE(labels(store.plan()), QStringList{QStringLiteral("a")});
        QCOMPARE(changed.count(), 0);
    }

    void goalIsAllOrNothing()
    {
        MoneyStore store(path());
        QVERIFY(MoneyActions::setGoal(QStringLiteral("Room"), 60000, 8500, store));
        // The third of the three writes fails: the first two must not stay.
        SQLiteDB(path()).exec(
            QStringLiteral("CREATE TRIGGER no_saved_insert BEFORE INSERT ON money_settings WHEN NEW.key = 'saved' "
            "BEGIN SELECT RAISE(ABORT, 'disk full'); END;"
            "CREATE TRIGGER no_saved_update BEFORE UPDATE ON money_settings WHEN NEW.key = 'saved' "
            "BEGIN SELECT RAISE(ABORT, 'disk full'); END;"));
        QSignalSpy changed(&store, &MoneyStore::planChanged);
        try {
            store.setGoal(QStringLiteral("Van repair"), 90000, 100);
            QFAIL("the goal was written although its last value failed");
        } catch (const DBError &e) {
            QCOMPARE(e.description, QStringLiteral("disk full"));
        }
        QTest::ignoreMessage(QtWarningMsg, "A change to the Money Plan was not saved: disk full");
        QVERIFY(!MoneyActions::setGoal(QStringLiteral("Van repair"), 90000, 100, store));
        QCOMPARE(changed.count(), 0);
        for (const MoneyPlan &plan : {store.plan(), MoneyStore(path()).plan()}) {
            QCOMPARE(plan.goalName, QStringLiteral("Room"));
            QCOMPARE(plan.goalCents, 60000);
            QCOMPARE(plan.savedCents, 8500);
        }
        // The store is not left inside a transaction: the next change is written.
        QVERIFY(MoneyActions::setName(QStringLiteral("Kim"), store));
        QCOMPARE(MoneyStore(path()).plan().name, QStringLiteral("Kim"));
    }

    void actionsRefuseBadValues()
    {
        MoneyStore store(path());
        QVERIFY(MoneyActions::setCash(500, store));
        QVERIFY(MoneyActions::setGoal(QStringLiteral("Room"), 100, 50, store));
        QVERIFY(MoneyActions::setName(QStringLiteral("Kim"), store));
        QSignalSpy changed(&store, &MoneyStore::planChanged);

        QVERIFY(!MoneyActions::add(K::expense, QStringLiteral("fuel"), QString(), 0, F::week, store));
        QVERIFY(!MoneyActions::add(K::expense, QStringLiteral("fuel"), QString(), -100, F::week, store));
        QVERIFY(!MoneyActions::setCash(-1, store));
        QVERIFY(!MoneyActions::setGoal(QStringLiteral("Van"), 100, -5, store));
        QVERIFY(!MoneyActions::setGoal(QStringLiteral("Van"), -1, 0, store));
        QCOMPARE(changed.count(), 0);
        const MoneyPlan before = MoneyStore(path()).plan();
        QVERIFY(before.entries.isEmpty());
        QCOMPARE(before.cashOnHandCents, 500);
        QCOMPARE(before.goalName, QStringLiteral("Room"));
        QCOMPARE(before.savedCents, 50);

        QVERIFY(MoneyActions::add(K::expense, QStringLiteral("fuel"), QString(), 1, F::week, store));
        QVERIFY(MoneyActions::setCash(0, store));
        QVERIFY(MoneyActions::setGoal(QString(), 0, 0, store));
        QVERIFY(MoneyActions::setName(QString(), store));
        QVERIFY(MoneyActions::remove(QStringLiteral("no such id"), store));
        QCOMPARE(changed.count(), 5);
        QCOMPARE(store.plan().entries.size(), 1);
        QCOMPARE(store.plan().cashOnHandCents, 0);
        QCOMPARE(store.plan().name, QString());
        QCOMPARE(SQLiteDB(path()).rows(QStringLiteral("SELECT value FROM money_settings WHERE key = 'cash'")),
                 (QList<SQLiteDB::Row>{{QStringLiteral("0")}}));
    }

    void killedMidTransactionKeepsLastCommit()
    {
        if (!killtest::killWhileWriting(path()))
            return;

        MoneyStore store(path());
        QVERIFY(!QFileInfo::exists(path() + QStringLiteral("-journal"))); // rolled back
        const MoneyPlan &plan = store.plan();
        QCOMPARE(labels(plan), (QStringList{QStringLiteral("Shifts"), QStringLiteral("Groceries")}));
        QCOMPARE(plan.entries.at(0).cents, 10000);
        QCOMPARE(plan.entries.at(1).cents, 1400);
        QCOMPARE(plan.name, QStringLiteral("Kim"));
        QCOMPARE(plan.cashOnHandCents, 18640);
        QCOMPARE(plan.goalName, QStringLiteral("Room"));
        QCOMPARE(plan.goalCents, 60000);
        QCOMPARE(plan.savedCents, 8500);
        killtest::checkRolledBack(path());
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(killtest::childVariable))
        return childWritesWithoutCommit(qEnvironmentVariable(killtest::childVariable));
    QCoreApplication app(argc, argv);
    tst_MoneyStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MoneyStore.moc"
