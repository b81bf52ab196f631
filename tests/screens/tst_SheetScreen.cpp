#include "PdfText.h"

#include "screens/SaveAnswers.h"
#include "services/AppFixture.h"

#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/app/TLButtonStyle.h"
#include "look/kit/Prefs.h"
#include "pdf/PdfPrint.h"
#include "screens/FileReveal.h"
#include "screens/SheetScreen.h"
#include "services/AppModel.h"
#include "services/Opener.h"
#include "widgets/StatePrompt.h"

#include <QDBusConnection>
#include <QLabel>
#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {

QStringList labelTexts(const QWidget *root)
{
    QStringList out;
    for (const QLabel *l : root->findChildren<QLabel *>())
        out << l->text();
    return out;
}

QString messageOf(const SheetScreen &screen)
{
    const auto *label = screen.findChild<QLabel *>(QStringLiteral("sheetMessage"));
    return label ? label->text() : QString();
}

} // namespace

class tst_SheetScreen : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;
    SaveAnswers m_save;

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        m_model = appfixture::makeModel(m_dir.path());
        QVERIFY(m_model && m_model->data() && m_model->favorites());
    }

    void init()
    {
        m_save.clear();
        m_save.asWindow = false;
        m_model->setStateCode(QStringLiteral("CO"));
    }

    void noStateAsksForOne()
    {
        m_model->setStateCode(QString());
        SheetScreen screen(*m_model);
        QVERIFY(screen.findChild<StatePrompt *>());
        QCOMPARE(screen.findChild<QLabel *>(QStringLiteral("sheetPreviewTitle"))->text(), QStringLiteral("My Resources"));
        screen.findChild<QAbstractButton *>(QStringLiteral("sheetSaveTextButton"))->click();
        QCOMPARE(m_save.requests.size(), 1);
        QCOMPARE(QFileInfo(m_save.requests.first().suggestedPath).fileName(), QStringLiteral("My Resources.txt"));
        QCOMPARE(m_save.requests.first().suffix, QStringLiteral("txt"));
        // Nothing was saved yet in this session: the home folder.
        QCOMPARE(QFileInfo(m_save.requests.first().suggestedPath).absolutePath(), QDir::homePath());
    }

    void stateChosen()
    {
        SheetScreen screen(*m_model);
        QVERIFY(!screen.findChild<StatePrompt *>());
        QCOMPARE(screen.findChild<QLabel *>(QStringLiteral("sheetPreviewTitle"))->text(),
                 QStringLiteral("My Resources \u2014 Colorado"));
        QVERIFY(labelTexts(&screen).contains(QStringLiteral("Overnight: Allowed \u00b7 Time limit: 8 hours")));
        // Only Print is drawn in the accent colour.
        const auto *print = screen.findChild<TLButton *>(QStringLiteral("sheetPrintButton"));
        QVERIFY(print && print->buttonStyle().color && print->buttonStyle().big);
        for (const char *name : {"sheetSavePDFButton", "sheetSaveHTMLButton", "sheetSaveTextButton"}) {
            const auto *b = screen.findChild<TLButton *>(QLatin1String(name));
            QVERIFY(b && !b->buttonStyle().color && !b->buttonStyle().textColor && b->buttonStyle().big);
        }
    }

    void savesEachKind_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("pdf") << "sheetSavePDFButton" << "My Resources - Colorado.pdf";
        QTest::newRow("html") << "sheetSaveHTMLButton" << "My Resources - Colorado.html";
        QTest::newRow("text") << "sheetSaveTextButton" << "My Resources - Colorado.txt";
    }

    void savesEachKind()
    {
        QFETCH(QString, button);
        QFETCH(QString, suggested);
        SheetScreen screen(*m_model);
        m_save.answer = m_dir.filePath(QStringLiteral("out-") + suggested);
        screen.findChild<QAbstractButton *>(button)->click();
        QCOMPARE(m_save.requests.size(), 1);
        QCOMPARE(QFileInfo(m_save.requests.first().suggestedPath).fileName(), suggested);
        QCOMPARE(screen.message(), QStringLiteral("Saved: out-") + suggested);
        QCOMPARE(messageOf(screen), screen.message());
        QCOMPARE(m_save.revealed, QStringList{m_save.answer});

        const ResourceSheet sheet = ResourceSheet::build(QStringLiteral("CO"), *m_model->data(),
                                                         m_model->favorites()->items());
        QFile file(m_save.answer);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (suggested.endsWith(QLatin1String(".pdf"))) {
            QPdfDocument pdf;
            QCOMPARE(pdf.load(m_save.answer), QPdfDocument::Error::None);
            QCOMPARE(pdf.pageCount(), 1);
        } else if (suggested.endsWith(QLatin1String(".html"))) {
            QCOMPARE(QString::fromUtf8(bytes), sheet.html());
        } else {
            QCOMPARE(QString::fromUtf8(bytes), sheet.plainText());
        }
    }

    // The sheet's name as the save dialog can take it: a quote would make
    // Qt's dialog save under part of it, a slash lead into a folder.
    void suggestedName_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("state") << "Colorado" << int(SheetScreen::Kind::html) << "My Resources - Colorado.html";
        QTest::newRow("none") << "" << int(SheetScreen::Kind::pdf) << "My Resources.pdf";
        QTest::newRow("quote") << "Jo \"Bo" << int(SheetScreen::Kind::pdf) << "My Resources - Jo 'Bo.pdf";
        QTest::newRow("slash") << "Jo/Bo" << int(SheetScreen::Kind::text) << "My Resources - Jo-Bo.txt";
    }

    void suggestedName()
    {
        QFETCH(QString, state);
        QFETCH(int, kind);
        QFETCH(QString, expected);
        ResourceSheet sheet;
        sheet.stateName = state;
        QCOMPARE(SheetScreen::suggestedName(sheet, SheetScreen::Kind(kind)), expected);
    }

    void typedLinesAndEachSaveStartsWhereTheLastWent()
    {
        // A two-line note, saved by keyboard into a folder of the person's choice.
        const Listing snap = m_model->data()->stateListings(QStringLiteral("CO"), QStringLiteral("snap_application")).first();
        m_model->favorites()->add(snap.uid, snap.name);
        m_model->favorites()->setNote(snap.uid, QStringLiteral("Call 303-555-1234\r\n9 am to 5 pm"));
        SheetScreen screen(*m_model);
        screen.resize(1000, 900);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        const QString folder = m_dir.filePath(QStringLiteral("chosen"));
        QVERIFY(QDir().mkpath(folder));
        const auto press = [&](const char *button, const QString &answer) {
            m_save.answer = answer;
            screen.findChild<QAbstractButton *>(QLatin1String(button))->setFocus(Qt::TabFocusReason);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(button));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            // The sheet is built again with the message; the focus stays on
            // the button, so the next Tab goes on from there.
            // The window manager gives the window back its activation.
            screen.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&screen));
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(button));
        };
        m_save.asWindow = true;
        press("sheetSaveHTMLButton", folder + QStringLiteral("/sheet.html"));
        QCOMPARE(screen.message(), QStringLiteral("Saved: sheet.html"));
        press("sheetSaveTextButton", folder + QStringLiteral("/sheet.txt"));
        press("sheetSavePDFButton", folder + QStringLiteral("/sheet.pdf"));
        QCOMPARE(screen.message(), QStringLiteral("Saved: sheet.pdf"));
        QCOMPARE(m_save.requests.size(), 3);
        for (const SaveFile::Request &r : m_save.requests.mid(1))
            QCOMPARE(QFileInfo(r.suggestedPath).absolutePath(), folder);

        // Each file read back by a reader other than the writer shows the two lines.
        const QStringList lines{QStringLiteral("My note: Call 303-555-1234"), QStringLiteral("9 am to 5 pm")};
        QFile html(folder + QStringLiteral("/sheet.html"));
        QVERIFY(html.open(QIODevice::ReadOnly));
        QTextDocument page;
        page.setHtml(QString::fromUtf8(html.readAll()));
        QVERIFY(page.toPlainText().replace(QChar::LineSeparator, u'\n').contains(lines.join(u'\n')));
        // In the text file the note's second line keeps its entry's indent,
        // and the file ends with a line feed.
        QFile text(folder + QStringLiteral("/sheet.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QString written = QString::fromUtf8(text.readAll());
        QVERIFY(written.contains(QStringLiteral("\n  ") + lines.join(QStringLiteral("\n  ")) + u'\n'));
        QVERIFY(written.endsWith(ResourceSheet::footer() + u'\n'));
        QVERIFY(pdftext::read(folder + QStringLiteral("/sheet.pdf")).contains(lines.join(u'\n')));
        m_model->favorites()->remove(snap.uid);
    }

    void cancelLeavesEverything()
    {
        SheetScreen screen(*m_model);
        m_save.answer = m_dir.filePath(QStringLiteral("first.txt"));
        screen.findChild<QAbstractButton *>(QStringLiteral("sheetSaveTextButton"))->click();
        const QString before = screen.message();
        m_save.answer.clear();
        screen.findChild<QAbstractButton *>(QStringLiteral("sheetSavePDFButton"))->click();
        QCOMPARE(m_save.requests.size(), 2);
        QCOMPARE(screen.message(), before);
        QCOMPARE(m_save.revealed.size(), 1);
    }

    void failureSaysWhy_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("pdf") << "sheetSavePDFButton" << "Could not save: Could not create the PDF file.";
        QTest::newRow("text") << "sheetSaveTextButton" << "Could not save: The file could not be written (";
    }

    void failureSaysWhy()
    {
        QFETCH(QString, button);
        QFETCH(QString, message);
        SheetScreen screen(*m_model);
        m_save.answer = m_dir.filePath(QStringLiteral("no/such/folder/sheet"));
        screen.findChild<QAbstractButton *>(button)->click();
        QVERIFY2(screen.message().startsWith(message), qPrintable(screen.message()));
        QCOMPARE(messageOf(screen), screen.message());
        QVERIFY(m_save.revealed.isEmpty());
        QVERIFY(!QFile::exists(m_save.answer));
    }

    void previewFollowsMyListAndState()
    {
        SheetScreen screen(*m_model);
        m_save.answer = m_dir.filePath(QStringLiteral("kept.txt"));
        screen.findChild<QAbstractButton *>(QStringLiteral("sheetSaveTextButton"))->click();
        const Listing snap = m_model->data()->stateListings(QStringLiteral("CO"), QStringLiteral("snap_application")).first();
        m_model->favorites()->add(snap.uid, snap.name);
        m_model->favorites()->setNote(snap.uid, QStringLiteral("Bring the letter"));
        QTRY_VERIFY(labelTexts(&screen).contains(QStringLiteral("My note: Bring the letter")));
        // The message line stays through a rebuild.
        QCOMPARE(messageOf(screen), QStringLiteral("Saved: kept.txt"));
        m_model->setStateCode(QStringLiteral("TX"));
        QTRY_COMPARE(screen.findChild<QLabel *>(QStringLiteral("sheetPreviewTitle"))->text(),
                     QStringLiteral("My Resources \u2014 Texas"));
        m_model->favorites()->remove(snap.uid);
    }

    void printButtonPrintsTheSheet()
    {
        SheetScreen screen(*m_model);
        QStringList jobs;
        const auto old = PdfPrint::replaceDialog([&](QPrinter &p) { jobs << p.docName(); return false; });
        screen.findChild<QAbstractButton *>(QStringLiteral("sheetPrintButton"))->click();
        PdfPrint::replaceDialog(old);
        QCOMPARE(jobs, QStringList{QStringLiteral("MRBY Tenterly - My Resources \u2014 Colorado.pdf")});
        QVERIFY(screen.message().isEmpty());
        // The print went through a file named after the application and the sheet.
        const QString printed = PdfPrint::tempPath(QStringLiteral("MRBY Tenterly - My Resources \u2014 Colorado.pdf"));
        QVERIFY(pdftext::read(printed).startsWith(QStringLiteral("My Resources \u2014 Colorado\n")));
    }

    void withoutDataOnlyTheHeader()
    {
        QTemporaryDir empty;
        AppModel broken(empty.filePath(QStringLiteral("missing")), empty.filePath(QStringLiteral("list.sqlite")));
        QVERIFY(!broken.data());
        broken.setStateCode(QString());
        SheetScreen screen(broken);
        QVERIFY(screen.findChild<StatePrompt *>());
        QVERIFY(!screen.findChild<QWidget *>(QStringLiteral("sheetPreview")));
        QVERIFY(!screen.findChild<QWidget *>(QStringLiteral("sheetPrintButton")));
    }

    void revealWithoutAFileManagerOpensTheFolder()
    {
        if (QDBusConnection::sessionBus().isConnected())
            QSKIP("a desktop session bus is running; its file manager would open");
        QStringList opened;
        const Opener::Function old = Opener::replace([&](const QString &url) { opened << url; });
        FileReveal::revealWithDesktop(QStringLiteral("/tmp/My Folder/My Resources.pdf"));
        Opener::replace(old);
        QCOMPARE(opened, QStringList{QStringLiteral("file:///tmp/My%20Folder")});
    }
};

QTEST_MAIN(tst_SheetScreen)
#include "tst_SheetScreen.moc"
