#include "data/DBError.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfPrint.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

PdfPageLayout twoColumns()
{
    return {{612, 792}, {QRectF(32, 32, 264, 728), QRectF(316, 32, 264, 728)}, 40};
}

QList<PdfParagraph> sample(int bodyLines)
{
    QList<PdfParagraph> text{
        {QStringLiteral("My Resources \u2014 Colorado"), 17, QFont::Bold},
        {QStringLiteral("Checked Dec 2026 \u00b7 MRBY Tenterly"), 8.5, QFont::Normal, false, Qt::gray, 4},
    };
    for (int i = 0; i < bodyLines; ++i)
        text.append({QStringLiteral("Line %1 of the body, long enough to wrap across a whole column.").arg(i), 9.5});
    return text;
}

QString allText(QPdfDocument &pdf)
{
    QString text;
    for (int page = 0; page < pdf.pageCount(); ++page)
        text += pdf.getAllText(page).text() + u'\n';
    return text;
}

} // namespace

class tst_PdfDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesWhatItLaysOut_data()
    {
        QTest::addColumn<int>("bodyLines");
        QTest::addColumn<int>("pages");
        QTest::newRow("short") << 3 << 1;
        // Two lines a paragraph, about 55 lines a column: four columns, two pages.
        QTest::newRow("long") << 100 << 2;
    }

    void writesWhatItLaysOut()
    {
        QFETCH(int, bodyLines);
        QFETCH(int, pages);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.pdf"));
        QList<int> hookPages;
        PdfDocument doc(sample(bodyLines), twoColumns(),
                        {QStringLiteral("My Resources \u2014 Colorado"), QStringLiteral("MRBY Tenterly (Marrowby)")},
                        [&](QPainter &, int page, int count) {
                            hookPages << page;
                            QCOMPARE(count, pages);
                        });
        QCOMPARE(doc.pageCount(), pages);
        QCOMPARE(doc.write(path), pages);
        QList<int> expectedPages;
        for (int i = 0; i < pages; ++i)
            expectedPages << i;
        QCOMPARE(hookPages, expectedPages);

        QPdfDocument pdf;
        QCOMPARE(pdf.load(path), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), pages);
        QCOMPARE(pdf.pagePointSize(0), QSizeF(612, 792));
        QCOMPARE(pdf.metaData(QPdfDocument::MetaDataField::Title).toString(),
                 QStringLiteral("My Resources \u2014 Colorado"));
        QCOMPARE(pdf.metaData(QPdfDocument::MetaDataField::Creator).toString(),
                 QStringLiteral("MRBY Tenterly (Marrowby)"));
        const QString text = allText(pdf);
        // Dashes and middle dots come back as written.
        QVERIFY2(text.contains(QStringLiteral("My Resources \u2014 Colorado")), qPrintable(text.left(200)));
        QVERIFY(text.contains(QStringLiteral("Checked Dec 2026 \u00b7 MRBY Tenterly")));
        QVERIFY(text.contains(QStringLiteral("Line %1 of the body").arg(bodyLines - 1)));
    }

    void textBeyondTheLimitIsLeftOut()
    {
        PdfPageLayout layout = twoColumns();
        layout.maxColumns = 3;
        PdfDocument doc(sample(400), layout, {});
        QCOMPARE(doc.columnCount(), 3);
        QCOMPARE(doc.pageCount(), 2);
    }

    void failedWriteLeavesNothing_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("read-only folder") << QStringLiteral("locked");
        QTest::newRow("missing folder") << QStringLiteral("missing/deeper");
    }

    void failedWriteLeavesNothing()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("locked"));
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QString path = dir.filePath(folder + QStringLiteral("/out.pdf"));
        // Root writes into read-only folders; a read-only file system stops it too.
        if (folder == QLatin1String("locked") && QFileInfo(locked).isWritable())
            path = QStringLiteral("/proc/out.pdf");
        PdfDocument doc(sample(3), twoColumns(), {});
        try {
            doc.write(path);
            QFAIL("the write succeeded");
        } catch (const DBError &e) {
            QCOMPARE(e.description, QStringLiteral("Could not create the PDF file."));
        }
        QVERIFY(!QFile::exists(path));
        QCOMPARE(QDir(locked).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).size(), 0);
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void printsThroughAPrinter_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::newRow("letter") << QPageSize(QPageSize::Letter);
        // A narrower sheet: the page is scaled down to fit it.
        QTest::newRow("a4") << QPageSize(QPageSize::A4);
    }

    void printsThroughAPrinter()
    {
        QFETCH(QPageSize, paper);
        QTemporaryDir dir;
        const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
        QString docName;
        int beeps = 0;
        const auto oldDialog = PdfPrint::replaceDialog([&](QPrinter &printer) {
            docName = printer.docName();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            printer.setPageSize(paper);
            return true;
        });
        const auto oldBeep = PdfPrint::replaceBeep([&] { ++beeps; });
        PdfDocument doc(sample(3), twoColumns(),
                        {QStringLiteral("My Resources \u2014 Colorado"), QStringLiteral("MRBY Tenterly (Marrowby)")});
        doc.print(QStringLiteral("MRBY Tenterly - My/Resources.pdf"));
        PdfPrint::replaceDialog(oldDialog);
        PdfPrint::replaceBeep(oldBeep);

        QCOMPARE(beeps, 0);
        // The dialog proposes the safe name for printing to a file; the
        // printed document keeps its title.
        QCOMPARE(docName, QStringLiteral("MRBY Tenterly - My-Resources.pdf"));
        // The print file stays in the temporary folder, its name kept inside it.
        QVERIFY(QFile::exists(QDir::temp().filePath(QStringLiteral("MRBY Tenterly - My-Resources.pdf"))));
        QPdfDocument pdf;
        QCOMPARE(pdf.load(printed), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), 1);
        QCOMPARE(pdf.metaData(QPdfDocument::MetaDataField::Title).toString(), QStringLiteral("My Resources \u2014 Colorado"));
        QCOMPARE(pdf.pagePointSize(0).toSize(), paper.sizePoints());
        const QString text = allText(pdf);
        QVERIFY2(text.contains(QStringLiteral("My Resources \u2014 Colorado")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Line 2 of the body")));
    }

    void printFailuresBeep()
    {
        int beeps = 0;
        int dialogs = 0;
        const auto oldDialog = PdfPrint::replaceDialog([&](QPrinter &) { ++dialogs; return false; });
        const auto oldBeep = PdfPrint::replaceBeep([&] { ++beeps; });
        PdfDocument doc(sample(3), twoColumns(), {});
        // A cancelled dialog is not a failure.
        doc.print(QStringLiteral("sheet.pdf"));
        QCOMPARE(dialogs, 1);
        QCOMPARE(beeps, 0);
        // A file that cannot be written beeps before any dialog.
        QVERIFY(QDir::temp().mkpath(QStringLiteral("taken.pdf")));
        QTest::ignoreMessage(QtWarningMsg, "The pages to print could not be written: Could not create the PDF file.");
        doc.print(QStringLiteral("taken.pdf"));
        QDir::temp().rmdir(QStringLiteral("taken.pdf"));
        QCOMPARE(dialogs, 1);
        QCOMPARE(beeps, 1);
        PdfPrint::replaceDialog(oldDialog);
        PdfPrint::replaceBeep(oldBeep);
    }

    void safeFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("safe");
        QTest::newRow("plain") << QStringLiteral("My Resources - Colorado.pdf") << QStringLiteral("My Resources - Colorado.pdf");
        QTest::newRow("slashes") << QStringLiteral("../../etc/x.pdf") << QStringLiteral("..-..-etc-x.pdf");
        QTest::newRow("control") << QStringLiteral("a\nb\tc\u0001.pdf") << QStringLiteral("a-b-c-.pdf");
        QTest::newRow("line breaks") << QStringLiteral("a\u2028b\u2029c\r\nd.pdf") << QStringLiteral("a-b-c--d.pdf");
        QTest::newRow("quotes") << QStringLiteral("Money Plan - \"Jo\" Bo.pdf") << QStringLiteral("Money Plan - 'Jo' Bo.pdf");
        QTest::newRow("dots alone") << QStringLiteral("..") << QStringLiteral("-");
        // At most 255 bytes of UTF-8, cut before the extension between whole characters.
        QTest::newRow("300 letters") << QString(300, u'a') + QStringLiteral(".pdf")
                                     << QString(251, u'a') + QStringLiteral(".pdf");
        QTest::newRow("two-byte letters") << QString(200, u'\u00e9') + QStringLiteral(".pdf")
                                          << QString(125, u'\u00e9') + QStringLiteral(".pdf");
        QTest::newRow("accents stay on their letters") << QStringLiteral("e\u0301").repeated(100) + QStringLiteral(".pdf")
                                                       << QStringLiteral("e\u0301").repeated(83) + QStringLiteral(".pdf");
        QTest::newRow("emoji stay whole") << QStringLiteral("\U0001F469\u200D\U0001F467").repeated(30) + QStringLiteral(".pdf")
                                          << QStringLiteral("\U0001F469\u200D\U0001F467").repeated(22) + QStringLiteral(".pdf");
        QTest::newRow("no extension") << QString(300, u'b') << QString(255, u'b');
        QTest::newRow("exactly 255 bytes") << QString(251, u'c') + QStringLiteral(".pdf")
                                           << QString(251, u'c') + QStringLiteral(".pdf");
        QTest::newRow("empty") << QString() << QStringLiteral("-");
    }

    void safeFileNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, safe);
        QCOMPARE(PdfPrint::safeFileName(name), safe);
        QVERIFY(safe.toUtf8().size() <= 255);
        QCOMPARE(QFileInfo(PdfPrint::tempPath(name)).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    }
};

QTEST_MAIN(tst_PdfDocument)
#include "tst_PdfDocument.moc"
