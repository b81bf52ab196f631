#include "data/ReferenceData.h"
#include "runmodes/TLSelfTestSections.h"
#include "runmodes/TLTestRun.h"

#include "TestSupport.h"

#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

const QString kPassWritten = QStringLiteral("^PASS  Money Plan PDF is written \\([1-9][0-9]* pages\\)$");
const QStringList kPdfChecks{
    QStringLiteral("the PDF shows the right totals (in $1,115.33, out $1,183.16, left over -$67.83 a month), "
                   "83 days and the goal"),
    QStringLiteral("the PDF footer credits MRBY with the website"),
    QStringLiteral("the PDF tips use the app's Colorado food banks"),
};
const QString kEmptyPlan = QStringLiteral("an empty plan still makes a 1-page PDF and a CSV with $0.00 totals");

} // namespace

class tst_SelfTestMoney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A report file that cannot be written fails the checks that read it and
    // no others; the page count in the name is the count written.
    void reportPdfChecks_data()
    {
        QTest::addColumn<QString>("blocked"); // a file name made a folder first
        QTest::addColumn<QString>("pdfLine"); // a pattern: the page count follows the layout
        QTest::addColumn<bool>("pdfRead");
        QTest::addColumn<bool>("emptyPlan");
        QTest::newRow("all written") << QString() << kPassWritten
                                     << true << true;
        QTest::newRow("report PDF blocked") << QStringLiteral("Money Plan.pdf")
                                            << QStringLiteral("^FAIL  Money Plan PDF is written \\(0 pages\\)$")
                                            << false << true;
        QTest::newRow("empty plan's PDF blocked")
            << QStringLiteral("empty.pdf") << kPassWritten
            << true << false;
    }

    void reportPdfChecks()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, pdfLine);
        QFETCH(bool, pdfRead);
        QFETCH(bool, emptyPlan);
        QTemporaryDir dir;
        if (!blocked.isEmpty())
            QVERIFY(testsupport::writeFile(dir.filePath(blocked + QStringLiteral("/inside")), "x"));
        const ReferenceData data(testsupport::sourceDir() + QStringLiteral("/resources/data"));
        QString text;
        QTextStream out(&text);
        TLTestRun run(out);
        QStringList opened;
        TLSelfTest::Context context{run, data, dir.path(), opened};
        TLSelfTest::moneyPlanChecks(context);

        QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const qsizetype at = lines.indexOf(QRegularExpression(pdfLine));
        QVERIFY2(at > 0, qPrintable(text));
        // In order, right after the example plan's figures.
        QVERIFY(lines.at(at - 1).endsWith(QStringLiteral(u"$186.40 on hand → 83 days")));
        const QString mark = pdfRead ? QStringLiteral("PASS  ") : QStringLiteral("FAIL  ");
        for (qsizetype i = 0; i < kPdfChecks.size(); ++i)
            QCOMPARE(lines.value(at + 1 + i), mark + kPdfChecks.at(i));
        QVERIFY(lines.contains((emptyPlan ? QStringLiteral("PASS  ") : QStringLiteral("FAIL  ")) + kEmptyPlan));
        // The CSV checks do not hang on the PDF.
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^FAIL  CSV"))), QStringList());
    }


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
