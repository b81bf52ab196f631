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

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QStyleFactory>
#include <QtTest>

class ThemeMenuTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init() { Prefs::shared().clear(); }
    void listsEveryTheme();
    void checkMark_data();
    void checkMark();
    void choosingStoresAndRebuildsRoots();
    void rootKeepsDarkSchemeColours();
    void readableOnAccent_data();
    void readableOnAccent();
    void menuBarOrder();
};

void ThemeMenuTest::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    MRBYThemes::setDefaultID(TLThemes::warmID);
    MRBYKit::install(QStringLiteral("MRBY Tenterly"), {}, TLThemes::extras());
    MRBYKit::install(QStringLiteral("MRBY Tenterly"), {}, TLThemes::extras());
}

void ThemeMenuTest::listsEveryTheme()
{
    MRBYThemeCommands menu;
    QCOMPARE(menu.title(), QStringLiteral("Theme"));
    QStringList names;
    QStringList ids;
    for (QAction *a : menu.actions()) {
        names << a->text();
        ids << a->data().toString();
        QVERIFY(a->isCheckable());
        QVERIFY(a->shortcut().isEmpty());
    }
    QCOMPARE(ids, (QStringList{"cobalt-gunmetal", "candy-red-titanium", "rose-gold", "lavender-pearl",
                               "midnight-black", "brushed-gray", "tl-warm-sand", "tl-evening-ember",
                               "tl-high-contrast"}));
    QCOMPARE(names.first(), QStringLiteral("Cobalt Gunmetal"));
    QCOMPARE(names.last(), QStringLiteral("High Contrast"));

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

void ThemeMenuTest::checkMark_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("checked");
    QTest::newRow("nothing stored: the default") << QString() << QStringLiteral("tl-warm-sand");
    QTest::newRow("stored built-in") << QStringLiteral("midnight-black") << QStringLiteral("midnight-black");
    QTest::newRow("unknown id: none") << QStringLiteral("no-such-theme") << QString();
    QTest::newRow("case differs: none") << QStringLiteral("Rose-Gold") << QString();
}

void ThemeMenuTest::checkMark()
{
    QFETCH(QString, stored);
    QFETCH(QString, checked);
    if (!stored.isNull())
        Prefs::shared().setString(MRBYThemes::key, stored);
    MRBYThemeCommands menu;
    QStringList on;
    for (QAction *a : menu.actions()) {
        if (a->isChecked())
            on << a->data().toString();
    }
    QCOMPARE(on, checked.isEmpty() ? QStringList() : QStringList{checked});
    if (QTest::currentDataTag() == QLatin1String("stored built-in")) {
        menu.adjustSize();
        QDir().mkpath(QStringLiteral(TL_BUILD_DIR "/look-shots"));
        QVERIFY(menu.grab().save(QStringLiteral(TL_BUILD_DIR "/look-shots/theme-menu.png")));
    }
}

void ThemeMenuTest::choosingStoresAndRebuildsRoots()
{
    int builds = 0;
    QPointer<QWidget> firstContent;
    MRBYThemeRoot root([&] {
        ++builds;
        return new QLabel(QStringLiteral("content"));
    });
    firstContent = root.content();
    QCOMPARE(root.themeID(), QStringLiteral("tl-warm-sand"));

    MRBYThemeCommands menu;
    Prefs::shared().setString(MRBYThemes::key, QStringLiteral("no-such-theme"));
    QAction *rose = menu.actionFor(QStringLiteral("rose-gold"));
    QVERIFY(rose);
    rose->trigger();
    QCOMPARE(Prefs::shared().string(MRBYThemes::key), std::optional<QString>(QStringLiteral("rose-gold")));
    QVERIFY(rose->isChecked());
    int checkedCount = 0;
    for (QAction *a : menu.actions())
        checkedCount += a->isChecked() ? 1 : 0;
    QCOMPARE(checkedCount, 1);

    // Choosing the checked item again leaves it checked.
    rose->trigger();
    QVERIFY(rose->isChecked());

    // Two writes, one rebuild on the next turn of the event loop.
    QTRY_COMPARE(builds, 2);
    QCOMPARE(root.themeID(), QStringLiteral("rose-gold"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!firstContent);
    const QColor roseText = MRBYThemes::named(QStringLiteral("rose-gold")).text.color();
    QCOMPARE(root.palette().color(QPalette::WindowText), roseText);
    QCOMPARE(root.content()->palette().color(QPalette::WindowText), roseText);

    // Writing from anywhere else moves the check mark too.
    MRBYThemes::setCurrentID(QStringLiteral("brushed-gray"));
    QVERIFY(menu.actionFor(QStringLiteral("brushed-gray"))->isChecked());
    QVERIFY(!rose->isChecked());
}

void ThemeMenuTest::rootKeepsDarkSchemeColours()
{
    // A light theme's colours are drawn, with a link colour that reads on it.
    for (const QString &id : {TLThemes::warmID, QStringLiteral("cobalt-gunmetal"), TLThemes::highContrastID}) {
        const MBKitTheme k = MRBYThemes::named(id).kitTheme();
        const QPalette pal = MRBYThemeRoot::kitPalette(k);
        QCOMPARE(pal.color(QPalette::Window), k.bg);
        QCOMPARE(pal.color(QPalette::WindowText), k.text);
        const QColor link = pal.color(QPalette::Link);
        const double contrast = MRBYTheme::RGB::contrast(
            MRBYTheme::RGB(link.redF(), link.greenF(), link.blueF()),
            MRBYTheme::RGB(k.bg.redF(), k.bg.greenF(), k.bg.blueF()));
        QVERIFY2(contrast >= 4.5, qPrintable(id));
    }
}

void ThemeMenuTest::readableOnAccent_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QColor>("expected");
    // White on the High Contrast yellow would be unreadable.
    QTest::newRow("high contrast yellow") << TLThemes::highContrastID << QColor(Qt::black);
    QTest::newRow("warm sand teal") << TLThemes::warmID << QColor(Qt::white);
    QTest::newRow("cobalt blue") << QStringLiteral("cobalt-gunmetal") << QColor(Qt::white);
}

void ThemeMenuTest::readableOnAccent()
{
    QFETCH(QString, id);
    QFETCH(QColor, expected);
    QCOMPARE(MRBYThemeRoot::readableOn(MRBYThemes::named(id).kitTheme().accent), expected);
}

void ThemeMenuTest::menuBarOrder()
{
    QMenuBar bar;
    KitMenus::install(&bar, [](QMenuBar *b) {
        b->addMenu(QStringLiteral("&File"));
        b->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("Sidebar"));
    });
    QStringList titles;
    for (QAction *a : bar.actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"MRBY Tenterly", "&File", "&View", "Theme", "Help"}));
    QVERIFY(qobject_cast<MRBYAppMenuCommands *>(bar.actions()[0]->menu()));
    QVERIFY(qobject_cast<MRBYThemeCommands *>(bar.actions()[3]->menu()));
    QVERIFY(qobject_cast<MRBYHelpCommands *>(bar.actions()[4]->menu()));
    // The window's own View menu keeps its item and gets the zoom items.
    QStringList view;
    for (QAction *a : bar.actions()[2]->menu()->actions())
        view << a->text();
    QCOMPARE(view.first(), QStringLiteral("Sidebar"));
    QVERIFY(view.contains(QStringLiteral("Zoom In")));
    QVERIFY(view.contains(QStringLiteral("Actual Size (100%)")));

    // Without a View menu of the window's own, one is made.
    QMenuBar plain;
    KitMenus::install(&plain);
    titles.clear();
    for (QAction *a : plain.actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"MRBY Tenterly", "View", "Theme", "Help"}));
}

QTEST_MAIN(ThemeMenuTest)
#include "tst_ThemeMenu.moc"
