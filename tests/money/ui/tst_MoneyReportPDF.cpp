#include "PdfText.h"
#include "money/MoneyFixture.h"

#include "data/DBError.h"
#include "data/ReferenceData.h"
#include "money/MoneyReport.h"
#include "money/ui/MoneyReportPDF.h"
#include "pdf/PdfPrint.h"

#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace moneyfixture;

namespace {

const QDateTime madeAt(QDate(2027, 1, 5), QTime(10, 0));

struct ReadBack
{
    int pages = 0;
    QStringList text; // one per page
    QString title;
    QString creator;
};

ReadBack readBack(const QString &path)
{
    ReadBack r;
    QPdfDocument doc;
    if (doc.load(path) != QPdfDocument::Error::None)
        return r;
    r.pages = doc.pageCount();
    for (int i = 0; i < r.pages; ++i)
        r.text << doc.getAllText(i).text();
    r.title = doc.metaData(QPdfDocument::MetaDataField::Title).toString();
    r.creator = doc.metaData(QPdfDocument::MetaDataField::Creator).toString();
    return r;
}

QStringList texts(const QList<PdfParagraph> &paragraphs)
{
    QStringList out;
    for (const PdfParagraph &p : paragraphs)
        out << p.text;
    return out;
}

const PdfParagraph *find(const QList<PdfParagraph> &paragraphs, const QString &prefix)
{
    for (const PdfParagraph &p : paragraphs) {
        if (p.text.startsWith(prefix))
            return &p;
    }
    return nullptr;
}

// A plan of `n` spending lines with long labels, to fill pages.
MoneyPlan longPlan(int n)
{
    QList<MoneyEntry> lines;
    for (int i = 0; i < n; ++i)
        lines << expense(QStringLiteral("food"), 100 + i, MoneyFrequency::week,
                         QStringLiteral("Line %1 with a label long enough to read").arg(i));
    return plan(lines);
}

int printTo(const MoneyReport &report, const QString &path)
{
    return pdftext::printToFile([&] { MoneyReportPDF::printPlan(report); }, path);
}

} // namespace

class tst_MoneyReportPDF : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ReferenceData> m_data;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(writeDataFolder(m_dir.filePath(QStringLiteral("data"))));
        m_data = std::make_unique<ReferenceData>(m_dir.filePath(QStringLiteral("data")));
    }

    void examplePlanReadsBack()
    {
        const MoneyReport report(example(), QStringLiteral("CO"), m_data.get(), madeAt);
        const QString path = m_dir.filePath(QStringLiteral("example.pdf"));
        const int pages = MoneyReportPDF::writePDF(report, path);
        const ReadBack r = readBack(path);
        QCOMPARE(r.pages, pages);
        QVERIFY(pages >= 1);
        const QString all = r.text.join(u'\n');
        for (const char *expected : {"$1,115.33", "-$67.83", "14%", "Money Plan \u2014 Kim T. (example)",
                                     "Made January 5, 2027 \u00b7 Colorado \u00b7 MRBY Tenterly", "SUMMARY",
                                     "Groceries and meals", "(Food)", "By kind, each month:", "Spend less on food"})
            QVERIFY2(all.contains(QString::fromUtf8(expected)), expected);
        for (int i = 0; i < r.pages; ++i) {
            const QString foot = MoneyReportPDF::footerLine(i + 1, r.pages);
            // The reader gives runs of blanks back as one.
            QVERIFY2(r.text.at(i).simplified().contains(foot.simplified()), qPrintable(foot));
        }
        QCOMPARE(r.title, report.title());
        QCOMPARE(r.creator, QStringLiteral("MRBY Tenterly (Marrowby)"));
    }

    void typedLinesAndLettersReadBackAsLaidOut()
    {
        MoneyPlan p = example();
        p.name = QStringLiteral("Kim\nand Sam");
        p.goalName = QStringLiteral("Deposit\r\nfor a room");
        p.entries << expense(QStringLiteral("other"), 500, MoneyFrequency::week,
                             QStringLiteral("Office fire fund\u2028flat tire"));
        const MoneyReport report(p, QStringLiteral("CO"), m_data.get(), madeAt);
        const QString pdf = m_dir.filePath(QStringLiteral("lines.pdf"));
        const int pages = MoneyReportPDF::writePDF(report, pdf);
        QString laidOut;
        for (const PdfParagraph &para : MoneyReportPDF::paragraphs(report))
            laidOut += para.text;
        const QString printed = m_dir.filePath(QStringLiteral("lines-printed.pdf"));
        QCOMPARE(printTo(report, printed), 0);
        for (const QString &read : {pdftext::read(pdf), pdftext::read(printed)}) {
            QVERIFY2(!pdftext::hasLigatures(read), qPrintable(read));
            // Each page ends with its footer line, drawn after the text.
            const QStringList pageTexts = read.split(u'\f', Qt::SkipEmptyParts);
            QCOMPARE(pageTexts.size(), pages);
            QString text;
            for (int i = 0; i < pages; ++i) {
                const QString page = pdftext::squeezed(pageTexts.at(i));
                const QString foot = pdftext::squeezed(MoneyReportPDF::footerLine(i + 1, pages));
                QVERIFY2(page.endsWith(foot), qPrintable(page));
                text += page.chopped(foot.size());
            }
            QCOMPARE(text, pdftext::squeezed(laidOut));
            // Blanks come back as one.
            const QStringList lines = pdftext::lines(read).replaceInStrings(
                QRegularExpression(QStringLiteral(" +")), QStringLiteral(" "));
            for (const QStringList &run : {QStringList{QStringLiteral("Money Plan \u2014 Kim"), QStringLiteral("and Sam")},
                                           QStringList{QStringLiteral("Deposit"), QStringLiteral("for a room")},
                                           QStringList{QStringLiteral("Office fire fund"), QStringLiteral("flat tire (Other)")}})
                QVERIFY2(lines.indexOf(run[0]) >= 0 && lines.value(lines.indexOf(run[0]) + 1) == run[1],
                         qPrintable(run.join(u'/')));
        }
    }

    void anyNameTheFieldTakesPrints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readable"); // every letter in the PDF fonts
        QTest::newRow("300 letters") << QString(300, u'a') << true;
        QTest::newRow("300 two-byte letters") << QString(300, u'\u00e9') << true;
        QTest::newRow("letters with accents and emoji")
            << QStringLiteral("e\u0301\U0001F469\u200D\U0001F469\u200D\U0001F467 ").repeated(40) << false;
    }
    void anyNameTheFieldTakesPrints()
    {
        QFETCH(QString, name);
        QFETCH(bool, readable);
        MoneyPlan p;
        p.name = name;
        const MoneyReport report(p, QString(), nullptr, madeAt);
        const QString printed = m_dir.filePath(QStringLiteral("long-printed.pdf"));
        // Twice: the print file of the first print is still there.
        for (int time = 0; time < 2; ++time) {
            QFile::remove(printed);
            QCOMPARE(printTo(report, printed), 0);
        }
        const QString read = pdftext::read(printed);
        QVERIFY(read.contains(QStringLiteral("Money Plan")));
        QVERIFY(!readable || pdftext::squeezed(read).contains(pdftext::squeezed(name)));
        // The print file itself, its name cut between whole characters.
        const QString file = PdfPrint::tempPath(MoneyReportPDF::printFileName(report));
        QVERIFY(QFile::exists(file));
        const QString fileName = QFileInfo(file).fileName();
        QVERIFY(fileName.toUtf8().size() <= 255);
        QVERIFY(fileName.endsWith(QStringLiteral(".pdf")));
        QVERIFY(MoneyReportPDF::printFileName(report).startsWith(fileName.chopped(4)));
    }

    void threePagesHaveThreeFooters()
    {
        // Find the smallest plan that takes three pages.
        int n = 40;
        int pages = 0;
        const QString path = m_dir.filePath(QStringLiteral("three.pdf"));
        for (; n < 200 && pages < 3; n += 5)
            pages = MoneyReportPDF::writePDF(MoneyReport(longPlan(n), QString(), nullptr, madeAt), path);
        QCOMPARE(pages, 3);
        const ReadBack r = readBack(path);
        QCOMPARE(r.pages, 3);
        for (int i = 1; i <= 3; ++i) {
            const QString foot = QStringLiteral("   \u00b7   Page %1 of 3").arg(i);
            QVERIFY(r.text.at(i - 1).contains(MoneyReport::footer()));
            QVERIFY2(r.text.at(i - 1).contains(QStringLiteral("Page %1 of 3").arg(i)), qPrintable(foot));
            QCOMPARE(MoneyReportPDF::footerLine(i, 3), MoneyReport::footer() + foot);
        }
        QCOMPARE(MoneyReportPDF::footerLine(1, 1), MoneyReport::footer());
    }

    void longReportStopsAtSixtyPages()
    {
        const int pages = MoneyReportPDF::writePDF(MoneyReport(longPlan(2500), QString(), nullptr, madeAt),
                                                   m_dir.filePath(QStringLiteral("long.pdf")));
        QCOMPARE(pages, 60);
    }

    void emptyPlan()
    {
        const MoneyReport report(MoneyPlan(), QString(), nullptr, madeAt);
        const QList<PdfParagraph> paras = MoneyReportPDF::paragraphs(report);
        const QStringList t = texts(paras);
        QCOMPARE(t.count(QStringLiteral("Nothing written down yet.")), 2);
        QVERIFY(!t.contains(QStringLiteral("By kind, each month:")));
        QVERIFY(t.contains(QStringLiteral("MONEY COMING IN")));
        QVERIFY(t.contains(QStringLiteral("Made January 5, 2027 \u00b7 MRBY Tenterly")));
        QVERIFY(t.contains(QStringLiteral("Savings")));
        QVERIFY(!t.contains(QStringLiteral("WAYS TO SPEND LESS OR BRING IN MORE")));
        const QString path = m_dir.filePath(QStringLiteral("empty.pdf"));
        QCOMPARE(MoneyReportPDF::writePDF(report, path), 1);
        const ReadBack r = readBack(path);
        QCOMPARE(r.title, QStringLiteral("Money Plan"));
        QVERIFY(r.text.first().contains(MoneyReport::footer()));
        QVERIFY(!r.text.first().contains(QStringLiteral("Page 1")));
    }

    void warningColours_data()
    {
        QTest::addColumn<qint64>("income");   // cents a month
        QTest::addColumn<qint64>("expense");  // cents a month
        QTest::addColumn<qint64>("cash");
        QTest::addColumn<bool>("leftRed");
        QTest::addColumn<bool>("runwayRed");
        QTest::newRow("left over -0.01") << qint64(1000) << qint64(1001) << qint64(0) << true << true;
        QTest::newRow("left over 0") << qint64(1000) << qint64(1000) << qint64(0) << false << false;
        // 12 × 10000 a year burns 328.77 a day: 29 and 30 days of it.
        QTest::newRow("29 days") << qint64(0) << qint64(10000) << qint64(9600) << true << true;
        QTest::newRow("30 days") << qint64(0) << qint64(10000) << qint64(9900) << true << false;
    }

    void warningColours()
    {
        QFETCH(qint64, income);
        QFETCH(qint64, expense);
        QFETCH(qint64, cash);
        QFETCH(bool, leftRed);
        QFETCH(bool, runwayRed);
        MoneyPlan p = plan({moneyfixture::income(QStringLiteral("job"), income, MoneyFrequency::month),
                            moneyfixture::expense(QStringLiteral("food"), expense, MoneyFrequency::month)},
                           cash);
        const QList<PdfParagraph> paras = MoneyReportPDF::paragraphs(MoneyReport(p, QString(), nullptr, madeAt));
        const QColor red = QColor::fromRgbF(0.69f, 0.13f, 0.11f);
        const PdfParagraph *left = find(paras, QStringLiteral("Left over: "));
        const PdfParagraph *runway = find(paras, QStringLiteral("Days until money runs out: "));
        QVERIFY(left && runway);
        QCOMPARE(left->color == red, leftRed);
        QCOMPARE(runway->color == red, runwayRed);
        if (runwayRed && cash > 0)
            QVERIFY2(runway->text.contains(QStringLiteral("29 days")), qPrintable(runway->text));
    }

    void tipListings()
    {
        MoneyTip tip{QStringLiteral("t"), QStringLiteral("A tip"), QStringLiteral("Do this."), {}, std::nullopt};
        for (int i = 0; i < 5; ++i) {
            Listing l;
            l.uid = QString::number(i);
            l.name = QStringLiteral("Place %1").arg(i);
            l.confidence = i == 0 ? QStringLiteral("needs-check") : QStringLiteral("verified-official");
            if (i == 0)
                l.phone = QStringLiteral("Call (303) 555-0101 or (303) 555-0102 or (303) 555-0103");
            if (i == 1)
                l.web = QStringLiteral("https://example.org");
            tip.listings << l;
        }
        MoneyReport report(MoneyPlan(), QString(), nullptr, madeAt);
        report.tips = {tip};
        const QStringList t = texts(MoneyReportPDF::paragraphs(report));
        QVERIFY(t.contains(QStringLiteral("WAYS TO SPEND LESS OR BRING IN MORE")));
        QCOMPARE(t.filter(QStringLiteral("\u2022 Place")).size(), 4);
        const QString first = t.filter(QStringLiteral("\u2022 Place 0")).value(0);
        QCOMPARE(first.count(QStringLiteral("Call")), 2);
        QVERIFY(first.endsWith(QStringLiteral(" [Unconfirmed: call or check before you go]")));
        QVERIFY(t.contains(QStringLiteral("\u2022 Place 1")));
    }

    void unwritableFolderFails()
    {
        const MoneyReport report(MoneyPlan(), QString(), nullptr, madeAt);
        try {
            MoneyReportPDF::writePDF(report, m_dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
            QFAIL("no error");
        } catch (const DBError &e) {
            QCOMPARE(e.description, QStringLiteral("Could not create the PDF file."));
        }
    }

    void printFileNameIsSafe()
    {
        MoneyPlan p;
        // A quote too: the print dialog's file dialog reads quoted text as
        // a list of names.
        p.name = QStringLiteral("Jan/Feb \"Jo\"");
        const MoneyReport report(p, QString(), nullptr, madeAt);
        QCOMPARE(MoneyReportPDF::printFileName(report), QStringLiteral("MRBY Tenterly - Money Plan \u2014 Jan/Feb \"Jo\".pdf"));
        QStringList printed;
        auto oldDialog = PdfPrint::replaceDialog([&](QPrinter &printer) {
            printed << printer.docName();
            // Proposed for printing to a file when there is no printer.
            if (!printer.outputFileName().isEmpty())
                printed << QFileInfo(printer.outputFileName()).fileName();
            return false;
        });
        int beeps = 0;
        auto oldBeep = PdfPrint::replaceBeep([&] { ++beeps; });
        MoneyReportPDF::printPlan(report);
        PdfPrint::replaceDialog(oldDialog);
        PdfPrint::replaceBeep(oldBeep);
        QCOMPARE(beeps, 0);
        const QString safe = QStringLiteral("MRBY Tenterly - Money Plan \u2014 Jan-Feb 'Jo'.pdf");
        QCOMPARE(printed.value(0), safe);
        QCOMPARE(printed.value(1, safe), safe);
        QVERIFY(QFile::exists(PdfPrint::tempPath(safe)));
    }
};

QTEST_MAIN(tst_MoneyReportPDF)
#include "tst_MoneyReportPDF.moc"
