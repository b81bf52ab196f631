#include "money/MoneyStore.h"
#include "runmodes/TLRunModes.h"

#include "RunBinary.h"
#include "TestSupport.h"

#include <QDate>
#include <QLocale>
#include <QPdfDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kOption = QStringLiteral("--tl-money-example");
const QString kCsv = QStringLiteral("Example Money Plan - Kim T.csv");
const QString kPdf = QStringLiteral("Example Money Plan - Kim T.pdf");
const QString kFailed = QStringLiteral("could not write the example plan");

// The lines after the first two, with the runway date counted from today.
QStringList figureLines()
{
    const QString around = QLocale::c().toString(QDate::currentDate().addDays(83), QStringLiteral("MMM d, yyyy"));
    return {
        QStringLiteral("week: in $257.38 out $273.03 left -$15.65"),
        QStringLiteral("month: in $1,115.33 out $1,183.16 left -$67.83"),
        QStringLiteral("on hand $186.40; runway 83 days (around ") + around
            + QStringLiteral("); savings $85.00 of $600.00 saved (14%). $515.00 to go. "
                             "Even a few dollars a week helps."),
        QStringLiteral("tips: Spend less on food | Bring in more money | Spend less on gas and bus fare | "
                       "Car repair costs | Spend less on a place to stay"),
    };
}

// The lines with the PDF's page count as "(N pages)"; the count itself
// follows the text layout.
QStringList withoutPageCount(const QStringList &lines)
{
    static const QRegularExpression count(QStringLiteral(" \\(\\d+ pages?\\)"));
    QStringList out;
    for (QString line : lines)
        out << line.replace(count, QStringLiteral(" (N pages)"));
    return out;
}

} // namespace

class tst_MoneyExample : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void writesThePlanAndItsReport()
    {
        const QString folder = m_dir.filePath(QStringLiteral("new/nested"));
        const QString old = folder + QStringLiteral("/money-plan.sqlite-wal");
        QVERIFY(testsupport::writeFile(old, "left from an earlier run"));
        const QStringList expected =
            QStringList{QStringLiteral("wrote money-plan.sqlite, ") + kPdf + QStringLiteral(" (N pages), ") + kCsv}
            + figureLines();

        for (int run = 0; run < 2; ++run) {
            const runbinary::Result r = runbinary::run({QStringLiteral("-x"), kOption, folder, kOption, m_dir.path()});
            QCOMPARE(r.code, 0);
            QCOMPARE(withoutPageCount(r.lines()), expected);
            QCOMPARE(r.err, QByteArray());
            // The count printed is the count of the file written.
            QPdfDocument pdf;
            QCOMPARE(pdf.load(folder + QLatin1Char('/') + kPdf), QPdfDocument::Error::None);
            QVERIFY(pdf.pageCount() >= 1);
            QVERIFY(r.lines().first().contains(
                QStringLiteral(" (%1 page%2), ")
                    .arg(pdf.pageCount())
                    .arg(pdf.pageCount() == 1 ? QString() : QStringLiteral("s"))));
            QVERIFY(pdf.getAllText(0).text().contains(QStringLiteral("Money Plan \u2014 Kim T. (example)")));
        }
        QVERIFY(!QFileInfo::exists(old));
        // Twelve lines after two runs, not twenty-four: every run starts afresh.
        const MoneyStore store(folder + QStringLiteral("/money-plan.sqlite"));
        QCOMPARE(store.plan().entries.size(), 12);
        QCOMPARE(store.plan().name, QStringLiteral("Kim T. (example)"));
        QFile csv(folder + QLatin1Char('/') + kCsv);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("Section,Type,Category,Description,Amount,How often,Per week,Per month\n"));
        QVERIFY(bytes.contains("Spending,expense,Food,Groceries and meals,14.00,Each day,98.27,425.83\n"));
        // Only the first occurrence counts: nothing went to the second folder.
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("money-plan.sqlite"))));
    }

    void withoutTheDataThereAreNoTips()
    {
        QTemporaryDir emptyData;
        const runbinary::Result r = runbinary::run({kOption, m_dir.filePath(QStringLiteral("nodata"))},
                                                   [&](QProcessEnvironment &env) {
                                                       env.insert(QStringLiteral("TL_DATA_DIR"), emptyData.path());
                                                   });
        QCOMPARE(r.code, 0);
        QStringList expected = figureLines();
        expected.last() = QStringLiteral("tips: ");
        QCOMPARE(r.lines().mid(1), expected);
    }

    void filesThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("blocked"); // made a non-empty folder first
        QTest::addColumn<QStringList>("lines"); // the first lines
        QTest::newRow("folder below a regular file")
            << QStringLiteral("plain.txt/example") << QString() << QStringList{kFailed};
        QTest::newRow("old plan cannot be removed")
            << QStringLiteral("stuck") << QStringLiteral("money-plan.sqlite")
            << QStringList{kFailed + QStringLiteral(" (the old money-plan.sqlite could not be removed)")};
        QTest::newRow("CSV cannot be written")
            << QStringLiteral("nocsv") << kCsv
            << QStringList{QStringLiteral("wrote money-plan.sqlite, ") + kPdf + QStringLiteral(" (N pages)"),
                           QStringLiteral("could not write ") + kCsv};
        QTest::newRow("PDF cannot be written")
            << QStringLiteral("nopdf") << kPdf
            << QStringList{QStringLiteral("wrote money-plan.sqlite, ") + kCsv, QStringLiteral("could not write ") + kPdf};
    }

    void filesThatCannotBeWritten()
    {
        QFETCH(QString, folder);
        QFETCH(QString, blocked);
        QFETCH(QStringList, lines);
        QVERIFY(testsupport::writeFile(m_dir.filePath(QStringLiteral("plain.txt")), "x"));
        const QString path = m_dir.filePath(folder);
        if (!blocked.isEmpty())
            QVERIFY(testsupport::writeFile(path + QLatin1Char('/') + blocked + QStringLiteral("/inside"), "x"));
        const runbinary::Result r = runbinary::run({kOption, path});
        QCOMPARE(r.code, 1);
        QCOMPARE(withoutPageCount(r.lines().mid(0, lines.size())), lines);
        // The figures still follow a report file that failed.
        if (lines.first().startsWith(QStringLiteral("wrote ")))
            QCOMPARE(r.lines().mid(lines.size()), figureLines());
    }

    void readOnlyFolder()
    {
        QString path = m_dir.filePath(QStringLiteral("readonly"));
        QVERIFY(QDir().mkpath(path));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
        // Root writes into read-only folders; /proc takes no folder from anyone.
        if (QFileInfo(path).isWritable())
            path = QStringLiteral("/proc/tl-money-example");
        const runbinary::Result r = runbinary::run({kOption, path});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.lines(), QStringList{kFailed});
    }

    void optionInTheLastPlaceIsAbsent()
    {
        QString text;
        QTextStream out(&text);
        QVERIFY(!TLRunModes::dispatch({QStringLiteral("x"), QStringLiteral("-v"), kOption}, out));
        QCOMPARE(text, QString());
    }
};

QTEST_GUILESS_MAIN(tst_MoneyExample)
#include "tst_MoneyExample.moc"
