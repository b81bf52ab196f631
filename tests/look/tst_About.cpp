// The About window's texts (a missing version included), the one window,
// and the application menu. Writes pictures of the window under look-shots/.

#include "LookShots.h"

#include "look/app/TLThemes.h"
#include "look/kit/KitFont.h"
#include "look/kit/MBLinks.h"
#include "look/kit/MRBYAbout.h"
#include "look/kit/MRBYAboutCommands.h"
#include "look/kit/MRBYAppMenuCommands.h"
#include "look/kit/MRBYKit.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QStyleFactory>
#include <QMenu>
#include <QtTest>

#include <optional>

namespace {

// The texts of the About window's content, top to bottom.
QStringList shownTexts(QWidget *window)
{
    QStringList out;
    QList<QWidget *> rows = window->findChildren<QWidget *>();
    std::sort(rows.begin(), rows.end(), [window](QWidget *a, QWidget *b) {
        return a->mapTo(window, QPoint()).y() < b->mapTo(window, QPoint()).y();
    });
    for (QWidget *w : rows) {
        if (!w->isVisible())
            continue;
        if (auto *l = qobject_cast<QLabel *>(w); l && !l->text().isEmpty())
            out << l->text();
        else if (w->objectName() == QStringLiteral("aboutDivider"))
            out << QStringLiteral("---");
    }
    return out;
}

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setFont(KitFont::font(13));
        MRBYThemes::setDefaultID(TLThemes::warmID);
        MRBYKit::install(std::nullopt, {}, TLThemes::extras());
    }

    void init() { Prefs::shared().clear(); }

    void versionLine_data()
    {
        QTest::addColumn<std::optional<QString>>("shortVersion");
        QTest::addColumn<std::optional<QString>>("build");
        QTest::addColumn<QString>("line");
        const std::optional<QString> none;
        QTest::newRow("both") << std::optional<QString>("2.1") << std::optional<QString>("45")
                              << QStringLiteral("Version 2.1 (45)");
        QTest::newRow("no build number") << std::optional<QString>("2.1") << none << QStringLiteral("Version 2.1");
        QTest::newRow("neither") << none << none << QStringLiteral("Version 1.0");
        QTest::newRow("build only") << none << std::optional<QString>("7") << QStringLiteral("Version 1.0 (7)");
    }

    void versionLine()
    {
        QFETCH(std::optional<QString>, shortVersion);
        QFETCH(std::optional<QString>, build);
        QFETCH(QString, line);
        QCOMPARE(MRBYAbout::versionLine(shortVersion, build), line);
    }

    void fixedLines()
    {
        QCOMPARE(MRBYAbout::version(), QStringLiteral("Version " TL_APP_VERSION " (" TL_APP_BUILD ")"));
        QCOMPARE(MRBYAbout::copyrightLine(),
                 QStringLiteral("\u00A9 %1 Marrowby (MRBY)").arg(QDate::currentDate().year()));
    }

    void windowTexts()
    {
        const QString version = MRBYAbout::version();
        const QString host = MRBYKitHost::creditURL().host();
        MRBYAbout::setExtraLines({});
        MRBYAbout::show();
        QWidget *w = MRBYAbout::window();
        QVERIFY(w);
        // No extra lines: the version is followed directly by the divider.
        QCOMPARE(shownTexts(w), (QStringList{"MRBY Tenterly", version, "---", "by Marrowby (MRBY)", host,
                                             MRBYAbout::copyrightLine()}));

        MRBYAbout::setExtraLines({QStringLiteral("Help for life on the road. Works offline."),
                                  QStringLiteral("Information checked Oct 2026.")});
        MRBYAbout::show();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(shownTexts(w), (QStringList{"MRBY Tenterly", version,
                                             "Help for life on the road. Works offline.",
                                             "Information checked Oct 2026.", "---", "by Marrowby (MRBY)",
                                             host, MRBYAbout::copyrightLine()}));
        for (QLabel *l : w->findChildren<QLabel *>())
            QCOMPARE(l->textFormat(), Qt::PlainText);
        w->close();
    }

    void oneWindow()
    {
        MRBYAbout::show();
        QWidget *w = MRBYAbout::window();
        QCOMPARE(w->windowTitle(), QStringLiteral("About MRBY Tenterly"));
        QCOMPARE(w->minimumSize(), w->maximumSize()); // not resizable
        w->move(50, 60);
        const QPoint at = w->pos();
        w->close();

        MRBYKitHost::setAppName(QStringLiteral("Road & Rest"));
        MRBYAbout::show();
        QCOMPARE(MRBYAbout::window(), w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->pos(), at);
        QCOMPARE(w->windowTitle(), QStringLiteral("About Road & Rest"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("aboutName"))->text(), QStringLiteral("Road & Rest"));
        QCOMPARE(w->findChildren<QLabel *>(QStringLiteral("aboutName")).size(), 1);
        MRBYKitHost::setAppName(QStringLiteral("MRBY Tenterly"));
        w->close();
    }

    void appMenu()
    {
        QStringList opened;
        const MBLinks::Opener previous = MBLinks::opener();
        MBLinks::setOpener([&](const QString &u) { opened << u; });
        MRBYKitHost::setAppName(QStringLiteral("Road & Rest"));
        MRBYAppMenuCommands menu;
        QCOMPARE(menu.title(), QStringLiteral("&Road && Rest"));
        QCOMPARE(menu.aboutAction()->text(), QStringLiteral("About Road && Rest"));
        QCOMPARE(menu.actions().indexOf(menu.aboutAction()), 0);
        QCOMPARE(menu.quitAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));

        menu.websiteAction()->trigger();
        QCOMPARE(opened, QStringList{MRBYKitHost::creditURLText()});
        MBLinks::setOpener(previous);

        menu.aboutAction()->trigger();
        QVERIFY(MRBYAbout::window()->isVisible());
        QCOMPARE(MRBYAbout::window()->windowTitle(), QStringLiteral("About Road & Rest"));
        MRBYAbout::window()->close();
        MRBYKitHost::setAppName(QStringLiteral("MRBY Tenterly"));
    }

    // The kit's About group, for a menu of the application's own.
    void aboutCommands()
    {
        QStringList opened;
        const MBLinks::Opener previous = MBLinks::opener();
        MBLinks::setOpener([&](const QString &u) { opened << u; });
        QMenu menu(QStringLiteral("Extras"));
        const QList<QAction *> items = MRBYAboutCommands::addTo(&menu);
        QCOMPARE(menu.actions(), items);
        QCOMPARE(items.at(0)->text(), QStringLiteral("About MRBY Tenterly"));
        QCOMPARE(items.at(1)->text(), QStringLiteral("Marrowby Website"));
        QVERIFY(items.at(0)->shortcuts().isEmpty() && items.at(1)->shortcuts().isEmpty());
        MRBYKitHost::setAppName(QStringLiteral("Road & Rest"));
        Q_EMIT menu.aboutToShow();
        QCOMPARE(items.at(0)->text(), QStringLiteral("About Road && Rest"));
        items.at(1)->trigger();
        QCOMPARE(opened, QStringList{MRBYKitHost::creditURLText()});
        items.at(0)->trigger();
        QVERIFY(MRBYAbout::window()->isVisible());
        MRBYAbout::window()->close();
        MRBYKitHost::setAppName(QStringLiteral("MRBY Tenterly"));
        MBLinks::setOpener(previous);
    }

    void shots()
    {
        MRBYAbout::setExtraLines({QStringLiteral("Help for life on the road. Works offline."),
                                  QStringLiteral("Information checked Oct 2026.")});
        for (const lookshots::Look &t : lookshots::looks()) {
            Prefs::shared().setString(MRBYThemes::key, t.theme);
            MRBYAbout::show();
            QVERIFY(lookshots::save(MRBYAbout::window(), QStringLiteral("about-") + t.name));
        }
        MRBYAbout::window()->close();
    }
};

QTEST_MAIN(AboutTest)
#include "tst_About.moc"
