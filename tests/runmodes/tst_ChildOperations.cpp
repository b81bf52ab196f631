#include "data/FavoritesStore.h"
#include "data/SQLiteDB.h"
#include "money/MoneyStore.h"
#include "runmodes/TLSelfTest.h"

#include "RunBinary.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kFavWrite = QStringLiteral("--tl-child-fav-write");
const QString kFavRead = QStringLiteral("--tl-child-fav-read");
const QString kMoneyWrite = QStringLiteral("--tl-child-money-write");
const QString kMoneyRead = QStringLiteral("--tl-child-money-read");
const QString kMoneyLines = QStringLiteral("MONEY|Test Person|12345|Room deposit|50000|12500\n"
                                           "ENTRY|income|gig|Deliveries|9000|week\n"
                                           "ENTRY|expense|food|Groceries|1250|day\n");
const QString kFavLines = QStringLiteral("FAV|test:alpha|Alpha Food Bank|Open at 6 pm, ask for Rosa\n"
                                         "FAV|test:beta|Beta 211|\n");

// A child has no application object, so it needs no display at all.
void withoutDisplay(QProcessEnvironment &env)
{
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
}

} // namespace

class tst_ChildOperations : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void myListWrittenByOneChildIsReadByAnother()
    {
        const QString path = m_dir.filePath(QStringLiteral("restart.sqlite"));
        const runbinary::Result write = runbinary::run({kFavWrite, path}, withoutDisplay);
        QVERIFY(!write.crashed);
        QCOMPARE(write.code, 0);
        QCOMPARE(write.out, QString());
        QCOMPARE(write.err, QByteArray());

        const runbinary::Result read = runbinary::run({kFavRead, path}, withoutDisplay);
        QCOMPARE(read.code, 0);
        QCOMPARE(read.out, kFavLines);
        QCOMPARE(read.err, QByteArray());

        // A second write adds nothing: the identifiers are already saved.
        QCOMPARE(runbinary::run({kFavWrite, path}).code, 0);
        QCOMPARE(runbinary::run({kFavRead, path}).out, kFavLines);
    }

    void moneyPlanWrittenByOneChildIsReadByAnother()
    {
        const QString path = m_dir.filePath(QStringLiteral("money.sqlite"));
        const runbinary::Result write = runbinary::run({kMoneyWrite, path}, withoutDisplay);
        QCOMPARE(write.code, 0);
        QCOMPARE(write.out, QString());
        const runbinary::Result read = runbinary::run({kMoneyRead, path}, withoutDisplay);
        QCOMPARE(read.code, 0);
        QCOMPARE(read.out, kMoneyLines);
        QCOMPARE(read.err, QByteArray());
    }

    void readingAFileThatIsNotThereYet_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("lines");
        QTest::newRow("My List") << kFavRead << QString();
        QTest::newRow("Money Plan: its defaults") << kMoneyRead << QStringLiteral("MONEY||0||0|0\n");
    }

    void readingAFileThatIsNotThereYet()
    {
        QFETCH(QString, option);
        const QString path = m_dir.filePath(QStringLiteral("new-%1.sqlite").arg(QTest::currentDataTag()));
        const runbinary::Result read = runbinary::run({option, path});
        QCOMPARE(read.code, 0);
        QTEST(read.out, "lines");
        QVERIFY(QFileInfo::exists(path));
    }

    void relativePathsFollowTheWorkingFolder()
    {
        QTemporaryDir cwd;
        const runbinary::Result write = runbinary::run({kFavWrite, QStringLiteral("rel.sqlite")}, {}, cwd.path());
        QCOMPARE(write.code, 0);
        QVERIFY(QFileInfo::exists(cwd.filePath(QStringLiteral("rel.sqlite"))));
    }

    void exitCodes_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("code");
        // A path below a regular file can never be opened, even by root.
        QTest::newRow("write, cannot open") << kFavWrite << QStringLiteral("plain.txt/x.sqlite") << 3;
        QTest::newRow("read, cannot open") << kFavRead << QStringLiteral("plain.txt/x.sqlite") << 3;
        QTest::newRow("write refused by the file") << kFavWrite << QStringLiteral("refuses.sqlite") << 4;
        QTest::newRow("money write, cannot open") << kMoneyWrite << QStringLiteral("plain.txt/x.sqlite") << 3;
        QTest::newRow("money read, cannot open") << kMoneyRead << QStringLiteral("plain.txt/x.sqlite") << 3;
        QTest::newRow("money write refused by the file") << kMoneyWrite << QStringLiteral("refuses-money.sqlite") << 4;
    }

    void exitCodes()
    {
        QFETCH(QString, option);
        QFETCH(QString, file);
        QFETCH(int, code);
        QVERIFY(testsupport::writeFile(m_dir.filePath(QStringLiteral("plain.txt")), "x"));
        {
            // Every insert into these files fails, as a full disk would.
            const QString refuses = m_dir.filePath(QStringLiteral("refuses.sqlite"));
            const QString refusesMoney = m_dir.filePath(QStringLiteral("refuses-money.sqlite"));
            FavoritesStore favorites(refuses);
            MoneyStore money(refusesMoney);
            for (const auto &[file, tables] : {std::pair(refuses, QStringList{QStringLiteral("favorites")}),
                                               std::pair(refusesMoney, QStringList{QStringLiteral("money_entries"),
                                                                                   QStringLiteral("money_settings")})}) {
                SQLiteDB db(file);
                for (const QString &table : tables)
                    db.exec(QStringLiteral("CREATE TRIGGER IF NOT EXISTS no_insert_%1 BEFORE INSERT ON %1 "
                                           "BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                                .arg(table));
            }
        }
        const runbinary::Result r = runbinary::run({option, m_dir.filePath(file)});
        QCOMPARE(r.code, code);
        QCOMPARE(r.out, QString());
    }

    void optionLookup()
    {
        const QString written = m_dir.filePath(QStringLiteral("lookup-w.sqlite"));
        const QString notRead = m_dir.filePath(QStringLiteral("lookup-r.sqlite"));
        const QString exe = QStringLiteral("tenterly");
        // In the last place an option counts as absent.
        QVERIFY(!TLSelfTest::handleChild({exe, kFavWrite}));
        QVERIFY(!TLSelfTest::handleChild({exe, QStringLiteral("--selftest")}));
        QVERIFY(!TLSelfTest::handleChild({exe, QStringLiteral("--TL-CHILD-FAV-WRITE"), written}));
        QVERIFY(!QFileInfo::exists(written));
        // The write is tried first, whatever the order on the line; a later
        // occurrence of an option is ignored.
        QCOMPARE(TLSelfTest::handleChild({exe, kFavRead, notRead, kFavWrite, written, kFavWrite, notRead}), 0);
        QVERIFY(!QFileInfo::exists(notRead));
        QCOMPARE(FavoritesStore(written).items().size(), 2);
    }

    void runChildReportsWhatHappened_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        const QString sh = QStringLiteral("/bin/sh");
        const QString c = QStringLiteral("-c");
        QTest::newRow("output and status") << sh << QStringList{c, "printf 'FAV|a|\\303\\251|\\n'; exit 5"} << 5
                                           << QStringLiteral("FAV|a|\u00e9|\n");
        QTest::newRow("standard error discarded") << sh << QStringList{c, "echo no >&2; echo yes"} << 0
                                                  << QStringLiteral("yes\n");
        QTest::newRow("crash is never 0") << sh << QStringList{c, "echo partial; kill -KILL $$"} << 128 + 9
                                          << QStringLiteral("partial\n");
        QTest::newRow("invalid UTF-8 gives no text") << sh << QStringList{c, "printf 'FAV|\\377|\\n'"} << 0 << QString();
        QTest::newRow("does not start") << m_dir.filePath(QStringLiteral("missing-program")) << QStringList{} << 98
                                        << QString();
        QTest::newRow("no executable") << QString() << QStringList{} << 99 << QString();
    }

    void runChildReportsWhatHappened()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        const auto [status, text] = TLSelfTest::runChild(program, arguments);
        QTEST(status, "status");
        QTEST(text, "text");
    }

    void runChildStartsThisExecutable()
    {
        // Here the running executable is this test program, which lists its
        // test functions when asked.
        const auto [status, text] = TLSelfTest::runChild({QStringLiteral("-functions")});
        QCOMPARE(status, 0);
        QVERIFY(text.contains(QStringLiteral("runChildStartsThisExecutable()")));
    }
};

QTEST_GUILESS_MAIN(tst_ChildOperations)
#include "tst_ChildOperations.moc"
