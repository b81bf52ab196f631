#include "data/SQLiteDB.h"
#include "money/MoneyActions.h"
#include "money/MoneyStore.h"

#include <QtTest>

#include <cstdio>

using F = MoneyFrequency;
using K = MoneyKind;

namespace {

const char *const kChildVariable = "TST_MONEY_CHILD_PATH";
const QByteArray kSpilled = "spilled";

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
        store.setName(u"Kim"_qs);
        store.setCash(18640);
        store.add(K::income, u"job"_qs, u"Shifts"_qs, 10000, F::week);
        store.add(K::expense, u"food"_qs, u"Groceries"_qs, 1400, F::day);
        store.setGoal(u"Room"_qs, 60000, 8500);
        SQLiteDB db(path);
        // A tiny page cache makes SQLite write the changed pages into the
        // file long before the commit, while it writes the filler.
        db.exec(u"PRAGMA cache_size = 8"_qs);
        db.exec(u"BEGIN"_qs);
        db.run(u"UPDATE money_entries SET cents = 1"_qs);
        db.run(u"DELETE FROM money_entries WHERE kind = 'income'"_qs);
        db.run(u"UPDATE money_settings SET value = 'lost'"_qs);
        db.exec(u"CREATE TABLE filler(x TEXT)"_qs);
        const QString big(200 * 1024, u'x');
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; clock.elapsed() < 60000; ++i) {
            db.run(u"INSERT INTO filler VALUES (?)"_qs, {i < 20 ? big : QString::number(i)});
            if (i == 20) {
                std::fputs("spilled\n", stdout);
                std::fflush(stdout);
            }
        }
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
    QString path() const { return m_dir->filePath(u"money-plan.sqlite"_qs); }
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

        store.setName(u"  Kim  T.\n"_qs);
        store.setCash(-300);
        const QString first = store.add(K::expense, u"food"_qs, u" Groceries \t"_qs, 1250, F::day);
        const QString second = store.add(K::income, u"gig"_qs, QString(), 9000, F::week);
        const QString third = store.add(K::expense, u"not-a-category"_qs, u"Odd"_qs, 0, F::month);
        store.setGoal(u" Room deposit "_qs, 50000, 12500);
        QCOMPARE(changed.count(), 6);

        QCOMPARE(first.size(), 36);
        QCOMPARE(first, first.toUpper());
        const MoneyPlan &plan = store.plan();
        QCOMPARE(labels(plan), (QStringList{u"Groceries"_qs, QString(), u"Odd"_qs}));
        QCOMPARE(plan.entries.at(1).id, second);
        // Lines added in one instant still sort apart and in order.
        QVERIFY(plan.entries.at(1).added >= plan.entries.at(0).added + 0.001 - 1e-6);
        QVERIFY(plan.entries.at(2).added >= plan.entries.at(1).added + 0.001 - 1e-6);
        QVERIFY(plan.entries.at(0).added > 1.7e9);
        QCOMPARE(plan.name, u"Kim  T."_qs);
        QCOMPARE(plan.cashOnHandCents, -300);
        QCOMPARE(plan.goalName, u"Room deposit"_qs);
        QCOMPARE(plan.goalCents, 50000);
        QCOMPARE(plan.savedCents, 12500);

        MoneyStore again(path());
        QCOMPARE(again.plan().entries, plan.entries);
        QCOMPARE(again.plan().name, plan.name);
        QCOMPARE(again.skippedRows(), 0);

        store.remove(second);
        store.remove(u"no such id"_qs);
        QCOMPARE(labels(store.plan()), (QStringList{u"Groceries"_qs, u"Odd"_qs}));
        QCOMPARE(store.plan().entries.last().id, third);

        // The file holds what the Part's layout says, numbers as numbers.
        SQLiteDB db(path());
        QCOMPARE(db.rows(u"SELECT typeof(cents), typeof(added) FROM money_entries LIMIT 1"_qs),
                 (QList<SQLiteDB::Row>{{u"integer"_qs, u"real"_qs}}));
        QCOMPARE(db.rows(u"SELECT value FROM money_settings WHERE key = 'cash'"_qs),
                 (QList<SQLiteDB::Row>{{u"-300"_qs}}));
    }

    void damagedRowsAreSkippedAndCounted()
    {
        {
            MoneyStore store(path());
            store.add(K::expense, u"food"_qs, u"good"_qs, 100, F::week);
        }
        SQLiteDB db(path());
        const QString insert = u"INSERT INTO money_entries VALUES (?, ?, 'food', ?, ?, ?, ?)"_qs;
        const QList<QStringList> rows{
            {u"a"_qs, u"Income"_qs, u"capital kind"_qs, u"100"_qs, u"week"_qs, u"2"_qs},
            {u"b"_qs, u"expense"_qs, u"yearly"_qs, u"100"_qs, u"year"_qs, u"3"_qs},
            {u"c"_qs, u"expense"_qs, u"fraction"_qs, u"12.5"_qs, u"week"_qs, u"4"_qs},
            {u"d"_qs, u"expense"_qs, u"empty"_qs, QString(), u"week"_qs, u"5"_qs},
            {u"e"_qs, u"expense"_qs, u"words"_qs, u"12 dollars"_qs, u"week"_qs, u"6"_qs},
            {u"f"_qs, u"expense"_qs, u"too big"_qs, u"99999999999999999999"_qs, u"week"_qs, u"7"_qs},
            {u"g"_qs, u"expense"_qs, u"odd time"_qs, u"+7"_qs, u"day"_qs, u"soon"_qs},
        };
        for (const QStringList &r : rows)
            db.run(insert, {r.at(0), r.at(1), r.at(2), r.at(3), r.at(4), r.at(5)});
        db.run(u"INSERT INTO money_settings VALUES ('cash', 'abc'), ('goal', '-300'), ('saved', ' 5'), "
               u"('other', 'x')"_qs);

        MoneyStore store(path());
        // A text that is no time reads as 0; SQLite sorts the text after the numbers.
        QCOMPARE(labels(store.plan()), (QStringList{u"good"_qs, u"odd time"_qs}));
        QCOMPARE(store.plan().entries.last().added, 0.0);
        QCOMPARE(store.plan().entries.last().cents, 7);
        QCOMPARE(store.skippedRows(), 6);
        QCOMPARE(store.plan().cashOnHandCents, 0);
        QCOMPARE(store.plan().goalCents, -300);
        QCOMPARE(store.plan().savedCents, 0);
        // The damaged rows stay in the file.
        QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM money_entries"_qs), 8);
    }

    void locationAndOpenFailures()
    {
        const QString folder = m_dir->path();
        qputenv("TL_MONEY_PATH", "");
        QVERIFY(MoneyStore::defaultURL().endsWith(u"/MRBY Tenterly/money-plan.sqlite"_qs));
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
        QVERIFY(openError(folder + u"/missing/folder/money.sqlite"_qs).startsWith(u"SQLite open failed: "_qs));
        const QString junk = folder + u"/junk.sqlite"_qs;
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, 'x')) == 4096);
        f.close();
        QCOMPARE(openError(junk), u"file is not a database"_qs);
        // A file whose table has another layout cannot pass for an empty plan.
        const QString other = folder + u"/other.sqlite"_qs;
        SQLiteDB(other).exec(u"CREATE TABLE money_entries(id TEXT PRIMARY KEY, amount REAL)"_qs);
        QCOMPARE(openError(other), u"no such column: kind"_qs);
    }

    void failedWriteKeepsPlan()
    {
        MoneyStore store(path());
        QVERIFY(MoneyActions::add(K::expense, u"food"_qs, u"a"_qs, 100, F::week, store));
        SQLiteDB(path()).exec(
            u"CREATE TRIGGER keep BEFORE DELETE ON money_entries BEGIN SELECT RAISE(ABORT, 'kept'); END"_qs);
        QSignalSpy changed(&store, &MoneyStore::planChanged);
        QVERIFY_THROWS_EXCEPTION(DBError, store.remove(store.plan().entries.first().id));
        QVERIFY(!MoneyActions::remove(store.plan().entries.first().id, store));
        QCOMPARE(labels(store.plan()), QStringList{u"a"_qs});
        QCOMPARE(changed.count(), 0);
    }

    void failedReadBackKeepsPlan()
    {
        MoneyStore store(path());
        store.add(K::expense, u"food"_qs, u"a"_qs, 100, F::week);
        // Another connection puts a view in the table's place: inserts still
        // land in the rows, but reading them back fails.
        SQLiteDB other(path());
        other.exec(u"ALTER TABLE money_entries RENAME TO entry_rows;"
                   u"CREATE VIEW money_entries AS SELECT id, kind, category, label, cents, frequency, "
                   u"json('not json') AS added FROM entry_rows;"
                   u"CREATE TRIGGER insert_rows INSTEAD OF INSERT ON money_entries BEGIN "
                   u"INSERT INTO entry_rows VALUES (NEW.id, NEW.kind, NEW.category, NEW.label, NEW.cents, "
                   u"NEW.frequency, NEW.added); END"_qs);
        QSignalSpy changed(&store, &MoneyStore::planChanged);
        store.add(K::expense, u"food"_qs, u"b"_qs, 100, F::week); // the write itself succeeds
        QCOMPARE(other.scalar(u"SELECT COUNT(*) FROM entry_rows"_qs), 2);
        QCOMPARE(labels(store.plan()), QStringList{u"a"_qs});
        QCOMPARE(changed.count(), 0);
    }

    void goalIsAllOrNothing()
    {
        MoneyStore store(path());
        QVERIFY(MoneyActions::setGoal(u"Room"_qs, 60000, 8500, store));
        // The third of the three writes fails: the first two must not stay.
        SQLiteDB(path()).exec(
            u"CREATE TRIGGER no_saved_insert BEFORE INSERT ON money_settings WHEN NEW.key = 'saved' "
            u"BEGIN SELECT RAISE(ABORT, 'disk full'); END;"
            u"CREATE TRIGGER no_saved_update BEFORE UPDATE ON money_settings WHEN NEW.key = 'saved' "
            u"BEGIN SELECT RAISE(ABORT, 'disk full'); END;"_qs);
        QSignalSpy changed(&store, &MoneyStore::planChanged);
        try {
            store.setGoal(u"Van repair"_qs, 90000, 100);
            QFAIL("the goal was written although its last value failed");
        } catch (const DBError &e) {
            QCOMPARE(e.description, u"disk full"_qs);
        }
        QVERIFY(!MoneyActions::setGoal(u"Van repair"_qs, 90000, 100, store));
        QCOMPARE(changed.count(), 0);
        for (const MoneyPlan &plan : {store.plan(), MoneyStore(path()).plan()}) {
            QCOMPARE(plan.goalName, u"Room"_qs);
            QCOMPARE(plan.goalCents, 60000);
            QCOMPARE(plan.savedCents, 8500);
        }
        // The store is not left inside a transaction: the next change is written.
        QVERIFY(MoneyActions::setName(u"Kim"_qs, store));
        QCOMPARE(MoneyStore(path()).plan().name, u"Kim"_qs);
    }

    void actionsRefuseBadValues()
    {
        MoneyStore store(path());
        QVERIFY(MoneyActions::setCash(500, store));
        QVERIFY(MoneyActions::setGoal(u"Room"_qs, 100, 50, store));
        QVERIFY(MoneyActions::setName(u"Kim"_qs, store));
        QSignalSpy changed(&store, &MoneyStore::planChanged);

        QVERIFY(!MoneyActions::add(K::expense, u"fuel"_qs, QString(), 0, F::week, store));
        QVERIFY(!MoneyActions::add(K::expense, u"fuel"_qs, QString(), -100, F::week, store));
        QVERIFY(!MoneyActions::setCash(-1, store));
        QVERIFY(!MoneyActions::setGoal(u"Van"_qs, 100, -5, store));
        QVERIFY(!MoneyActions::setGoal(u"Van"_qs, -1, 0, store));
        QCOMPARE(changed.count(), 0);
        const MoneyPlan before = MoneyStore(path()).plan();
        QVERIFY(before.entries.isEmpty());
        QCOMPARE(before.cashOnHandCents, 500);
        QCOMPARE(before.goalName, u"Room"_qs);
        QCOMPARE(before.savedCents, 50);

        QVERIFY(MoneyActions::add(K::expense, u"fuel"_qs, QString(), 1, F::week, store));
        QVERIFY(MoneyActions::setCash(0, store));
        QVERIFY(MoneyActions::setGoal(QString(), 0, 0, store));
        QVERIFY(MoneyActions::setName(QString(), store));
        QVERIFY(MoneyActions::remove(u"no such id"_qs, store));
        QCOMPARE(changed.count(), 5);
        QCOMPARE(store.plan().entries.size(), 1);
        QCOMPARE(store.plan().cashOnHandCents, 0);
        QCOMPARE(store.plan().name, QString());
        QCOMPARE(SQLiteDB(path()).rows(u"SELECT value FROM money_settings WHERE key = 'cash'"_qs),
                 (QList<SQLiteDB::Row>{{u"0"_qs}}));
    }

    void killedMidTransactionKeepsLastCommit()
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable), path());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());

        QByteArray out;
        QElapsedTimer clock;
        clock.start();
        while (!out.contains(kSpilled) && child.state() == QProcess::Running && clock.elapsed() < 60000) {
            child.waitForReadyRead(1000);
            out += child.readAllStandardOutput();
        }
        QVERIFY2(out.contains(kSpilled), child.readAllStandardError().constData());
        // Uncommitted pages are in the file itself now, with a hot journal beside it.
        QVERIFY(QFileInfo(path()).size() > 2 * 1024 * 1024);
        QVERIFY(QFileInfo::exists(path() + u"-journal"_qs));

        child.kill(); // SIGKILL: no chance to roll back or close
        QVERIFY(child.waitForFinished(-1));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        MoneyStore store(path());
        QVERIFY(!QFileInfo::exists(path() + u"-journal"_qs)); // rolled back
        const MoneyPlan &plan = store.plan();
        QCOMPARE(labels(plan), (QStringList{u"Shifts"_qs, u"Groceries"_qs}));
        QCOMPARE(plan.entries.at(0).cents, 10000);
        QCOMPARE(plan.entries.at(1).cents, 1400);
        QCOMPARE(plan.name, u"Kim"_qs);
        QCOMPARE(plan.cashOnHandCents, 18640);
        QCOMPARE(plan.goalName, u"Room"_qs);
        QCOMPARE(plan.goalCents, 60000);
        QCOMPARE(plan.savedCents, 8500);
        SQLiteDB db(path());
        QCOMPARE(db.scalar(u"SELECT COUNT(*) FROM sqlite_master WHERE name = 'filler'"_qs), 0);
        QCOMPARE(db.rows(u"PRAGMA integrity_check"_qs), (QList<SQLiteDB::Row>{QStringList{u"ok"_qs}}));
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChildVariable))
        return childWritesWithoutCommit(qEnvironmentVariable(kChildVariable));
    QCoreApplication app(argc, argv);
    tst_MoneyStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MoneyStore.moc"
