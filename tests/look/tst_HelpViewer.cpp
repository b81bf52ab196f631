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

QList<MRBYHelpTopic> appTopics()
{
    return {
        {QStringLiteral("start"), QStringLiteral("Getting started"),
         QStringLiteral("## First steps\nPick your state at the top.\n\n• Search finds places.\n"
                        "• Save & note what matters."),
         {QStringLiteral("begin")}},
        {QStringLiteral("sheet"), QStringLiteral("Printing a resources sheet"),
         QStringLiteral("Print a one-page sheet for your state.\n## Print\n• File \u2192 Print Sheet"),
         {QStringLiteral("print"), QStringLiteral("paper")}},
        {QStringLiteral("unconfirmed"), QStringLiteral("What \u201cunconfirmed\u201d means"),
         QStringLiteral("Some listings could not be checked. Call first.\n"
                        "Asterisks stay: **not bold**."),
         {QStringLiteral("badge")}},
    };
}

} // namespace

class HelpViewerTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void parse_data();
    void parse();
    void lookTopicBlocks();
    void blockWidgets();
    void initialTopicShown();
    void firstTopicWithoutInitial();
    void clickThenSearch();
    void searchWithoutResult();
    void searchMovesFirstListed();
    void helpMenu();
    void oneWindowReused();
    void longPageWrapsAndScrolls();
    void shots();
};

void HelpViewerTest::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(KitFont::font(13));
    MRBYThemes::setDefaultID(TLThemes::warmID);
    MRBYKit::install(QStringLiteral("MRBY Tenterly"), appTopics(), TLThemes::extras());
}

void HelpViewerTest::init() { Prefs::shared().clear(); }

void HelpViewerTest::parse_data()
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

void HelpViewerTest::parse()
{
    QFETCH(QString, body);
    QFETCH(QList<Block>, blocks);
    QCOMPARE(MRBYHelpViewer::parse(body), blocks);
}

void HelpViewerTest::lookTopicBlocks()
{
    QList<Kind> kinds;
    for (const Block &b : MRBYHelpViewer::parse(MRBYHelp::lookTopic().body))
        kinds << b.kind;
    QCOMPARE(kinds, (QList<Kind>{Kind::Heading, Kind::Paragraph, Kind::Heading, Kind::Paragraph,
                                 Kind::Bullet, Kind::Bullet, Kind::Bullet}));
}

void HelpViewerTest::blockWidgets()
{
    const QList<QWidget *> widgets =
        MRBYHelpViewer::blocks(QStringLiteral("## Head & co\n\nLine <b>one</b>\n\u2022 item"));
    QCOMPARE(widgets.size(), 3);
    auto *heading = qobject_cast<QLabel *>(widgets[0]);
    QVERIFY(heading);
    QCOMPARE(heading->objectName(), QStringLiteral("helpHeading"));
    QCOMPARE(heading->text(), QStringLiteral("Head & co"));
    QCOMPARE(heading->textFormat(), Qt::PlainText);
    QCOMPARE(heading->font().weight(), QFont::Bold);
    QVERIFY(qAbs(KitFont::pixelSize(heading->font()) - 15.0) < 0.01);
    QCOMPARE(heading->palette().color(QPalette::WindowText), MRBYKitHost::theme().accent);
    QCOMPARE(heading->contentsMargins().top(), 6);

    auto *para = qobject_cast<QLabel *>(widgets[1]);
    QVERIFY(para);
    QCOMPARE(para->text(), QStringLiteral("Line <b>one</b>"));
    QCOMPARE(para->textFormat(), Qt::PlainText);
    QVERIFY(para->wordWrap());

    QCOMPARE(widgets[2]->objectName(), QStringLiteral("helpBullet"));
    auto *sign = widgets[2]->findChild<QLabel *>(QStringLiteral("helpBulletSign"));
    auto *text = widgets[2]->findChild<QLabel *>(QStringLiteral("helpBulletText"));
    QVERIFY(sign && text);
    QCOMPARE(sign->text(), QStringLiteral("\u2022"));
    QCOMPARE(text->text(), QStringLiteral("item"));
    QCOMPARE(sign->palette().color(QPalette::WindowText), MRBYKitHost::theme().accent);
    qDeleteAll(widgets);
}

void HelpViewerTest::initialTopicShown()
{
    MRBYHelpViewer v(QStringLiteral("look"));
    QCOMPARE(v.shownID(), std::optional<QString>(QStringLiteral("look")));
    QCOMPARE(v.highlightedID(), std::optional<QString>(QStringLiteral("look")));
    QCOMPARE(v.listedIDs(), (QStringList{QStringLiteral("start"), QStringLiteral("sheet"),
                                         QStringLiteral("unconfirmed"), QStringLiteral("look"),
                                         QStringLiteral("about")}));
    auto *title = v.page()->findChild<QLabel *>(QStringLiteral("helpTitle"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Themes and interface zoom"));
    // Seven blocks for the look topic, then divider and credit line.
    QCOMPARE(v.page()->findChildren<QLabel *>(QStringLiteral("helpHeading")).size(), 2);
    QCOMPARE(v.page()->findChildren<QWidget *>(QStringLiteral("helpBullet")).size(), 3);
    QCOMPARE(v.page()->findChildren<QLabel *>(QStringLiteral("helpParagraph")).size(), 2);
}

void HelpViewerTest::firstTopicWithoutInitial()
{
    MRBYHelpViewer v;
    QCOMPARE(v.shownID(), std::optional<QString>(QStringLiteral("start")));
    // An id no topic has falls back to the first listed topic.
    MRBYHelpViewer unknown(QStringLiteral("no-such-topic"));
    QCOMPARE(unknown.shownID(), std::optional<QString>(QStringLiteral("start")));
}

void HelpViewerTest::clickThenSearch()
{
    MRBYHelpViewer v;
    v.resize(860, 600);
    v.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v));
    QAbstractButton *sheetRow = nullptr;
    for (QAbstractButton *b : v.topicRows()) {
        if (b->text() == QStringLiteral("Printing a resources sheet"))
            sheetRow = b;
    }
    QVERIFY(sheetRow);
    QTest::mouseClick(sheetRow, Qt::LeftButton);
    QCOMPARE(v.selected(), std::optional<QString>(QStringLiteral("sheet")));
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

void HelpViewerTest::searchWithoutResult()
{
    MRBYHelpViewer v;
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

void HelpViewerTest::searchMovesFirstListed()
{
    MRBYHelpViewer v;
    v.setQuery(QStringLiteral("print"));
    QCOMPARE(v.listedIDs().first(), QStringLiteral("sheet"));
    QCOMPARE(v.shownID(), std::optional<QString>(QStringLiteral("sheet")));
    QCOMPARE(v.highlightedID(), std::optional<QString>(QStringLiteral("sheet")));
}

void HelpViewerTest::helpMenu()
{
    QList<std::optional<QString>> asked;
    const MRBYHelp::Opener previous = MRBYHelp::opener();
    MRBYHelp::setOpener([&](const std::optional<QString> &t) { asked << t; });
    QStringList opened;
    const MBLinks::Opener previousLinks = MBLinks::opener();
    MBLinks::setOpener([&](const QString &u) { opened << u; });

    MRBYHelpCommands menu;
    QCOMPARE(menu.title(), QStringLiteral("Help"));
    const QList<QAction *> items = menu.actions();
    QCOMPARE(items.size(), 1 + 1 + 5 + 1 + 1);
    QCOMPARE(items[0]->text(), QStringLiteral("MRBY Tenterly Help"));
    QCOMPARE(items[0]->shortcuts(),
             (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+?")), QKeySequence(Qt::Key_F1)}));
    QCOMPARE(items[0]->shortcutContext(), Qt::ApplicationShortcut);
    QVERIFY(items[1]->isSeparator());
    QStringList titles;
    for (QAction *a : menu.topicActions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{QStringLiteral("Getting started"),
                                  QStringLiteral("Printing a resources sheet"),
                                  QStringLiteral("What \u201cunconfirmed\u201d means"),
                                  QStringLiteral("Themes and interface zoom"),
                                  QStringLiteral("About Marrowby")}));
    QVERIFY(items[7]->isSeparator());
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

    MRBYHelp::setOpener(previous);
    MBLinks::setOpener(previousLinks);
}

void HelpViewerTest::oneWindowReused()
{
    QVERIFY(!MRBYHelpWindow::instance());
    MRBYHelp::show(QStringLiteral("look"));
    MRBYHelpWindow *w = MRBYHelpWindow::instance();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("MRBY Tenterly Help"));
    QCOMPARE(w->size(), QSize(860, 600));
    QCOMPARE(w->viewer()->shownID(), std::optional<QString>(QStringLiteral("look")));
    w->viewer()->setQuery(QStringLiteral("print"));

    w->move(40, 30);
    w->resize(900, 640);
    const QRect frame = w->geometry();
    w->close();
    QVERIFY(!w->isVisible());

    MRBYHelp::show(QStringLiteral("sheet"));
    QCOMPARE(MRBYHelpWindow::instance(), w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->geometry(), frame);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // A fresh viewer: empty search, the requested topic.
    QCOMPARE(w->viewer()->query(), QString());
    QCOMPARE(w->viewer()->searchField()->text(), QString());
    QCOMPARE(w->viewer()->shownID(), std::optional<QString>(QStringLiteral("sheet")));
    QCOMPARE(w->findChildren<MRBYHelpViewer *>().size(), 1);
    QCOMPARE(QApplication::topLevelWidgets().count(w), 1);
    // The frame is remembered for the next run.
    QVERIFY(Prefs::shared().string(MRBYHelpWindow::frameKey()).has_value());
    w->close();
}

void HelpViewerTest::longPageWrapsAndScrolls()
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

void HelpViewerTest::shots()
{
    const struct
    {
        QString theme;
        QString name;
    } themes[] = {{TLThemes::warmID, QStringLiteral("default")},
                  {TLThemes::highContrastID, QStringLiteral("high-contrast")},
                  {QStringLiteral("cobalt-gunmetal"), QStringLiteral("cobalt")}};
    for (const auto &t : themes) {
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

QTEST_MAIN(HelpViewerTest)
#include "tst_HelpViewer.moc"
