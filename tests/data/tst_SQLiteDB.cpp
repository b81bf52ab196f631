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
                 (QList<QStringList>{{QString(), QStringLiteral("42"), QStringLiteral("2.5"),
                                      QStringLiteral("é"), QString()}}));
        QCOMPARE(db->rows(QStringLiteral("SELECT k FROM t WHERE v = ? ORDER BY k"),
                          {QStringLiteral("2")}),
                 QList<QStringList>{QStringList{QStringLiteral("b")}});
        QVERIFY(db->rows(QStringLiteral("SELECT k FROM t WHERE 0")).isEmpty());
        // Text goes in as text: a numeric-looking value keeps its leading zero.
        db->run(QStringLiteral("INSERT INTO t VALUES (?, ?)"),
                {QStringLiteral("z"), QStringLiteral("007")});
        QCOMPARE(db->rows(QStringLiteral("SELECT v, typeof(v) FROM t WHERE k='z'")),
                 (QList<QStringList>{{QStringLiteral("007"), QStringLiteral("text")}}));
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
        db->run(QStringLiteral("INSERT INTO t VALUES (?, ?)"),
                {QStringLiteral("d"), QStringLiteral("4"), QStringLiteral("extra")});
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM t")), 4);
        // A query succeeds after its first row.
        db->run(QStringLiteral("SELECT * FROM t"));
        // A broken constraint throws SQLite's message and leaves the connection usable.
        const QString text = failure([&] {
            db->run(QStringLiteral("INSERT INTO t VALUES (?, ?)"),
                    {QStringLiteral("a"), QStringLiteral("x")});
        });
        QVERIFY2(text.contains(QStringLiteral("UNIQUE constraint failed")), qPrintable(text));
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM t")), 4);
    }

    void statementFailures_data()
    {
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("fragment");
        const QString bad = QStringLiteral("SELEC nonsense FROM"),
                      syntax = QStringLiteral("syntax error");
        QTest::newRow("exec") << 0 << bad << syntax;
        QTest::newRow("run") << 1 << bad << syntax;
        QTest::newRow("rows") << 2 << bad << syntax;
        QTest::newRow("scalar") << 3 << bad << syntax;
        // No statement at all still fails rather than reporting success.
        QTest::newRow("run empty") << 1 << QString() << QString();
        QTest::newRow("rows comment only") << 2 << QStringLiteral("-- only a comment") << QString();
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
        QTest::newRow("count") << QStringLiteral("SELECT COUNT(*) FROM t") << qint64(3);
        QTest::newRow("no row") << QStringLiteral("SELECT 5 FROM t WHERE 0") << qint64(0);
        QTest::newRow("null") << QStringLiteral("SELECT NULL") << qint64(0);
        QTest::newRow("letters after digits") << QStringLiteral("SELECT '12abc'") << qint64(0);
        QTest::newRow("decimal") << QStringLiteral("SELECT 2.5") << qint64(0);
        QTest::newRow("plus seven") << QStringLiteral("SELECT '+7'") << qint64(7);
        QTest::newRow("minus three") << QStringLiteral("SELECT -3") << qint64(-3);
        QTest::newRow("lone sign") << QStringLiteral("SELECT '-'") << qint64(0);
        QTest::newRow("space") << QStringLiteral("SELECT ' 7'") << qint64(0);
        QTest::newRow("max") << QStringLiteral("SELECT '9223372036854775807'")
                             << qint64(9223372036854775807LL);
        QTest::newRow("min") << QStringLiteral("SELECT '-9223372036854775808'")
                             << std::numeric_limits<qint64>::min();
        QTest::newRow("overflow") << QStringLiteral("SELECT '9223372036854775808'") << qint64(0);
        QTest::newRow("arabic digits") << QStringLiteral("SELECT '٣'") << qint64(0);
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
        db->run(QStringLiteral("INSERT INTO f VALUES (?, ?)"),
                {QStringLiteral("Café"), QStringLiteral("food bank")});
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM f WHERE f MATCH '\"cafe\"*'")), 1);
    }
};

QTEST_GUILESS_MAIN(tst_SQLiteDB)
#include "tst_SQLiteDB.moc"
