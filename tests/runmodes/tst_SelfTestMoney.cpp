#include "data/ReferenceData.h"
#include "runmodes/TLSelfTestSections.h"
#include "runmodes/TLTestRun.h"

#include "TestSupport.h"

#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

class tst_SelfTestMoney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filesThatCannotBeMadeFailTheirChecksOnly()
    {
        // Every file of this work folder lies below a regular file.
        QTemporaryDir dir;
        QVERIFY(testsupport::writeFile(dir.filePath(QStringLiteral("plain.txt")), "x"));
        const ReferenceData data(testsupport::sourceDir() + QStringLiteral("/resources/data"));
        QString text;
        QTextStream out(&text);
        TLTestRun run(out);
        QStringList opened;
        TLSelfTest::Context context{run, data, dir.filePath(QStringLiteral("plain.txt/work")), opened};
        TLSelfTest::moneyPlanChecks(context);

        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^FAIL  "))),
                 (QStringList{
                     QStringLiteral("FAIL  the Money Plan written by one run of the app is there in the next run "
                                    "(two separate app processes)"),
                     QStringLiteral("FAIL  Money Plan opens"),
                     QStringLiteral("FAIL  example Money Plan is made"),
                 }));
        // The checks that need the failed file are not made; the run goes on
        // with the help topic.
        QVERIFY(!text.contains(QStringLiteral("a $0.00 line is refused")));
        QVERIFY(!text.contains(QStringLiteral("CSV")));
        QCOMPARE(lines.last(), QStringLiteral("PASS  Help has a Money Plan topic (search \"budget\")"));
        QCOMPARE(run.failed(), 3);
        QCOMPARE(run.passed(), lines.size() - 3);
    }
};

QTEST_MAIN(tst_SelfTestMoney)
#include "tst_SelfTestMoney.moc"
