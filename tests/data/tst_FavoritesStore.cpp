#include "ForeignFile.h"
#include "KillTest.h"

#include "data/FavoritesStore.h"
#include "data/SQLiteDB.h"

#include <QtTest>

#include <cstdio>

namespace {

QStringList uids(const QList<Favorite> &items)
{
    QStringList out;
    for (const Favorite &f : items)
        out << f.uid;
    return out;
}

// The child: three committed entries, then one open transaction that changes
// them and writes on until SQLite has put changed pages into the file. It
// never commits; the parent kills it while it writes.
int childWritesWithoutCommit(const QString &path)
{
    try {
        FavoritesStore store(path);
        for (const char *uid : {"kept-1", "kept-2", "kept-3"}) {
            store.add(QString::fromLatin1(uid), QStringLiteral("Name of ") + QString::fromLatin1(uid));
            store.setNote(QString::fromLatin1(uid), QStringLiteral("note ") + QString::fromLatin1(uid));
        }
        killtest::writeWithoutCommit(path, {QStringLiteral("UPDATE favorites SET note = 'changed'"),
                                            QStringLiteral("DELETE FROM favorites WHERE uid = 'kept-2'"),
                                            QStringLiteral("INSERT INTO favorites VALUES ('lost', 'Lost', '', '1')")});
    } catch (const DBError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    return 3; // never killed
}

} // namespace

class tst_FavoritesStore : public QObject
{
    Q_OBJECT

private:
    QString path() const { return m_dir->filePath(QStringLiteral("my-list.sqlite")); }
    std::unique_ptr<QTemporaryDir> m_dir;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void addNoteRemoveReopen()
    {
        FavoritesStore store(path());
        QVERIFY(store.items().isEmpty());

        QSignalSpy changed(&store, &FavoritesStore::itemsChanged);
        store.add(QStringLiteral("s:CO:1"), QStringLiteral("Colorado 211"));
        store.add(QStringLiteral("n:2"), QStringLiteral("988 Lifeline"));
        store.add(QStringLiteral("n:3"), QStringLiteral("Crisis Text Line"));
        QCOMPARE(changed.count(), 3);
        store.add(QStringLiteral("s:CO:1"), QStringLiteral("Another name"));
        QCOMPARE(uids(store.items()), (QStringList{"s:CO:1", "n:2", "n:3"}));
        QCOMPARE(store.items().first().name, QStringLiteral("Colorado 211"));
        QVERIFY(store.items().first().added > 1.7e9);
        QVERIFY(store.items().first().added <= store.items().last().added);

        QVERIFY(store.contains(QStringLiteral("n:2")));
        QVERIFY(!store.contains(QStringLiteral("N:2")));

        const QString note = QStringLiteral("Ask for Dana — open late \"Tue\" ; 'quotes' \u2603");
        store.setNote(QStringLiteral("n:2"), note);
        store.setNote(QStringLiteral("unknown"), QStringLiteral("goes nowhere"));
        QCOMPARE(store.note(QStringLiteral("n:2")), note);
        QCOMPARE(store.note(QStringLiteral("unknown")), QString());

        QCOMPARE(FavoritesStore(path()).items(), store.items());

        // A stored time that does not parse reads as 0 (SQLite sorts the text last).
        SQLiteDB(path()).run(QStringLiteral("INSERT INTO favorites VALUES ('odd', 'Odd', '', 'soon')"));
        store.reload();
        QCOMPARE(store.items().last().uid, QStringLiteral("odd"));
        QCOMPARE(store.items().last().added, 0.0);

        for (const QString &uid : uids(store.items()))
            store.remove(uid);
        store.remove(QStringLiteral("never saved"));
        QVERIFY(store.items().isEmpty());
        QVERIFY(FavoritesStore(path()).items().isEmpty());
    }

    void locationAndOpenFailure()
    {
        // The test runner gives a private XDG_DATA_HOME.
        const QString folder = FavoritesStore::appSupportFolder();
        QVERIFY(folder.endsWith(QStringLiteral("/MRBY Tenterly")) && QFileInfo(folder).isDir());
        qputenv("TL_MYLIST_PATH", "");
        QCOMPARE(FavoritesStore::defaultURL(), folder + QStringLiteral("/my-list.sqlite"));
        qputenv("TL_MYLIST_PATH", path().toUtf8());
        QCOMPARE(FavoritesStore().url(), path());
        qunsetenv("TL_MYLIST_PATH");
        QVERIFY(QFileInfo::exists(path()));

        try {
            FavoritesStore store(m_dir->filePath(QStringLiteral("missing/folder/my-list.sqlite")));
            QFAIL("opened a file in a folder that does not exist");
        } catch (const DBError &e) {
            QVERIFY2(e.description.startsWith(QStringLiteral("SQLite open failed: ")), e.what());
        }
    }

    void foreignFileIsLeftAsItWas_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("favorites of another layout")
            << QStringLiteral("CREATE TABLE favorites(id INTEGER PRIMARY KEY, url TEXT);"
                              "INSERT INTO favorites VALUES (1, 'https://example.org');");
        QTest::newRow("a Money Plan file")
            << QStringLiteral("CREATE TABLE money_entries(id TEXT PRIMARY KEY, kind TEXT, category TEXT, label TEXT, "
                              "cents INTEGER, frequency TEXT, added REAL);"
                              "CREATE TABLE money_settings(key TEXT PRIMARY KEY, value TEXT);"
                              "INSERT INTO money_settings VALUES ('cash', '500');");
        QTest::newRow("someone else's tables")
            << QStringLiteral("CREATE TABLE contacts(name TEXT, phone TEXT);"
                              "INSERT INTO contacts VALUES ('Rosa', '303-555-1234');");
    }
    void foreignFileIsLeftAsItWas()
    {
        QFETCH(QString, sql);
        foreignfile::checkRefused<FavoritesStore>(m_dir->filePath(QStringLiteral("foreign")), sql,
                                                  QStringLiteral("the file is not a My List file"));
    }

    void ownFileWithAnExtraColumnOpens()
    {
        const QString ours = m_dir->filePath(QStringLiteral("ours.sqlite"));
        foreignfile::make(ours, QStringLiteral("CREATE TABLE favorites(uid TEXT PRIMARY KEY, name TEXT, note TEXT, "
                                               "added REAL, colour TEXT);"
                                               "INSERT INTO favorites VALUES ('a', 'A', 'n', 1, 'red');"));
        QCOMPARE(uids(FavoritesStore(ours).items()), QStringList{"a"});
    }

    void failedWriteKeepsItems()
    {
        FavoritesStore store(path());
        store.add(QStringLiteral("a"), QStringLiteral("A"));
        SQLiteDB(path()).exec(QStringLiteral(
            "CREATE TRIGGER keep BEFORE DELETE ON favorites BEGIN SELECT RAISE(ABORT, 'kept on purpose'); END"));
        QSignalSpy changed(&store, &FavoritesStore::itemsChanged);
        QVERIFY_THROWS_EXCEPTION(DBError, store.remove(QStringLiteral("a")));
        QCOMPARE(uids(store.items()), QStringList{"a"});
        QCOMPARE(changed.count(), 0);
    }

    void failedReadBackKeepsItems()
    {
        FavoritesStore store(path());
        store.add(QStringLiteral("a"), QStringLiteral("A"));
        // Another connection puts a view in the table's place: inserts still land
        // in the rows, but reading them back fails.
        SQLiteDB other(path());
        other.exec(QStringLiteral(
            "ALTER TABLE favorites RENAME TO favorite_rows;"
            "CREATE VIEW favorites AS SELECT uid, name, note, json('not json') AS added FROM favorite_rows;"
            "CREATE TRIGGER insert_rows INSTEAD OF INSERT ON favorites BEGIN "
            "INSERT INTO favorite_rows VALUES (NEW.uid, NEW.name, NEW.note, NEW.added); END"));

        QSignalSpy changed(&store, &FavoritesStore::itemsChanged);
        QTest::ignoreMessage(QtWarningMsg,
                             "My List could not be read again; the list read before stays: malformed JSON");
        store.add(QStringLiteral("b"), QStringLiteral("B")); // the write itself succeeds
        QCOMPARE(other.scalar(QStringLiteral("SELECT COUNT(*) FROM favorite_rows")), 2);
        QCOMPARE(uids(store.items()), QStringList{"a"});
        QCOMPARE(changed.count(), 0);
    }

    void killedMidTransactionKeepsLastCommit()
    {
        if (!killtest::killWhileWriting(path()))
            return;

        FavoritesStore store(path());
        QCOMPARE(uids(store.items()), (QStringList{"kept-1", "kept-2", "kept-3"}));
        QVERIFY(!QFileInfo::exists(path() + QStringLiteral("-journal"))); // rolled back
        for (const Favorite &f : store.items())
            QCOMPARE(f.note, QStringLiteral("note ") + f.uid);
        killtest::checkRolledBack(path());
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(killtest::childVariable))
        return childWritesWithoutCommit(qEnvironmentVariable(killtest::childVariable));
    QCoreApplication app(argc, argv);
    tst_FavoritesStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_FavoritesStore.moc"
