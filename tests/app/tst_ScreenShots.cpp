// Renders the home and search screens in the main window to <build>/shots/
// for a person to look at: default, high contrast, largest text, 200 % zoom,
// the smallest window, and search with results. Each render also checks that
// nothing on the page is cut off at the right edge.

#include "Shots.h"

#include "app/ScreenHost.h"
#include "app/TLSetup.h"
#include "data/ReferenceData.h"
#include "look/app/TLThemes.h"
#include "look/kit/Prefs.h"
#include "screens/Page.h"
#include "screens/Tile.h"
#include "services/AppModel.h"
#include "widgets/TLScroll.h"

#include <QMainWindow>
#include <QtTest>

class tst_ScreenShots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        TLSetup::configure();
        QVERIFY(AppModel::shared().data());
    }

    void shots_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("textSize");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("end"); // scrolled to the end of the page
        const QSize normal(1280, 880);
        const QString warm = TLThemes::warmID;
        const int home = Screen::home, search = Screen::search;
        QTest::newRow("home-default") << warm << 0 << 1.0 << home << QString() << QString() << normal << false;
        QTest::newRow("home-state") << warm << 0 << 1.0 << home << QStringLiteral("CO") << QString() << normal << false;
        QTest::newRow("home-contrast") << TLThemes::highContrastID << 0 << 1.0 << home << QString() << QString() << normal << false;
        QTest::newRow("home-largest-text") << warm << 2 << 1.0 << home << QString() << QString() << normal << false;
        QTest::newRow("home-zoom200") << warm << 0 << 2.0 << home << QString() << QString() << normal << false;
        QTest::newRow("home-smallest") << warm << 0 << 1.0 << home << QString() << QString() << QSize(820, 560) << false;
        QTest::newRow("home-end") << warm << 0 << 1.0 << home << QString() << QString() << normal << true;
        QTest::newRow("home-end-largest-text") << warm << 2 << 1.0 << home << QString() << QString() << QSize(820, 560) << true;
        QTest::newRow("search-results") << warm << 0 << 1.0 << search << QStringLiteral("OH") << QStringLiteral("food") << normal << false;
        QTest::newRow("search-videos-chapters") << warm << 0 << 1.0 << search << QString() << QStringLiteral("water") << normal << false;
        QTest::newRow("search-smallest") << warm << 0 << 1.0 << search << QStringLiteral("OH") << QStringLiteral("shower") << QSize(820, 560) << false;
        QTest::newRow("search-contrast-xl") << TLThemes::highContrastID << 2 << 1.0 << search << QStringLiteral("OH") << QStringLiteral("211") << normal << false;
    }

    void shots()
    {
        QFETCH(QString, theme);
        QFETCH(int, textSize);
        QFETCH(double, zoom);
        QFETCH(int, screen);
        QFETCH(QString, state);
        QFETCH(QString, query);
        QFETCH(QSize, size);
        QFETCH(bool, end);

        shots::setLook(theme, textSize, zoom);
        AppModel &model = AppModel::shared();
        model.setStateCode(state);
        model.setSearchText(query);
        model.setSearchAllStates(false);
        model.setScreen(Screen::Case(screen));

        QMainWindow *window = TLSetup::makeMainWindow(model);
        QVERIFY(shots::show(window, size));
        QTest::qWait(300);

        // Nothing on the page reaches past the page's right edge.
        auto *host = window->findChild<ScreenHost *>();
        QVERIFY(host && host->current());
        const auto *page = host->current()->findChild<Page *>();
        QVERIFY(page);
        const QString cut = shots::runsPastPage(page);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
        for (Tile *tile : page->findChildren<Tile *>()) {
            QVERIFY2(tile->height() >= tile->heightForWidth(tile->width()),
                     qPrintable(tile->title() + QStringLiteral(" is cut")));
        }

        if (end) {
            shots::scrollToEnd(page);
            QTest::qWait(100);
        }
        QVERIFY(shots::save(window));
        delete window;
        model.setSearchText(QString());
    }
};

QTEST_MAIN(tst_ScreenShots)
#include "tst_ScreenShots.moc"
