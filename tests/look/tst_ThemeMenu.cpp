// The Theme menu lists every registered theme with the current one checked
// and switches it; kit windows follow at once. The kit's menus go on a menu
// bar in order around the window's own menus.

#include "look/app/TLThemes.h"
#include "look/kit/KitMenus.h"
#include "look/kit/MRBYAppMenuCommands.h"
#include "look/kit/MRBYHelpCommands.h"
#include "look/kit/MRBYKit.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYThemeCommands.h"
#include "look/kit/MRBYThemeRoot.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

#include "LookShots.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QStyleFactory>
#include <QtTest>

namespace {

QStringList texts(const QList<QAction *> &actions)
{
    QStringList out;
    for (QAction *a : actions)
        out << a->text();
    return out;
}

QStringList checkedIDs(const QMenu &menu)
{
    QStringList out;
    for (QAction *a : menu.actions()) {
        if (a->isChecked())
            out << a->data().toString();
    }
    return out;
}

} // namespace

class ThemeMenuTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        MRBYThemes::setDefaultID(TLThemes::warmID);
        // Installed twice: the extras must not be listed twice.
        MRBYKit::install(QStringLiteral("MRBY Tenterly"), {}, TLThemes::extras());
        MRBYKit::install(QStringLiteral("MRBY Tenterly"), {}, TLThemes::extras());
    }

    void init() { Prefs::shared().clear(); }

    void listsEveryTheme()
    {
        MRBYThemeCommands menu;
        QCOMPARE(menu.title(), QStringLiteral("&Theme"));
        QStringList ids;
        for (QAction *a : menu.actions()) {
            ids << a->data().toString();
            QVERIFY(a->isCheckable());
        }
        QCOMPARE(ids, (QStringList{"cobalt-gunmetal", "candy-red-titanium", "rose-gold", "lavender-pearl",
                                   "midnight-black", "brushed-gray", "tl-warm-sand", "tl-evening-ember",
                                   "tl-high-contrast"}));
        QCOMPARE(menu.actions().last()->text(), QStringLiteral("High Contrast"));

        // A theme registered later shows the next time the menu opens.
        MRBYTheme extra = MRBYThemes::builtIn().first();
        extra.id = QStringLiteral("test-sand & sea");
        extra.name = QStringLiteral("Sand & Sea");
        extra.family = MRBYTheme::Family::Extra;
        MRBYThemes::registerThemes({extra});
        Q_EMIT menu.aboutToShow();
        QCOMPARE(menu.actions().size(), 10);
        QCOMPARE(menu.actions().last()->text(), QStringLiteral("Sand && Sea"));
    }

    void checkMark_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("checked");
        QTest::newRow("nothing stored: the default") << QString() << QStringList{"tl-warm-sand"};
        QTest::newRow("stored built-in") << QStringLiteral("midnight-black") << QStringList{"midnight-black"};
        QTest::newRow("unknown id: none") << QStringLiteral("no-such-theme") << QStringList();
        QTest::newRow("case differs: none") << QStringLiteral("Rose-Gold") << QStringList();
    }

    void checkMark()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, checked);
        if (!stored.isNull())
            Prefs::shared().setString(MRBYThemes::key, stored);
        MRBYThemeCommands menu;
        QCOMPARE(checkedIDs(menu), checked);
        if (QTest::currentDataTag() == QStringLiteral("stored built-in")) {
            menu.adjustSize();
            QVERIFY(lookshots::save(&menu, QStringLiteral("theme-menu")));
        }
    }

    void choosingStoresAndRebuildsRoots()
    {
        int builds = 0;
        MRBYThemeRoot root([&] {
            ++builds;
            return new QLabel(QStringLiteral("content"));
        });
        QPointer<QWidget> firstContent = root.content();
        QCOMPARE(root.themeID(), QStringLiteral("tl-warm-sand"));

        MRBYThemeCommands menu;
        Prefs::shared().setString(MRBYThemes::key, QStringLiteral("no-such-theme"));
        QAction *rose = menu.actionFor(QStringLiteral("rose-gold"));
        QVERIFY(rose);
        rose->trigger();
        QCOMPARE(Prefs::shared().string(MRBYThemes::key), std::optional<QString>(QStringLiteral("rose-gold")));
        QCOMPARE(checkedIDs(menu), QStringList{"rose-gold"});
        // Choosing the checked item again leaves it checked.
        rose->trigger();
        QVERIFY(rose->isChecked());

        // Two writes, one rebuild on the next turn of the event loop.
        QTRY_COMPARE(builds, 2);
        QCOMPARE(root.themeID(), QStringLiteral("rose-gold"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!firstContent);
        const QColor roseText = MRBYThemes::named(QStringLiteral("rose-gold")).text.color();
        QCOMPARE(root.content()->palette().color(QPalette::WindowText), roseText);

        // Writing from anywhere else moves the check mark too.
        MRBYThemes::setCurrentID(QStringLiteral("brushed-gray"));
        QCOMPARE(checkedIDs(menu), QStringList{"brushed-gray"});
    }

    void kitPaletteReadable()
    {
        // Links read on the background; text on the accent is black where it
        // stands out more than white (the High Contrast yellow, Cobalt's blue).
        const struct
        {
            QString id;
            QColor onAccent;
        } rows[] = {{TLThemes::warmID, Qt::white},
                    {QStringLiteral("cobalt-gunmetal"), Qt::black},
                    {TLThemes::highContrastID, Qt::black}};
        for (const auto &r : rows) {
            const MBKitTheme k = MRBYThemes::named(r.id).kitTheme();
            const QPalette pal = MRBYThemeRoot::kitPalette(k);
            QCOMPARE(pal.color(QPalette::Window), k.bg);
            const QColor link = pal.color(QPalette::Link);
            const double contrast = MRBYTheme::contrast(link, k.bg);
            QVERIFY2(contrast >= 4.5, qPrintable(r.id));
            QCOMPARE(MRBYThemeRoot::readableOn(k.accent), r.onAccent);
        }
    }

    void menuBarOrder()
    {
        QMenuBar bar;
        KitMenus::install(&bar, [](QMenuBar *b) {
            b->addMenu(QStringLiteral("&File"));
            b->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("Sidebar"));
        });
        QCOMPARE(texts(bar.actions()), (QStringList{"&MRBY Tenterly", "&File", "&View", "&Theme", "&Help"}));
        QVERIFY(qobject_cast<MRBYAppMenuCommands *>(bar.actions()[0]->menu()));
        QVERIFY(qobject_cast<MRBYThemeCommands *>(bar.actions()[3]->menu()));
        QVERIFY(qobject_cast<MRBYHelpCommands *>(bar.actions()[4]->menu()));
        // The window's own View menu keeps its item and gets the zoom items.
        const QStringList view = texts(bar.actions()[2]->menu()->actions());
        QCOMPARE(view.first(), QStringLiteral("Sidebar"));
        QVERIFY(view.contains(QStringLiteral("Zoom In")));
        QVERIFY(view.contains(QStringLiteral("Actual Size (100%)")));

        // Without a View menu of the window's own, one is made.
        QMenuBar plain;
        KitMenus::install(&plain);
        QCOMPARE(texts(plain.actions()), (QStringList{"&MRBY Tenterly", "&View", "&Theme", "&Help"}));
    }
};

QTEST_MAIN(ThemeMenuTest)
#include "tst_ThemeMenu.moc"
