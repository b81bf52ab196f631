// The help viewer: blocks of the light markup, which topic is on the page
// after a search or a click, the "Nothing found" line, the Help menu, and the
// one help window. Writes pictures of the window under look-shots/.

#include "LookShots.h"

#include "look/app/TLThemes.h"
#include "look/kit/KitFont.h"
#include "look/kit/MBLinks.h"
#include "look/kit/MBSearchField.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYHelpCommands.h"
#include "look/kit/MRBYHelpViewer.h"
#include "look/kit/MRBYHelpWindow.h"
#include "look/kit/MRBYKit.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QtTest>

using Block = MRBYHelpViewer::Block;
using Kind = MRBYHelpViewer::Block::Kind;
Q_DECLARE_METATYPE(QList<MRBYHelpViewer::Block>)

namespace {

const QList<MRBYHelpTopic> appTopics = {
    {"start", "Getting started",
     "## First steps\nPick your state at the top.\n\n\u2022 Search finds places.\n\u2022 Save & note what matters.",
     {"begin"}},
    {"sheet", "Printing a resources sheet",
     "Print a one-page sheet for your state.\n## Print\n\u2022 File \u2192 Print Sheet", {"print", "paper"}},
    {"unconfirmed", "What \u201cunconfirmed\u201d means",
     "Some listings could not be checked. Call first.\nAsterisks stay: **not bold**.", {"badge"}},
};

} // namespace

class HelpViewerTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setFont(KitFont::font(13));
        MRBYThemes::setDefaultID(TLThemes::warmID);
        MRBYKit::install(QStringLiteral("MRBY Tenterly"), appTopics, TLThemes::extras());
    }

    void init() { Prefs::shared().clear(); }

    void parse_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QList<Block>>("blocks");
        QTest::newRow("heading, paragraph, bullets, blank lines")
            << QStringLiteral("## Title\n\nSome text.\n\n\n\u2022 one\n\u2022 two")
            << QList<Block>{{Kind::Heading, QStringLiteral("Title")},
                            {Kind::Paragraph, QStringLiteral("Some text.")},
                            {Kind::Bullet, QStringLiteral("one")},
                            {Kind::Bullet, QStringLiteral("two")}};
        QTest::newRow("leading and trailing white space")
            << QStringLiteral("   ## Heading  \n\t\u2022 bullet\t\n \u00A0 plain \u3000")
            << QList<Block>{{Kind::Heading, QStringLiteral("Heading")},
                            {Kind::Bullet, QStringLiteral("bullet")},
                            {Kind::Paragraph, QStringLiteral("plain")}};
        QTest::newRow("marks need their space")
            << QStringLiteral("##\n##Text\n\u2022Text\n### Three")
            << QList<Block>{{Kind::Paragraph, QStringLiteral("##")},
                            {Kind::Paragraph, QStringLiteral("##Text")},
                            {Kind::Paragraph, QStringLiteral("\u2022Text")},
                            {Kind::Paragraph, QStringLiteral("### Three")}};
        QTest::newRow("text after the mark is kept as written")
            << QStringLiteral("##  two spaces\n\u2022 **bold?** <b>x</b> https://example.org")
            << QList<Block>{{Kind::Heading, QStringLiteral(" two spaces")},
                            {Kind::Bullet, QStringLiteral("**bold?** <b>x</b> https://example.org")}};
        QTest::newRow("only blank lines") << QStringLiteral("\n \n\t\n") << QList<Block>{};
        QTest::newRow("empty") << QString() << QList<Block>{};
    }

    void parse()
    {
        QFETCH(QString, body);
        QFETCH(QList<Block>, blocks);
        QCOMPARE(MRBYHelpViewer::parse(body), blocks);
    }

    void initialTopic_data()
    {
        QTest::addColumn<std::optional<QString>>("initial");
        QTest::addColumn<QString>("shown");
        QTest::newRow("look") << std::optional<QString>("look") << QStringLiteral("look");
        QTest::newRow("none: first listed") << std::optional<QString>() << QStringLiteral("start");
        QTest::newRow("unknown id: first listed") << std::optional<QString>("no-such-topic") << QStringLiteral("start");
    }

    void initialTopic()
    {
        QFETCH(std::optional<QString>, initial);
        QFETCH(QString, shown);
        MRBYHelpViewer v(initial);
        QCOMPARE(v.shownID(), std::optional<QString>(shown));
        QCOMPARE(v.highlightedID(), std::optional<QString>(shown));
        QCOMPARE(v.listedIDs(), (QStringList{"start", "sheet", "unconfirmed", "look", "about"}));
        if (shown != QStringLiteral("look"))
            return;
        QCOMPARE(v.page()->findChild<QLabel *>(QStringLiteral("helpTitle"))->text(),
                 QStringLiteral("Themes and interface zoom"));
        // The look topic's blank lines leave seven blocks: 2 headings, 2 paragraphs, 3 bullets.
        QCOMPARE(v.page()->findChildren<QLabel *>(QStringLiteral("helpHeading")).size(), 2);
        QCOMPARE(v.page()->findChildren<QWidget *>(QStringLiteral("helpBullet")).size(), 3);
        QCOMPARE(v.page()->findChildren<QLabel *>(QStringLiteral("helpParagraph")).size(), 2);
        // Help text is never read as markup; headings are in the accent colour.
        for (QLabel *l : v.page()->findChildren<QLabel *>())
            QCOMPARE(l->textFormat(), Qt::PlainText);
        QCOMPARE(v.page()->findChild<QLabel *>(QStringLiteral("helpHeading"))->palette().color(QPalette::WindowText),
                 MRBYKitHost::theme().accent);
    }

    void clickThenSearch()
    {
        MRBYHelpViewer v;
        v.resize(860, 600);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QAbstractButton *sheetRow = v.topicRows().at(1);
        QCOMPARE(sheetRow->text(), QStringLiteral("Printing a resources sheet"));
        QTest::mouseClick(sheetRow, Qt::LeftButton);
        QCOMPARE(v.shownID(), std::optional<QString>(QStringLiteral("sheet")));
        QCOMPARE(v.highlightedID(), std::optional<QString>(QStringLiteral("sheet")));

        // The search field is typed into and stays the same widget.
        QLineEdit *edit = v.searchField()->lineEdit();
        QTest::keyClicks(edit, QStringLiteral("ZOOM"));
        QCOMPARE(v.query(), QStringLiteral("ZOOM"));
        QCOMPARE(v.listedIDs(), QStringList{QStringLiteral("look")});
        QCOMPARE(v.shownID(), std::optional<QString>(QStringLiteral("sheet")));
        QCOMPARE(v.highlightedID(), std::nullopt);
        QCOMPARE(v.searchField()->lineEdit(), edit);

        // Clicking the listed topic moves the page.
        QTest::mouseClick(v.topicRows().first(), Qt::LeftButton);
        QCOMPARE(v.shownID(), std::optional<QString>(QStringLiteral("look")));
        QCOMPARE(v.highlightedID(), std::optional<QString>(QStringLiteral("look")));
    }

    void searchWithoutResult()
    {
        MRBYHelpViewer v;
        // A search moves the page to the first listed topic.
        v.setQuery(QStringLiteral("print"));
        QCOMPARE(v.listedIDs().first(), QStringLiteral("sheet"));
        QCOMPARE(v.shownID(), std::optional<QString>(QStringLiteral("sheet")));
        QCOMPARE(v.highlightedID(), std::optional<QString>(QStringLiteral("sheet")));

        v.setQuery(QStringLiteral("  xyzzy "));
        QVERIFY(v.listedIDs().isEmpty());
        QVERIFY(v.topicRows().isEmpty());
        QCOMPARE(v.nothingFoundText(), QStringLiteral("Nothing found for \"  xyzzy \"."));
        QCOMPARE(v.shownID(), std::nullopt);
        QVERIFY(!v.page());

        // With an initial topic the page stays while nothing is listed.
        MRBYHelpViewer withTopic(QStringLiteral("about"));
        withTopic.setQuery(QStringLiteral("xyzzy"));
        QCOMPARE(withTopic.shownID(), std::optional<QString>(QStringLiteral("about")));
        QVERIFY(withTopic.page());

        // Clearing the search lists every topic again.
        v.searchField()->setText(QString());
        QCOMPARE(v.listedIDs().size(), 5);
        QVERIFY(v.nothingFoundText().isEmpty());
        QCOMPARE(v.shownID(), std::optional<QString>(QStringLiteral("start")));
    }

    void helpMenu()
    {
        QList<std::optional<QString>> asked;
        const MRBYHelp::Opener previous = MRBYHelp::opener();
        MRBYHelp::setOpener([&](const std::optional<QString> &t) { asked << t; });
        QStringList opened;
        const MBLinks::Opener previousLinks = MBLinks::opener();
        MBLinks::setOpener([&](const QString &u) { opened << u; });

        MRBYHelpCommands menu;
        QCOMPARE(menu.title(), QStringLiteral("&Help"));
        const QList<QAction *> items = menu.actions();
        QCOMPARE(items.size(), 1 + 1 + 5 + 1 + 1);
        QCOMPARE(items[0]->text(), QStringLiteral("MRBY Tenterly Help"));
        QCOMPARE(items[0]->shortcuts().size(), 2);
        // The application's topics first, then the kit's.
        QCOMPARE(menu.topicActions()[2]->text(), QStringLiteral("What \u201cunconfirmed\u201d means"));
        QCOMPARE(menu.topicActions()[4]->text(), QStringLiteral("About Marrowby"));
        QCOMPARE(items[8], menu.websiteAction());
        QCOMPARE(items[8]->text(), QStringLiteral("Marrowby Website"));

        items[0]->trigger();
        menu.topicActions()[3]->trigger();
        menu.websiteAction()->trigger();
        QCOMPARE(asked, (QList<std::optional<QString>>{std::nullopt, QStringLiteral("look")}));
        QCOMPARE(opened, QStringList{MRBYKitHost::creditURLText()});

        // The first item follows the application name; its shortcut survives.
        MRBYKitHost::setAppName(QStringLiteral("Road & Rest"));
        menu.rebuild();
        QCOMPARE(menu.helpAction()->text(), QStringLiteral("Road && Rest Help"));
        QCOMPARE(menu.actions().first(), menu.helpAction());
        QVERIFY(!menu.helpAction()->shortcuts().isEmpty());
        MRBYKitHost::setAppName(QStringLiteral("MRBY Tenterly"));

        // Opening the menu (and closing it) leaves the first item working.
        asked.clear();
        Q_EMIT menu.aboutToShow();
        Q_EMIT menu.aboutToShow();
        menu.helpAction()->trigger();
        QCOMPARE(asked, (QList<std::optional<QString>>{std::nullopt}));

        MRBYHelp::setOpener(previous);
        MBLinks::setOpener(previousLinks);
    }

    void oneWindowReused()
    {
        QVERIFY(!MRBYHelpWindow::instance());
        MRBYHelp::show(QStringLiteral("look"));
        MRBYHelpWindow *w = MRBYHelpWindow::instance();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("MRBY Tenterly Help"));
        QCOMPARE(w->viewer()->shownID(), std::optional<QString>(QStringLiteral("look")));
        w->viewer()->setQuery(QStringLiteral("print"));

        w->move(40, 30);
        w->resize(900, 640);
        const QRect frame = w->geometry();
        w->close();

        MRBYHelp::show(QStringLiteral("sheet"));
        QCOMPARE(MRBYHelpWindow::instance(), w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->geometry(), frame);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A fresh viewer: empty search, the requested topic.
        QCOMPARE(w->viewer()->searchField()->text(), QString());
        QCOMPARE(w->viewer()->shownID(), std::optional<QString>(QStringLiteral("sheet")));
        QCOMPARE(w->findChildren<MRBYHelpViewer *>().size(), 1);
        QCOMPARE(QApplication::topLevelWidgets().count(w), 1);
        // The frame is remembered for the next run.
        QVERIFY(Prefs::shared().string(MRBYHelpWindow::frameKey()).has_value());
        w->close();
    }

    void longPageWrapsAndScrolls()
    {
        QStringList lines;
        for (int i = 0; i < 30; ++i)
            lines << QStringLiteral("## Part %1").arg(i)
                  << QStringLiteral("A long paragraph that has to wrap onto several lines inside the page "
                                    "so that nothing is cut off at the right edge of the panel, number %1.")
                         .arg(i);
        const QList<MRBYHelpTopic> saved = MRBYHelp::topics();
        MRBYHelp::setTopics({{QStringLiteral("long"),
                              QStringLiteral("A topic title long enough to need two lines in the list"),
                              lines.join(QLatin1Char('\n')),
                              {}}});
        MRBYHelpViewer v;
        v.resize(860, 600);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QVERIFY(lookshots::save(&v, QStringLiteral("help-long-page")));
        const QList<QLabel *> paras = v.page()->findChildren<QLabel *>(QStringLiteral("helpParagraph"));
        QCOMPARE(paras.size(), 30);
        QVERIFY(paras.first()->height() >= paras.first()->heightForWidth(paras.first()->width()));
        QVERIFY(paras.first()->height() >= 2 * paras.first()->fontMetrics().lineSpacing());
        // The page is taller than the panel: it scrolls.
        QVERIFY(v.page()->height() > 600);
        // The long title wraps instead of being cut.
        QAbstractButton *row = v.topicRows().first();
        QVERIFY(row->height() > 2 * row->fontMetrics().height());
        MRBYHelp::setTopics(saved);
    }

    void shots()
    {
        for (const lookshots::Look &t : lookshots::looks()) {
            Prefs::shared().setString(MRBYThemes::key, t.theme);
            MRBYHelp::showWindow(QStringLiteral("start"));
            MRBYHelpWindow *w = MRBYHelpWindow::instance();
            w->resize(860, 600);
            QVERIFY(lookshots::save(w, QStringLiteral("help-topic-") + t.name));
            MRBYHelp::showWindow(QStringLiteral("look"));
            QVERIFY(lookshots::save(w, QStringLiteral("help-look-") + t.name));
            MRBYHelp::showWindow(std::nullopt);
            w->viewer()->setQuery(QStringLiteral("snow chains"));
            QVERIFY(!w->viewer()->nothingFoundText().isEmpty());
            QVERIFY(lookshots::save(w, QStringLiteral("help-nothing-found-") + t.name));
        }
        MRBYHelpWindow::instance()->close();
    }
};


QTEST_MAIN(HelpViewerTest)
#include "tst_HelpViewer.moc"
