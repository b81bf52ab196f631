#include "data/SQLiteDB.h"

#include <QtTest>

using Params = SQLiteDB::Params;

class tst_SQLiteDB : public QObject
{
    Q_OBJECT

private:
    static SQLiteDB *makeDB()
    {
        auto *db = new SQLiteDB(QStringLiteral(":memory:"));
        db->exec(QStringLiteral("CREATE TABLE t(k TEXT PRIMARY KEY, v TEXT);"
                                "INSERT INTO t VALUES ('a','1'),('b','2'),('c','3');"));
        return db;
    }

    // Runs the operation and returns the failure text, or a null text when it did not throw.
    template<typename F>
    static QString failure(F &&operation)
    {
        try {
            operation();
        } catch (const DBError &e) {
            return e.description;
        }
        return QString();
    }

private Q_SLOTS:
    void openFailures()
    {
        const QString missing = QDir::tempPath() + QStringLiteral("/no/such/folder/x.sqlite");
        const QString text = failure([&] { SQLiteDB db(missing); });
        QVERIFY2(text.startsWith(QStringLiteral("SQLite open failed: ")) && text.size() > 20,
                 qPrintable(text));
    }

    void rowsAsText()
    {
        QScopedPointer<SQLiteDB> db(makeDB());
        QCOMPARE(db->rows(QStringLiteral("SELECT NULL, 42, 2.5, 'é', ?"), {std::nullopt}),
                 (QList<QStringList>{{QString(), u"42"_qs, u"2.5"_qs, u"é"_qs, QString()}}));
        QCOMPARE(db->rows(QStringLiteral("SELECT k FROM t WHERE v = ? ORDER BY k"), {u"2"_qs}),
                 QList<QStringList>{QStringList{u"b"_qs}});
        QVERIFY(db->rows(QStringLiteral("SELECT k FROM t WHERE 0")).isEmpty());
        // Text goes in as text: a numeric-looking value keeps its leading zero.
        db->run(QStringLiteral("INSERT INTO t VALUES (?, ?)"), {u"z"_qs, u"007"_qs});
        QCOMPARE(db->rows(QStringLiteral("SELECT v, typeof(v) FROM t WHERE k='z'")),
                 (QList<QStringList>{{u"007"_qs, u"text"_qs}}));
    }

    void textWithNulRoundTrips()
    {
        QScopedPointer<SQLiteDB> db(makeDB());
        const QString note = QStringLiteral("before") + QChar(0) + QStringLiteral("after");
        db->run(QStringLiteral("INSERT INTO t VALUES ('n', ?)"), {note});
        QCOMPARE(db->rows(QStringLiteral("SELECT v FROM t WHERE k = 'n'")),
                 QList<QStringList>{QStringList{note}});
    }

    void runRules()
    {
        QScopedPointer<SQLiteDB> db(makeDB());
        // Surplus parameters are ignored.
        db->run(QStringLiteral("INSERT INTO t VALUES (?, ?)"), {u"d"_qs, u"4"_qs, u"extra"_qs});
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM t")), 4);
        // A query succeeds after its first row.
        db->run(QStringLiteral("SELECT * FROM t"));
        // A broken constraint throws SQLite's message and leaves the connection usable.
        const QString text = failure([&] {
            db->run(QStringLiteral("INSERT INTO t VALUES (?, ?)"), {u"a"_qs, u"x"_qs});
        });
        QVERIFY2(text.contains(QStringLiteral("UNIQUE constraint failed")), qPrintable(text));
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM t")), 4);
    }

    void statementFailures_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("fragment");
        const QString bad = u"SELEC nonsense FROM"_qs, syntax = u"syntax error"_qs;
        QTest::newRow("exec") << 0 << bad << syntax;
        QTest::newRow("run") << 1 << bad << syntax;
        QTest::newRow("rows") << 2 << bad << syntax;
        QTest::newRow("scalar") << 3 << bad << syntax;
        // No statement at all still fails rather than reporting success.
        QTest::newRow("run empty") << 1 << QString() << QString();
        QTest::newRow("rows comment only") << 2 << u"-- only a comment"_qs << QString();
    }

    void statementFailures()
    {
        QFETCH(int, operation);
        QFETCH(QString, sql);
        QFETCH(QString, fragment);
        QScopedPointer<SQLiteDB> db(makeDB());
        const QString text = failure([&] {
            switch (operation) {
            case 0: db->exec(sql); break;
            case 1: db->run(sql); break;
            case 2: db->rows(sql); break;
            default: db->scalar(sql); break;
            }
        });
        QVERIFY(!text.isNull());
        if (!fragment.isEmpty()) {
            QVERIFY2(text.contains(fragment), qPrintable(text));
            QCOMPARE(text, db->lastError());
        }
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM t")), 3);
    }

    void stepFailureDropsRows()
    {
        QScopedPointer<SQLiteDB> db(makeDB());
        // The third row makes abs() overflow at step time, after two rows were read.
        db->exec(QStringLiteral("CREATE TABLE n(i INTEGER); INSERT INTO n VALUES (1),(2),"
                                "(-9223372036854775808)"));
        const QString text = failure([&] { db->rows(QStringLiteral("SELECT abs(i) FROM n ORDER BY rowid")); });
        QVERIFY2(text.contains(QStringLiteral("overflow")), qPrintable(text));
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM n")), 3);
    }

    void scalarRules_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("count") << u"SELECT COUNT(*) FROM t"_qs << qint64(3);
        QTest::newRow("no row") << u"SELECT 5 FROM t WHERE 0"_qs << qint64(0);
        QTest::newRow("null") << u"SELECT NULL"_qs << qint64(0);
        QTest::newRow("letters after digits") << u"SELECT '12abc'"_qs << qint64(0);
        QTest::newRow("decimal") << u"SELECT 2.5"_qs << qint64(0);
        QTest::newRow("plus seven") << u"SELECT '+7'"_qs << qint64(7);
        QTest::newRow("minus three") << u"SELECT -3"_qs << qint64(-3);
        QTest::newRow("lone sign") << u"SELECT '-'"_qs << qint64(0);
        QTest::newRow("space") << u"SELECT ' 7'"_qs << qint64(0);
        QTest::newRow("max") << u"SELECT '9223372036854775807'"_qs << qint64(9223372036854775807LL);
        QTest::newRow("min") << u"SELECT '-9223372036854775808'"_qs
                             << std::numeric_limits<qint64>::min();
        QTest::newRow("overflow") << u"SELECT '9223372036854775808'"_qs << qint64(0);
        QTest::newRow("arabic digits") << u"SELECT '٣'"_qs << qint64(0);
    }

    void scalarRules()
    {
        QFETCH(QString, sql);
        QFETCH(qint64, expected);
        QScopedPointer<SQLiteDB> db(makeDB());
        QCOMPARE(db->scalar(sql), expected);
    }

    void fts5Available()
    {
        QScopedPointer<SQLiteDB> db(makeDB());
        db->exec(QStringLiteral("CREATE VIRTUAL TABLE f USING fts5(title, body,\n"
                                "    tokenize = 'unicode61 remove_diacritics 2');"));
        db->run(QStringLiteral("INSERT INTO f VALUES (?, ?)"), {u"Café"_qs, u"food bank"_qs});
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM f WHERE f MATCH '\"cafe\"*'")), 1);
    }
};

QTEST_GUILESS_MAIN(tst_SQLiteDB)
#include "tst_SQLiteDB.moc"
