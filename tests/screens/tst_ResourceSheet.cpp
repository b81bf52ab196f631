#include "PdfText.h"
#include "SheetFixture.h"

#include "data/DBError.h"
#include "data/Favorite.h"
#include "data/ReferenceData.h"
#include "pdf/PdfPrint.h"
#include "screens/ResourceSheet.h"

#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {

const QString emergencyText = QStringLiteral(
    "IN AN EMERGENCY\n"
    "\u2022 911 \u2014 police, fire, ambulance\n"
    "  Call 911 (text only where it works)\n"
    "  Checked Dec 2026 \u00b7 source: FCC\n"
    "\u2022 988 \u2014 Suicide & Crisis Lifeline, 24/7\n"
    "  Call or text 988 \u00b7 988lifeline.org\n"
    "  Checked Dec 2026 \u00b7 source: 988 Lifeline (SAMHSA)\n"
    "\u2022 211 \u2014 food, shelter, bills, health\n"
    "  Dial 211 \u00b7 211.org\n"
    "  Checked Dec 2026 \u00b7 source: 211.org\n"
    "\n");

const QString nationwideText = QStringLiteral(
    "NATIONWIDE\n"
    "\u2022 Crisis Text Line\n"
    "  Text HOME to 741741\n"
    "  Checked Oct 2026 \u00b7 source: Crisis Text Line\n"
    "\u2022 Poison Help  [Unconfirmed: call or check before you go]\n"
    "  Call (800) 222-1222 \u00b7 poison.org\n"
    "  Checked Sep 2026 \u00b7 source: HRSA\n"
    // Three calls, then the first of two web links.
    "\u2022 Lifeline phone discount\n"
    "  Call (800) 234-9473 \u00b7 Call (888) 641-8722 \u00b7 Call (877) 555-0100 \u00b7 lifelinesupport.org\n"
    "  Checked Oct 2026 \u00b7 source: FCC\n"
    "\n");

const QString footerText = QStringLiteral(
    "\"Unconfirmed\" means: call or check before you go. Every listing shows when it was checked "
    "and where it came from. Made with MRBY Tenterly, by Marrowby (MRBY), marrowby.com\n");

const QString htmlHead = QStringLiteral(
    "<style>body{font-family:-apple-system,Helvetica,Arial,sans-serif;max-width:720px;margin:24px auto;"
    "color:#222;font-size:14px;line-height:1.35}\n"
    "h1{font-size:22px;margin:0}h2{font-size:13px;letter-spacing:.08em;text-transform:uppercase;"
    "color:#555;border-bottom:1px solid #ccc;margin:16px 0 6px}\n"
    ".l{margin:0 0 8px}.t{font-weight:700}.c{color:#333}.m{font-size:11px;color:#666}.n{font-style:italic}\n"
    ".u{display:inline-block;background:#8a4b00;color:#fff;font-size:11px;font-weight:700;padding:1px 6px;"
    "border-radius:6px;margin-left:6px}\n"
    "footer{margin-top:18px;font-size:11px;color:#555}</style></head><body>\n");

QString pdfText(const QString &path, int *pages = nullptr)
{
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None)
        return QString();
    if (pages)
        *pages = pdf.pageCount();
    QString text;
    for (int p = 0; p < pdf.pageCount(); ++p)
        text += pdf.getAllText(p).text() + u' ';
    // Lines wrap where the column ends.
    return text.simplified();
}

// The sheet printed to a PDF file and read back; "" when printing beeped.
QString printedText(const ResourceSheet &sheet, const QString &path)
{
    return pdftext::printToFile([&] { sheet.printSheet(); }, path) == 0 ? pdftext::read(path) : QString();
}

// Whether `lines` holds `run` as consecutive lines.
bool hasRun(const QStringList &lines, const QStringList &run)
{
    for (qsizetype i = 0; i + run.size() <= lines.size(); ++i) {
        if (lines.mid(i, run.size()) == run)
            return true;
    }
    return false;
}

} // namespace

class tst_ResourceSheet : public QObject
{
    Q_OBJECT

private:
    fixture::DataFolder m_folder = sheetfixture::dataFolder();
    std::unique_ptr<ReferenceData> m_data;

    QString uidOf(const QString &name) const
    {
        for (const Listing &l : m_data->listings())
            if (l.name == name)
                return l.uid;
        return QString();
    }

    QList<Favorite> saved() const
    {
        return {{uidOf(QStringLiteral("Food <Bank> & Pantry")), QStringLiteral("Food bank"),
                 QStringLiteral("Bring ID <2> & a \"bag\""), 1},
                {QStringLiteral("s:CO:gone"), QStringLiteral("Old shelter & caf\u00e9"),
                 QStringLiteral("Closed <maybe>"), 2},
                {uidOf(QStringLiteral("Colorado 211")), QStringLiteral("Colorado 211"), QString(), 3}};
    }

private Q_SLOTS:
    void initTestCase() { m_data = std::make_unique<ReferenceData>(m_folder.path()); }

    void plainTextWithStateParkingAndNotes()
    {
        const ResourceSheet sheet = ResourceSheet::build(QStringLiteral("CO"), *m_data, saved());
        QCOMPARE(sheet.title(), QStringLiteral("My Resources \u2014 Colorado"));
        const QString expected = QStringLiteral("My Resources \u2014 Colorado\n"
                                                "Checked Dec 2026 \u00b7 MRBY Tenterly\n\n")
            + emergencyText
            + QStringLiteral("HELP IN COLORADO\n"
                             "\u2022 Colorado 211\n"
                             "  Call 211 \u00b7 211colorado.org\n"
                             "  Checked Oct 2026 \u00b7 source: United Way\n"
                             "\u2022 Food <Bank> & Pantry  [Unconfirmed: call or check before you go]\n"
                             "  Call (303) 371-9250\n"
                             "  Checked Jul 2026 \u00b7 source: source not listed\n"
                             "\u2022 Colorado: highway rest areas\n"
                             "  Overnight: Allowed \u00b7 Time limit: 8 hours\n"
                             "  Checked Oct 2026 \u00b7 source: CDOT\n"
                             "\n")
            + nationwideText
            + QStringLiteral("MY LIST\n"
                             "\u2022 Food <Bank> & Pantry  [Unconfirmed: call or check before you go]\n"
                             "  Call (303) 371-9250\n"
                             "  My note: Bring ID <2> & a \"bag\"\n"
                             "  Checked Jul 2026 \u00b7 source: source not listed\n"
                             "\u2022 Old shelter & caf\u00e9\n"
                             "  My note: Closed <maybe>\n"
                             "\u2022 Colorado 211\n"
                             "  Call 211 \u00b7 211colorado.org\n"
                             "  Checked Oct 2026 \u00b7 source: United Way\n"
                             "\n")
            + footerText;
        QCOMPARE(sheet.plainText(), expected);
    }

    void plainTextWithoutState()
    {
        const ResourceSheet sheet = ResourceSheet::build(QString(), *m_data, {});
        QCOMPARE(sheet.plainText(), QStringLiteral("My Resources\nChecked Dec 2026 \u00b7 MRBY Tenterly\n\n")
                                        + emergencyText + nationwideText + footerText);
    }

    void unknownStateKeepsAnEmptySection()
    {
        const ResourceSheet sheet = ResourceSheet::build(QStringLiteral("ZZ"), *m_data, {});
        QCOMPARE(sheet.title(), QStringLiteral("My Resources \u2014 ZZ"));
        QVERIFY(sheet.plainText().contains(QStringLiteral("\n\nHELP IN ZZ\n\nNATIONWIDE\n")));
    }

    void htmlEscapesEveryText()
    {
        const ResourceSheet sheet = ResourceSheet::build(QStringLiteral("CO"), *m_data, saved());
        const QString line911 = QStringLiteral(
            "<div class=\"l\"><span class=\"t\">911 \u2014 police, fire, ambulance</span>"
            "<div class=\"c\">Call 911 (text only where it works)</div>"
            "<div class=\"m\">Checked Dec 2026 \u00b7 source: FCC</div></div>");
        const QString expected =
            QStringLiteral("<!doctype html><html lang=\"en\"><head><meta charset=\"utf-8\">"
                           "<title>My Resources \u2014 Colorado</title>\n")
            + htmlHead
            + QStringLiteral("<h1>My Resources \u2014 Colorado</h1><div class=\"m\">Checked Dec 2026 \u00b7 MRBY "
                             "Tenterly</div><h2>In an emergency</h2>")
            + line911
            + QStringLiteral(
                "<div class=\"l\"><span class=\"t\">988 \u2014 Suicide &amp; Crisis Lifeline, 24/7</span>"
                "<div class=\"c\">Call or text 988 \u00b7 988lifeline.org</div>"
                "<div class=\"m\">Checked Dec 2026 \u00b7 source: 988 Lifeline (SAMHSA)</div></div>"
                "<div class=\"l\"><span class=\"t\">211 \u2014 food, shelter, bills, health</span>"
                "<div class=\"c\">Dial 211 \u00b7 211.org</div>"
                "<div class=\"m\">Checked Dec 2026 \u00b7 source: 211.org</div></div>"
                "<h2>Help in Colorado</h2>"
                "<div class=\"l\"><span class=\"t\">Colorado 211</span><div class=\"c\">Call 211 \u00b7 "
                "211colorado.org</div><div class=\"m\">Checked Oct 2026 \u00b7 source: United Way</div></div>"
                "<div class=\"l\"><span class=\"t\">Food &lt;Bank&gt; &amp; Pantry</span>"
                "<span class=\"u\">Unconfirmed: call or check before you go</span>"
                "<div class=\"c\">Call (303) 371-9250</div>"
                "<div class=\"m\">Checked Jul 2026 \u00b7 source: source not listed</div></div>"
                "<div class=\"l\"><span class=\"t\">Colorado: highway rest areas</span>"
                "<div class=\"c\">Overnight: Allowed \u00b7 Time limit: 8 hours</div>"
                "<div class=\"m\">Checked Oct 2026 \u00b7 source: CDOT</div></div>"
                "<h2>Nationwide</h2>"
                "<div class=\"l\"><span class=\"t\">Crisis Text Line</span><div class=\"c\">Text HOME to "
                "741741</div><div class=\"m\">Checked Oct 2026 \u00b7 source: Crisis Text Line</div></div>"
                "<div class=\"l\"><span class=\"t\">Poison Help</span>"
                "<span class=\"u\">Unconfirmed: call or check before you go</span>"
                "<div class=\"c\">Call (800) 222-1222 \u00b7 poison.org</div>"
                "<div class=\"m\">Checked Sep 2026 \u00b7 source: HRSA</div></div>"
                "<div class=\"l\"><span class=\"t\">Lifeline phone discount</span>"
                "<div class=\"c\">Call (800) 234-9473 \u00b7 Call (888) 641-8722 \u00b7 Call (877) 555-0100 "
                "\u00b7 lifelinesupport.org</div>"
                "<div class=\"m\">Checked Oct 2026 \u00b7 source: FCC</div></div>"
                "<h2>My List</h2>"
                "<div class=\"l\"><span class=\"t\">Food &lt;Bank&gt; &amp; Pantry</span>"
                "<span class=\"u\">Unconfirmed: call or check before you go</span>"
                "<div class=\"c\">Call (303) 371-9250</div>"
                "<div class=\"n\">My note: Bring ID &lt;2&gt; &amp; a \"bag\"</div>"
                "<div class=\"m\">Checked Jul 2026 \u00b7 source: source not listed</div></div>"
                "<div class=\"l\"><span class=\"t\">Old shelter &amp; caf\u00e9</span>"
                "<div class=\"n\">My note: Closed &lt;maybe&gt;</div></div>"
                "<div class=\"l\"><span class=\"t\">Colorado 211</span><div class=\"c\">Call 211 \u00b7 "
                "211colorado.org</div><div class=\"m\">Checked Oct 2026 \u00b7 source: United Way</div></div>"
                "<footer>\"Unconfirmed\" means: call or check before you go. Every listing shows when it was "
                "checked and where it came from. Made with MRBY Tenterly, by Marrowby (MRBY), marrowby.com"
                "</footer></body></html>");
        QCOMPARE(sheet.html(), expected);
    }

    void htmlEscapesAmpersandFirst()
    {
        ResourceSheet sheet;
        sheet.sections = {{QStringLiteral("A & B"), {{QStringLiteral("&lt;b&gt;"), {}, {}, false, {}, {}}}}};
        QVERIFY(sheet.html().contains(QStringLiteral("<h2>A &amp; B</h2><div class=\"l\"><span class=\"t\">"
                                                     "&amp;lt;b&amp;gt;</span></div>")));
    }

    void onlyTheFirstSixSavedEntries()
    {
        QList<Favorite> seven;
        for (int i = 1; i <= 7; ++i)
            seven.append({QStringLiteral("s:XX:%1").arg(i), QStringLiteral("Saved %1").arg(i), QString(), double(i)});
        const ResourceSheet sheet = ResourceSheet::build(QString(), *m_data, seven);
        const SheetSection &mine = sheet.sections.last();
        QCOMPARE(mine.title, QStringLiteral("My List"));
        QCOMPARE(mine.lines.size(), 6);
        QCOMPARE(mine.lines.first().title, QStringLiteral("Saved 1"));
        QCOMPARE(mine.lines.last().title, QStringLiteral("Saved 6"));
    }

    void pdfReadsBackAsWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
        const ResourceSheet sheet = ResourceSheet::build(QStringLiteral("CO"), *m_data, saved());
        QCOMPARE(sheet.writePDF(path), 1);
        int pages = 0;
        const QString text = pdfText(path, &pages);
        QCOMPARE(pages, 1);
        QVERIFY2(text.contains(QStringLiteral("My Resources \u2014 Colorado")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Checked Dec 2026 \u00b7 MRBY Tenterly")));
        QVERIFY(text.contains(QStringLiteral("911 \u2014 police, fire, ambulance")));
        QVERIFY(text.contains(QStringLiteral("Unconfirmed: call or check before you go")));
        QVERIFY(text.contains(QStringLiteral("My note: Bring ID <2> & a \"bag\"")));
        QPdfDocument pdf;
        pdf.load(path);
        QCOMPARE(pdf.metaData(QPdfDocument::MetaDataField::Title).toString(), sheet.title());
        QCOMPARE(pdf.metaData(QPdfDocument::MetaDataField::Creator).toString(),
                 QStringLiteral("MRBY Tenterly (Marrowby)"));
    }

    void typedLineBreaksReachEveryOutput_data()
    {
        QTest::addColumn<QString>("br");
        QTest::newRow("LF") << QStringLiteral("\n");
        QTest::newRow("CR LF") << QStringLiteral("\r\n");
        QTest::newRow("CR") << QStringLiteral("\r");
        QTest::newRow("line separator") << QStringLiteral("\u2028");
        QTest::newRow("paragraph separator") << QStringLiteral("\u2029");
    }
    void typedLineBreaksReachEveryOutput()
    {
        QFETCH(QString, br);
        const QList<Favorite> favorites{
            {uidOf(QStringLiteral("Colorado 211")), QStringLiteral("Colorado 211"),
             QStringLiteral("Call 303-555-1234") + br + QStringLiteral("9 am to 5 pm"), 1},
            {QStringLiteral("s:CO:gone"), QStringLiteral("Old shelter") + br + QStringLiteral("on 5th"),
             QStringLiteral("Bring ID") + br + QStringLiteral("ask for Rosa") + br + QStringLiteral("after 6"), 2}};
        const ResourceSheet sheet = ResourceSheet::build(QStringLiteral("CO"), *m_data, favorites);
        const QStringList phone{QStringLiteral("My note: Call 303-555-1234"), QStringLiteral("9 am to 5 pm")};
        const QStringList rosa{QStringLiteral("My note: Bring ID"), QStringLiteral("ask for Rosa"),
                               QStringLiteral("after 6")};
        const QStringList name{QStringLiteral("Old shelter"), QStringLiteral("on 5th")};

        // Every line of an entry stands under its bullet.
        const QStringList text = sheet.plainText().split(u'\n');
        const QString in = QStringLiteral("  ");
        QVERIFY(hasRun(text, {in + phone[0], in + phone[1]}));
        QVERIFY(hasRun(text, {in + rosa[0], in + rosa[1], in + rosa[2]}));
        QVERIFY(hasRun(text, {QStringLiteral("\u2022 ") + name[0], in + name[1]}));
        QVERIFY(!sheet.plainText().contains(u'\r'));

        const QString html = sheet.html();
        QVERIFY(html.contains(QStringLiteral("My note: Call 303-555-1234<br>9 am to 5 pm")));
        QVERIFY(html.contains(QStringLiteral("My note: Bring ID<br>ask for Rosa<br>after 6")));
        // Another reader of the page sees the lines.
        QTextDocument page;
        page.setHtml(html);
        const QStringList shown = page.toPlainText().replace(QChar::LineSeparator, u'\n').split(u'\n');
        QVERIFY(hasRun(shown, phone));
        QVERIFY(hasRun(shown, rosa));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        QCOMPARE(sheet.writePDF(pdf), 1);
        for (const QString &read : {pdftext::read(pdf), printedText(sheet, dir.filePath(QStringLiteral("printed.pdf")))}) {
            const QStringList lines = pdftext::lines(read);
            QVERIFY2(hasRun(lines, phone), qPrintable(read));
            QVERIFY2(hasRun(lines, rosa), qPrintable(read));
            QVERIFY2(hasRun(lines, name), qPrintable(read));
        }
    }

    void pdfTextReadsBackAsLaidOut()
    {
        // The California sheet holds "fire", "benefitscal.com" and more pairs
        // a font joins into one ligature glyph.
        const ReferenceData shipped(testsupport::sourceDir() + QStringLiteral("/resources/data"));
        QList<Favorite> saved;
        for (const Listing &l : shipped.listings()) {
            if (l.state == QStringLiteral("CA") && saved.size() < 2)
                saved.append({l.uid, l.name, QStringLiteral("Ask at the office about the waffle fund\nflat tire?"),
                              double(saved.size())});
        }
        const ResourceSheet sheet = ResourceSheet::build(QStringLiteral("CA"), shipped, saved);
        QString laidOut;
        for (const PdfParagraph &p : sheet.paragraphs())
            laidOut += p.text;
        QVERIFY(laidOut.contains(QStringLiteral("benefitscal.com")));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        QCOMPARE(sheet.writePDF(pdf), 1);
        for (const QString &read : {pdftext::read(pdf), printedText(sheet, dir.filePath(QStringLiteral("printed.pdf")))}) {
            QVERIFY(!read.isEmpty());
            QVERIFY2(!pdftext::hasLigatures(read), qPrintable(read));
            QCOMPARE(pdftext::squeezed(read), pdftext::squeezed(laidOut));
        }
    }

    void pdfIntoAReadOnlyFolderLeavesNothing()
    {
        QTemporaryDir dir;
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(locked));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        // Root writes into read-only folders; a read-only file system stops it too.
        const QString folder = QFileInfo(locked).isWritable() ? QStringLiteral("/proc") : locked;
        const QString path = folder + QStringLiteral("/sheet.pdf");
        try {
            ResourceSheet::build(QStringLiteral("CO"), *m_data, {}).writePDF(path);
            QFAIL("the PDF was written");
        } catch (const DBError &e) {
            QCOMPARE(e.description, QStringLiteral("Could not create the PDF file."));
        }
        QVERIFY(!QFile::exists(path));
        QVERIFY(QDir(locked).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    void everyShippedStateFitsOnOnePage()
    {
        const ReferenceData shipped(testsupport::sourceDir() + QStringLiteral("/resources/data"));
        QCOMPARE(shipped.states().size(), 51);
        QTemporaryDir dir;
        const QString note = QStringLiteral("Ask for the evening intake line; bring ID and a letter with "
                                            "this address.");
        for (const ReferenceData::State &state : shipped.states()) {
            // Six of the state's own listings, each with a note.
            QList<Favorite> six;
            for (const Listing &l : shipped.listings()) {
                if (l.state == state.code && six.size() < 6)
                    six.append({l.uid, l.name, note, double(six.size())});
            }
            QCOMPARE(six.size(), 6);
            const ResourceSheet sheet = ResourceSheet::build(state.code, shipped, six);
            QCOMPARE(sheet.sections.last().lines.size(), 6);
            const QString path = dir.filePath(state.code + QStringLiteral(".pdf"));
            QVERIFY2(sheet.writePDF(path) == 1, qPrintable(state.name));
            int pages = 0;
            QVERIFY2(pdfText(path, &pages).contains(sheet.title()), qPrintable(state.name));
            QCOMPARE(pages, 1);
        }
        QCOMPARE(ResourceSheet::build(QString(), shipped, {}).writePDF(dir.filePath(QStringLiteral("none.pdf"))), 1);
    }
};

QTEST_MAIN(tst_ResourceSheet)
#include "tst_ResourceSheet.moc"
