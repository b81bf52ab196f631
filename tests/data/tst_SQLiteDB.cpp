#include "data/SQLiteDB.h"

#include <QTemporaryDir>
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
        QVERIFY2(text.startsWith(QStringLiteral("SQLite open failed: ")), qPrintable(text));
        QVERIFY(text.size() > QStringLiteral("SQLite open failed: ").size());
    }

    void fileDatabaseKeepsData()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("store.sqlite"));
        {
            SQLiteDB db(path);
            db.exec(QStringLiteral("CREATE TABLE x(v TEXT)"));
            db.run(QStringLiteral("INSERT INTO x VALUES (?)"), {QStringLiteral("kept")});
        }
        SQLiteDB db(path);
        QCOMPARE(db.rows(QStringLiteral("SELECT v FROM x")),
                 QList<QStringList>{QStringList{QStringLiteral("kept")}});
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

    void syntaxErrors_data()
    {
        QTest::addColumn<int>("operation");
        QTest::newRow("exec") << 0;
        QTest::newRow("run") << 1;
        QTest::newRow("rows") << 2;
        QTest::newRow("scalar") << 3;
    }

    void syntaxErrors()
    {
        QFETCH(int, operation);
        QScopedPointer<SQLiteDB> db(makeDB());
        const QString sql = QStringLiteral("SELEC nonsense FROM");
        const QString text = failure([&] {
            switch (operation) {
            case 0: db->exec(sql); break;
            case 1: db->run(sql); break;
            case 2: db->rows(sql); break;
            default: db->scalar(sql); break;
            }
        });
        QVERIFY2(text.contains(QStringLiteral("syntax error")), qPrintable(text));
        QCOMPARE(text, db->lastError());
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM t")), 3);
    }

    void emptyStatementFails()
    {
        QScopedPointer<SQLiteDB> db(makeDB());
        QVERIFY(!failure([&] { db->run(QString()); }).isNull());
        QVERIFY(!failure([&] { db->rows(QStringLiteral("-- only a comment")); }).isNull());
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

    void transactionByCaller()
    {
        QScopedPointer<SQLiteDB> db(makeDB());
        db->exec(QStringLiteral("BEGIN"));
        for (int i = 0; i < 100; ++i)
            db->run(QStringLiteral("INSERT INTO t VALUES (?, ?)"), {QString::number(i), std::nullopt});
        db->exec(QStringLiteral("COMMIT"));
        QCOMPARE(db->scalar(QStringLiteral("SELECT COUNT(*) FROM t WHERE v IS NULL")), 100);
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
