// Renders the Survival Guide and the Data last checked screen inside the main
// window to <build>/shots/ for a person to look at: the default theme, and
// high contrast at the largest text size, at the normal and the smallest
// window size.

#include "Shots.h"

#include "app/TLSetup.h"
#include "data/ReferenceData.h"
#include "look/app/TLThemes.h"
#include "look/kit/Prefs.h"
#include "services/AppModel.h"

#include "screens/DataCheckedView.h"
#include "screens/GuideView.h"
#include "screens/Page.h"
#include "widgets/TLScroll.h"

#include <QMainWindow>
#include <QtTest>

class tst_GuideDataShots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        TLSetup::configure();
    }

    void shots_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("textSize");
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("chapter");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("bottom"); // the page scrolled to its end
        const QSize normal(1280, 880);
        const QSize smallest(820, 560);
        const QString warm = TLThemes::warmID;
        const QString contrast = TLThemes::highContrastID;
        QTest::newRow("guide-default") << warm << 0 << int(Screen::guide) << 1 << normal << false;
        QTest::newRow("guide-ch3-default") << warm << 0 << int(Screen::guide) << 3 << normal << false;
        QTest::newRow("guide-ch7-contrast-xl") << contrast << 2 << int(Screen::guide) << 7 << normal << false;
        QTest::newRow("guide-contrast-xl") << contrast << 2 << int(Screen::guide) << 1 << normal << false;
        QTest::newRow("guide-smallest-xl") << warm << 2 << int(Screen::guide) << 13 << smallest << false;
        QTest::newRow("data-default") << warm << 0 << int(Screen::dataChecked) << 1 << normal << false;
        QTest::newRow("data-contrast-xl") << contrast << 2 << int(Screen::dataChecked) << 1 << normal << false;
        QTest::newRow("guide-ch3-end-default") << warm << 0 << int(Screen::guide) << 3 << normal << true;
        QTest::newRow("data-end-default") << warm << 0 << int(Screen::dataChecked) << 1 << normal << true;
        QTest::newRow("data-end-contrast-xl") << contrast << 2 << int(Screen::dataChecked) << 1 << normal << true;
        QTest::newRow("data-smallest-xl") << warm << 2 << int(Screen::dataChecked) << 1 << smallest << false;
    }

    void shots()
    {
        QFETCH(QString, theme);
        QFETCH(int, textSize);
        QFETCH(int, screen);
        QFETCH(int, chapter);
        QFETCH(QSize, size);
        QFETCH(bool, bottom);

        shots::setLook(theme, textSize, 1.0);
        AppModel &model = AppModel::shared();
        if (model.data() && !model.data()->states().isEmpty())
            model.setStateCode(QStringLiteral("CO"));
        model.setGuideChapter(chapter);
        model.setScreen(Screen::Case(screen));

        QMainWindow *window = TLSetup::makeMainWindow(model);
        QVERIFY(shots::show(window, size));
        QTest::qWait(250);
        // The screen host shows the real screens, not stand-ins.
        if (screen == Screen::guide)
            QCOMPARE(window->findChild<GuideView *>()->shownChapter(), chapter);
        else
            QVERIFY(window->findChild<DataCheckedView *>());
        if (bottom) {
            for (Page *page : window->findChildren<Page *>())
                shots::scrollToEnd(page);
            QTest::qWait(50);
        }
        QVERIFY(shots::save(window));
        delete window;
    }
};

QTEST_MAIN(tst_GuideDataShots)
#include "tst_GuideDataShots.moc"
