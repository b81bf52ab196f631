#include "MoneyFixture.h"

#include "data/CSV.h"
#include "data/ReferenceData.h"
#include "money/MoneyReport.h"

#include <QtTest>

#include <clocale>
#include <cstdlib>
#include <ctime>

using namespace moneyfixture;
using F = MoneyFrequency;

namespace {

// Mountain time; the evening of December 7 is already December 8 in UTC.
const QDateTime kNow(QDate(2026, 12, 8), QTime(3, 0), Qt::UTC);

const QString kExampleCSV = QStringLiteral(
    u"Section,Type,Category,Description,Amount,How often,Per week,Per month\n"
    u"Income,income,Job,Dishwasher shifts (part-time),100.00,Each week,100.00,433.33\n"
    u"Income,income,Gig work,Food delivery,90.00,Each week,90.00,390.00\n"
    u"Income,income,Benefits,SNAP (food money on EBT),292.00,Each month,67.38,292.00\n"
    u"Spending,expense,Food,Groceries and meals,14.00,Each day,98.27,425.83\n"
    u"Spending,expense,Fuel & transit,Gas,70.00,Each week,70.00,303.33\n"
    u"Spending,expense,Phone,Prepaid phone plan,30.00,Each month,6.92,30.00\n"
    u"Spending,expense,Storage,Small storage unit,65.00,Each month,15.00,65.00\n"
    u"Spending,expense,Laundry,Laundromat,9.00,Each week,9.00,39.00\n"
    u"Spending,expense,Hygiene,Gym membership (showers),15.00,Each month,3.46,15.00\n"
    u"Spending,expense,Campsite & shelter fees,Campground fees,25.00,Each week,25.00,108.33\n"
    u"Spending,expense,Vehicle,Car insurance,110.00,Each month,25.38,110.00\n"
    u"Spending,expense,Other,Toiletries and small things,20.00,Each week,20.00,86.67\n"
    u"Spending by kind,expense,Food,,,,98.27,425.83\n"
    u"Spending by kind,expense,Fuel & transit,,,,70.00,303.33\n"
    u"Spending by kind,expense,Vehicle,,,,25.38,110.00\n"
    u"Spending by kind,expense,Campsite & shelter fees,,,,25.00,108.33\n"
    u"Spending by kind,expense,Other,,,,20.00,86.67\n"
    u"Spending by kind,expense,Storage,,,,15.00,65.00\n"
    u"Spending by kind,expense,Laundry,,,,9.00,39.00\n"
    u"Spending by kind,expense,Phone,,,,6.92,30.00\n"
    u"Spending by kind,expense,Hygiene,,,,3.46,15.00\n"
    u"Totals,,Coming in,,,,257.38,1115.33\n"
    u"Totals,,Going out,,,,273.03,1183.16\n"
    u"Totals,,Left over,,,,-15.65,-67.83\n"
    u"Summary,,Money on hand,,186.40,,,\n"
    u"Summary,,Days until money runs out,\"83 days (around Feb 28, 2027)\",83,,,\n"
    u"Savings,,Goal,Deposit for a room,600.00,,,\n"
    u"Savings,,Saved so far,,85.00,,,\n"
    u"Savings,,Progress,$85.00 of $600.00 saved (14%). $515.00 to go. Even a few dollars a week helps.,14%,,,\n"
    u"Made,,\"December 7, 2026\",Money Plan \u2014 Kim T. (example),,,,\n"
    u"Footer,,MRBY Tenterly by Marrowby \u2014 https://www.marrowby.com,,,,,\n");

const QString kEmptyCSV = QStringLiteral(
    u"Section,Type,Category,Description,Amount,How often,Per week,Per month\n"
    u"Totals,,Coming in,,,,0.00,0.00\n"
    u"Totals,,Going out,,,,0.00,0.00\n"
    u"Totals,,Left over,,,,0.00,0.00\n"
    u"Summary,,Money on hand,,0.00,,,\n"
    u"Summary,,Days until money runs out,Does not run out at this pace,,,,\n"
    u"Savings,,Goal,,0.00,,,\n"
    u"Savings,,Saved so far,,0.00,,,\n"
    u"Savings,,Progress,No savings goal yet.,0%,,,\n"
    u"Made,,\"December 7, 2026\",Money Plan,,,,\n"
    u"Footer,,MRBY Tenterly by Marrowby \u2014 https://www.marrowby.com,,,,,\n");

} // namespace

class tst_MoneyReport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ReferenceData> m_data;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(writeDataFolder(m_dir.filePath(QStringLiteral("data"))));
        m_data = std::make_unique<ReferenceData>(m_dir.filePath(QStringLiteral("data")));
    }

    void exampleCSV()
    {
        const MoneyReport report(example(), QStringLiteral("CO"), m_data.get(), kNow);
        QCOMPARE(report.csv(), kExampleCSV);
        QCOMPARE(report.stateName, QStringLiteral("Colorado"));
        QCOMPARE(report.tips.size(), 5);
        QCOMPARE(report.title(), QStringLiteral("Money Plan \u2014 Kim T. (example)"));
    }

    void emptyPlanCSV()
    {
        const MoneyReport report(MoneyPlan(), QString(), m_data.get(), kNow);
        QCOMPARE(report.csv(), kEmptyCSV);
        QCOMPARE(report.stateName, QString());
        QCOMPARE(report.title(), QStringLiteral("Money Plan"));
    }

    void csvIsTheSameInAnyLocale()
    {
        // A locale whose decimal mark is a comma, made for this test.
        QTemporaryDir locales;
        QProcess make;
        make.start(QStringLiteral("localedef"), {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                     locales.filePath(QStringLiteral("de_DE.UTF-8"))});
        if (!make.waitForFinished(-1) || make.exitCode() != 0)
            QSKIP("localedef cannot make a German locale here");
        qputenv("LOCPATH", locales.path().toUtf8());
        QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8"));
        QCOMPARE(std::strtod("1,5", nullptr), 1.5); // the comma locale took hold

        const MoneyReport report(example(), QStringLiteral("CO"), m_data.get(), kNow);
        const QString csv = report.csv();
        QCOMPARE(MoneyReport::csvField(QStringLiteral("-12.50")), QStringLiteral("-12.50"));
        QCOMPARE(MoneyReport::csvField(QStringLiteral("-12,50")), QStringLiteral("\"'-12,50\""));
        std::setlocale(LC_ALL, "C");
        qunsetenv("LOCPATH");
        QCOMPARE(csv, kExampleCSV);
    }

    void csvField_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("formula") << QStringLiteral("=SUM(A1)") << QStringLiteral("'=SUM(A1)");
        QTest::newRow("negative amount") << QStringLiteral("-12.30") << QStringLiteral("-12.30");
        QTest::newRow("plus exponent") << QStringLiteral("+1e3") << QStringLiteral("+1e3");
        QTest::newRow("infinity word") << QStringLiteral("-inf") << QStringLiteral("-inf");
        QTest::newRow("minus a word") << QStringLiteral("-abc") << QStringLiteral("'-abc");
        QTest::newRow("number and a blank") << QStringLiteral("-12.30 ") << QStringLiteral("'-12.30 ");
        QTest::newRow("bare minus") << QStringLiteral("-") << QStringLiteral("'-");
        QTest::newRow("at sign with comma") << QStringLiteral("@x,y") << QStringLiteral("\"'@x,y\"");
        QTest::newRow("comma decimal") << QStringLiteral("-1,5") << QStringLiteral("\"'-1,5\"");
        QTest::newRow("quote") << QStringLiteral("a, \"b\"") << QStringLiteral("\"a, \"\"b\"\"\"");
        QTest::newRow("line feed") << QStringLiteral("a\nb") << QStringLiteral("\"a\nb\"");
        QTest::newRow("blank first") << QStringLiteral(" -5") << QStringLiteral(" -5");
        QTest::newRow("inner NUL after a sign") << (QStringLiteral("-1") + QChar(0)) << (QStringLiteral("'-1") + QChar(0));
        QTest::newRow("empty") << QString() << QString();
    }
    void csvField()
    {
        QFETCH(QString, cell);
        QFETCH(QString, escaped);
        QCOMPARE(MoneyReport::csvField(cell), escaped);
    }

    void entryRowsAndLines()
    {
        MoneyPlan p = plan({expense(QStringLiteral("food"), 1400, F::day, QStringLiteral("=HYPERLINK(\"x\")")),
                            expense(QStringLiteral("campground"), 7000, F::week, QStringLiteral("-5")),
                            income(QStringLiteral("gig"), 1, F::month, QStringLiteral("@home, \"late\""))},
                           100);
        p.name = QStringLiteral("Kim");
        const MoneyReport report(p, QStringLiteral("ZZ"), nullptr, kNow);
        QCOMPARE(report.stateName, QStringLiteral("ZZ"));
        QVERIFY(report.tips.isEmpty());
        const QStringList lines = report.csv().split(u'\n');
        QCOMPARE(lines.size(), 11 + 3 + 1 + 1); // one category with a title, the last line empty
        QCOMPARE(lines.at(1), QStringLiteral("Income,income,Gig work,\"'@home, \"\"late\"\"\",0.01,Each month,0.00,0.01"));
        QCOMPARE(lines.at(2), QStringLiteral("Spending,expense,Food,\"'=HYPERLINK(\"\"x\"\")\",14.00,Each day,98.27,425.83"));
        QCOMPARE(lines.at(3), QStringLiteral("Spending,expense,Other,-5,70.00,Each week,70.00,303.33"));
        // The unknown category counts in the total but in no spending-by-kind row.
        QCOMPARE(lines.at(4), QStringLiteral("Spending by kind,expense,Food,,,,98.27,425.83"));
        QCOMPARE(lines.at(6), QStringLiteral("Totals,,Going out,,,,168.27,729.16"));
        QCOMPARE(lines.at(13), QStringLiteral("Made,,\"December 7, 2026\",Money Plan \u2014 Kim,,,,"));

        QCOMPARE(MoneyReport::entryLine(p.entries.at(0)), QStringLiteral("$14.00 a day = $98.27 a week \u00b7 $425.83 a month"));
        QCOMPARE(MoneyReport::entryLine(p.entries.at(1)), QStringLiteral("$70.00 a week = $70.00 a week \u00b7 $303.33 a month"));
        QCOMPARE(MoneyReport::entryLine(p.entries.at(2)), QStringLiteral("$0.01 a month = $0.00 a week \u00b7 $0.01 a month"));
        QCOMPARE(MoneyReport(p, QString(), nullptr, kNow).stateName, QString());
        QCOMPARE(MoneyReport(p, QStringLiteral("ZZ"), m_data.get(), kNow).stateName, QStringLiteral("ZZ"));
    }

    void typedLineBreaksStayInTheirCells_data()
    {
        QTest::addColumn<QString>("br");
        QTest::newRow("CR LF") << QStringLiteral("\r\n");
        QTest::newRow("CR") << QStringLiteral("\r");
        QTest::newRow("line separator") << QStringLiteral("\u2028");
    }
    void typedLineBreaksStayInTheirCells()
    {
        QFETCH(QString, br);
        MoneyPlan p = plan({expense(QStringLiteral("food"), 100, F::day, QStringLiteral("Bring ID") + br + QStringLiteral("ask for Rosa"))});
        p.name = QStringLiteral("Kim") + br + QStringLiteral("Sam");
        p.goalName = QStringLiteral("Room") + br + QStringLiteral("deposit");
        // Read back by the CSV reader, as a spreadsheet would: every break is a line feed in its cell.
        const QList<QStringList> rows = CSV::parse(MoneyReport(p, QString(), nullptr, kNow).csv());
        QCOMPARE(rows.size(), 13);
        QCOMPARE(rows.at(1).at(3), QStringLiteral("Bring ID\nask for Rosa"));
        QCOMPARE(rows.at(8).at(3), QStringLiteral("Room\ndeposit"));
        QCOMPARE(rows.at(11).at(3), QStringLiteral("Money Plan \u2014 Kim\nSam"));
    }

    void savingsCells_data()
    {
        QTest::addColumn<qint64>("goal");
        QTest::addColumn<qint64>("saved");
        QTest::addColumn<QString>("savedCell");
        QTest::addColumn<QString>("percentCell");
        QTest::newRow("more than the goal") << qint64(50000) << qint64(70000) << QStringLiteral("700.00") << QStringLiteral("100%");
        QTest::newRow("no goal") << qint64(0) << qint64(70000) << QStringLiteral("700.00") << QStringLiteral("0%");
        QTest::newRow("negative saved") << qint64(50000) << qint64(-100) << QStringLiteral("0.00") << QStringLiteral("0%");
    }
    void savingsCells()
    {
        QFETCH(qint64, goal);
        QFETCH(qint64, saved);
        QFETCH(QString, savedCell);
        QFETCH(QString, percentCell);
        MoneyPlan p;
        p.goalCents = goal;
        p.savedCents = saved;
        const QList<QStringList> rows = MoneyReport(p, QString(), nullptr, kNow).csvRows();
        QCOMPARE(rows.at(7).at(2), QStringLiteral("Saved so far"));
        QCOMPARE(rows.at(7).at(4), savedCell);
        QCOMPARE(rows.at(8).at(4), percentCell);
        for (const QStringList &row : rows)
            QCOMPARE(row.size(), 8);
    }
};

int main(int argc, char **argv)
{
    qputenv("TZ", "America/Denver");
    tzset();
    QCoreApplication app(argc, argv);
    tst_MoneyReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MoneyReport.moc"
