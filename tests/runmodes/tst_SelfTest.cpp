#include "runmodes/TLRunModes.h"
#include "runmodes/TLSelfTest.h"
#include "runmodes/TLTestRun.h"

#include "RunBinary.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <stdexcept>

namespace {

const QRegularExpression kHeader(QStringLiteral(
    "^MRBY Tenterly self-test \u2014 \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ(.*)$"));

// The self-test in a temporary folder of its own, so what it leaves behind shows.
runbinary::Result selfTest(const QString &tmp, const std::function<void(QProcessEnvironment &)> &edit = {})
{
    return runbinary::run({QStringLiteral("--selftest")}, [&](QProcessEnvironment &env) {
        env.insert(QStringLiteral("TMPDIR"), tmp);
        if (edit)
            edit(env);
    });
}

QStringList leftBehind(const QString &tmp)
{
    return QDir(tmp).entryList({QStringLiteral("tl-selftest-*")}, QDir::AllEntries | QDir::Hidden);
}

} // namespace

class tst_SelfTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void testRunLines_data()
    {
        QTest::addColumn<QList<bool>>("checks");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("status");
        QTest::newRow("nothing failed") << QList<bool>{true, true, true} << QStringLiteral("RESULT: ALL 3 CHECKS PASSED")
                                        << 0;
        QTest::newRow("one failure") << QList<bool>{true, false, true} << QStringLiteral("RESULT: 1 FAILED, 2 passed")
                                     << 1;
        QTest::newRow("all failed") << QList<bool>{false, false} << QStringLiteral("RESULT: 2 FAILED, 0 passed") << 1;
        QTest::newRow("no checks") << QList<bool>{} << QStringLiteral("RESULT: ALL 0 CHECKS PASSED") << 0;
    }

    void testRunLines()
    {
        QFETCH(QList<bool>, checks);
        QString text;
        QTextStream out(&text);
        TLTestRun run(out);
        run.begin(QStringLiteral("Section"));
        QStringList expected{QStringLiteral("== Section")};
        for (qsizetype i = 0; i < checks.size(); ++i) {
            const QString name = QStringLiteral("check %1").arg(i);
            run.check(checks.at(i), name);
            expected << (checks.at(i) ? QStringLiteral("PASS  ") : QStringLiteral("FAIL  ")) + name;
        }
        const int status = run.finish();
        QFETCH(QString, result);
        expected << result;
        QCOMPARE(text, expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        QTEST(status, "status");
    }

    void throwingWorkFailsItsCheckOnly()
    {
        QString text;
        QTextStream out(&text);
        TLTestRun run(out);
        run.check(QStringLiteral("throws"), []() -> bool { throw std::runtime_error("boom"); });
        run.check(QStringLiteral("goes on"), [] { return true; });
        QCOMPARE(run.failed(), 1);
        QCOMPARE(run.passed(), 1);
        QCOMPARE(text, QStringLiteral("FAIL  throws\nPASS  goes on\n"));
    }

    void argumentAfterAnOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("value"); // null: none
        const QString opt = QStringLiteral("--tl-money-example");
        QTest::newRow("follows") << QStringList{"x", opt, "/tmp/a"} << QStringLiteral("/tmp/a");
        QTest::newRow("first occurrence") << QStringList{"x", "-v", opt, "a", opt, "b"} << QStringLiteral("a");
        QTest::newRow("last place") << QStringList{"x", "/tmp/a", opt} << QString();
        QTest::newRow("missing") << QStringList{"x", "--tl-money-examples", "a"} << QString();
        QTest::newRow("an empty argument is a value") << QStringList{"x", opt, ""} << QStringLiteral("");
    }

    void argumentAfterAnOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, value);
        const std::optional<QString> found =
            TLRunModes::argumentAfter(arguments, QStringLiteral("--tl-money-example"));
        QCOMPARE(found.has_value(), !value.isNull());
        if (found)
            QCOMPARE(*found, value);
    }

    void selfTestRunsWithoutADisplay()
    {
        QTemporaryDir tmp;
        const runbinary::Result r = selfTest(tmp.path(), [](QProcessEnvironment &env) {
            env.remove(QStringLiteral("QT_QPA_PLATFORM"));
            env.remove(QStringLiteral("DISPLAY"));
            env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        });
        QVERIFY(!r.crashed);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QByteArray());
        const QStringList lines = r.lines();
        QVERIFY(!lines.isEmpty());
        const QRegularExpressionMatch header = kHeader.match(lines.first());
        QVERIFY2(header.hasMatch(), qPrintable(lines.first()));
        QCOMPARE(header.captured(1), QString());
        const QStringList passed = lines.filter(QRegularExpression(QStringLiteral("^PASS  ")));
        QCOMPARE(lines.last(), QStringLiteral("RESULT: ALL %1 CHECKS PASSED").arg(passed.size()));
        QVERIFY(!r.out.contains(QStringLiteral("FAIL  ")));
        // The Money Plan section is the last: every line after its title is a pass.
        const qsizetype money = lines.indexOf(
            QStringLiteral("== Money Plan: totals, weekly / monthly math, runway, savings, saving, PDF / CSV"));
        QVERIFY(money > 0);
        const QStringList checks = lines.mid(money + 1, lines.size() - money - 2);
        QVERIFY(checks.size() >= 40);
        QCOMPARE(checks.filter(QRegularExpression(QStringLiteral("^PASS  "))), checks);
        QCOMPARE(leftBehind(tmp.path()), QStringList());
    }

    void whatThisBuildLacksIsNamedNeverPassed()
    {
        QTemporaryDir tmp;
        const QStringList lines = selfTest(tmp.path()).lines();
        QStringList missing;
        for (const TLSelfTest::Section &s : TLSelfTest::sections()) {
            if (!s.checks)
                missing << s.title;
            else if (!s.missingChecks.isEmpty())
                missing << s.missingChecks;
        }
        const QStringList notYet = lines.filter(QRegularExpression(QStringLiteral("^NOT YET  ")));
        if (missing.isEmpty()) {
            QCOMPARE(notYet, QStringList());
            return;
        }
        QCOMPARE(notYet.size(), 1);
        for (const QString &title : missing) {
            QVERIFY2(notYet.first().contains(title), qPrintable(title));
            QVERIFY2(!lines.contains(QStringLiteral("== ") + title), qPrintable(title));
        }
    }

    void mutationChangesOnlyTheHeader_data()
    {
        QTest::addColumn<QString>("mutation"); // null: unset
        QTest::addColumn<QString>("suffix");
        QTest::newRow("x") << QStringLiteral("x") << QStringLiteral(" \u2014 MUTATION \"x\": failures are EXPECTED");
        QTest::newRow("empty is unset") << QStringLiteral("") << QString();
    }

    void mutationChangesOnlyTheHeader()
    {
        QFETCH(QString, mutation);
        QTemporaryDir tmp;
        const runbinary::Result plain = selfTest(tmp.path());
        const runbinary::Result mutated = selfTest(tmp.path(), [&](QProcessEnvironment &env) {
            env.insert(QStringLiteral("TL_SELFTEST_MUTATE"), mutation);
        });
        QCOMPARE(mutated.code, plain.code);
        QStringList a = plain.lines();
        QStringList b = mutated.lines();
        QVERIFY(!a.isEmpty() && !b.isEmpty());
        const QRegularExpressionMatch header = kHeader.match(b.takeFirst());
        QVERIFY(header.hasMatch());
        QTEST(header.captured(1), "suffix");
        a.removeFirst();
        QCOMPARE(b, a);
    }

    void dataThatDoesNotLoadStopsTheRun()
    {
        QTemporaryDir tmp;
        QTemporaryDir emptyData;
        const runbinary::Result r = selfTest(tmp.path(), [&](QProcessEnvironment &env) {
            env.insert(QStringLiteral("TL_DATA_DIR"), emptyData.path());
        });
        QCOMPARE(r.code, 1);
        QStringList lines = r.lines();
        QVERIFY(kHeader.match(lines.takeFirst()).hasMatch());
        if (!lines.isEmpty() && lines.first().startsWith(QStringLiteral("NOT YET  ")))
            lines.removeFirst();
        QCOMPARE(lines, (QStringList{
                            QStringLiteral("== Data: every CSV row imports and the counts match the source files"),
                            QStringLiteral("FAIL  bundled data loads from ") + emptyData.path(),
                            QStringLiteral("RESULT: 1 FAILED, 0 passed"),
                        }));
        QCOMPARE(leftBehind(tmp.path()), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_SelfTest)
#include "tst_SelfTest.moc"
