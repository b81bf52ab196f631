// Renders the Money Plan screen with the example plan and the shipped data to
// <build>/shots/ for a person to look at: the window in the default theme, in
// the evening theme at large text and at 200 % zoom, and the whole page.

#include "Shots.h"

#include "money/ui/MoneyUIFixture.h"

#include "app/TLSetup.h"
#include "look/app/TLThemes.h"
#include "look/kit/Prefs.h"
#include "money/ui/MoneyPlanView.h"
#include "screens/Page.h"
#include "widgets/TLRender.h"
#include "widgets/TLScroll.h"

#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

class tst_MoneyPlanShots : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        TLSetup::configure();
        m_model = moneyui::makeModel(m_dir.path(), QStringLiteral(TL_BUILD_DIR "/data"));
        QVERIFY(m_model && m_model->data() && m_model->money());
        moneyui::fillExample(*m_model->money());
        m_model->setStateCode(QStringLiteral("CO"));
        m_model->setScreen(Screen::money);
    }

    void window_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("textSize");
        QTest::addColumn<double>("zoom");
        QTest::newRow("money-default") << TLThemes::warmID << 0 << 1.0;
        QTest::newRow("money-ember-large") << TLThemes::emberID << 1 << 1.0;
        QTest::newRow("money-zoom200") << TLThemes::warmID << 0 << 2.0;
        QTest::newRow("money-contrast-xl") << TLThemes::highContrastID << 2 << 1.0;
    }

    void window()
    {
        QFETCH(QString, theme);
        QFETCH(int, textSize);
        QFETCH(double, zoom);
        shots::setLook(theme, textSize, zoom);
        QMainWindow *window = TLSetup::makeMainWindow(*m_model);
        QVERIFY(shots::show(window, QSize(1280, 880)));
        QTest::qWait(250);
        QVERIFY(window->findChild<MoneyPlanView *>());
        QVERIFY(shots::save(window));
        // And the foot of the page: the tips and the print and save card.
        auto *page = window->findChild<Page *>();
        QVERIFY(page && page->scroll()->scrollArea());
        shots::scrollToEnd(page);
        QTest::qWait(100);
        QVERIFY(shots::save(window, QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral("-end")));
        delete window;
    }

    // A long plan, scrolled into its spending card: the card is too tall for
    // the picture cache and is drawn as it is exposed.
    void longPlan()
    {
        shots::setLook(TLThemes::warmID, 0, 1.0);
        QTemporaryDir dir;
        std::unique_ptr<AppModel> model = moneyui::makeModel(dir.path(), QStringLiteral(TL_BUILD_DIR "/data"));
        QVERIFY(model && model->money());
        for (int i = 0; i < 150; ++i)
            model->money()->add(MoneyKind::expense, i % 2 ? QStringLiteral("food") : QStringLiteral("fuel"),
                                QStringLiteral("Line %1").arg(i), 100 + i, MoneyFrequency::week);
        model->setScreen(Screen::money);
        QMainWindow *window = TLSetup::makeMainWindow(*model);
        QVERIFY(shots::show(window, QSize(1280, 880)));
        auto *page = window->findChild<Page *>();
        QVERIFY(page && page->scroll()->scrollArea());
        page->scroll()->scrollArea()->verticalScrollBar()->setValue(4000);
        QTest::qWait(250);
        QVERIFY(shots::save(window, QStringLiteral("money-long")));
        delete window;
    }

    void wholePage()
    {
        shots::setLook(TLThemes::warmID, 0, 1.0);
        TLRender::snapshotMode = true;
        QMainWindow *window = TLSetup::makeMainWindow(*m_model);
        QVERIFY(shots::show(window, QSize(1280, 4400)));
        QTest::qWait(250);
        QVERIFY(shots::save(window, QStringLiteral("money-page")));
        delete window;
        TLRender::snapshotMode = false;
    }
};

QTEST_MAIN(tst_MoneyPlanShots)
#include "tst_MoneyPlanShots.moc"
