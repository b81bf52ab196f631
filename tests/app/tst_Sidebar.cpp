#include "AppFixture.h"

#include "app/AppModel.h"
#include "app/Sidebar.h"
#include "app/StatePicker.h"
#include "look/app/TLPalette.h"
#include "look/kit/Prefs.h"

#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

class tst_Sidebar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void highlightFollowsScreen_data();
    void highlightFollowsScreen();
    void clickingRowsSetsScreen();
    void selectedRowDrawsOnAccent();
    void rowsNeedNoData();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;
};

void tst_Sidebar::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Prefs::shared().clear();
    QVERIFY(appfixture::writeDataFolder(m_dir.path() + QStringLiteral("/data")));
    m_model = std::make_unique<AppModel>(m_dir.path() + QStringLiteral("/data"),
                                         m_dir.path() + QStringLiteral("/my-list.sqlite"));
    QVERIFY(m_model->data());
}

void tst_Sidebar::highlightFollowsScreen_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<QStringList>("highlighted");
    QTest::newRow("home") << Screen(Screen::home) << QStringList{QStringLiteral("Right now")};
    QTest::newRow("search") << Screen(Screen::search) << QStringList{QStringLiteral("Search everything")};
    QTest::newRow("food topic") << Screen::forCategory(AppCategory::food) << QStringList{QStringLiteral("Food")};
    QTest::newRow("shelter topic") << Screen::forCategory(AppCategory::shelter)
                                   << QStringList{QStringLiteral("Shelter & Parking")};
    QTest::newRow("urgent need") << Screen::forNeed(UrgentNeed::food) << QStringList{};
    QTest::newRow("my list") << Screen(Screen::myList) << QStringList{QStringLiteral("My List")};
    QTest::newRow("sheet") << Screen(Screen::sheet) << QStringList{QStringLiteral("My Resources Sheet")};
    QTest::newRow("money") << Screen(Screen::money) << QStringList{QStringLiteral("Money Plan")};
    QTest::newRow("guide") << Screen(Screen::guide) << QStringList{QStringLiteral("Survival Guide")};
    QTest::newRow("videos") << Screen(Screen::videos) << QStringList{QStringLiteral("Videos")};
    QTest::newRow("data checked") << Screen(Screen::dataChecked)
                                  << QStringList{QStringLiteral("Data last checked")};
    QTest::newRow("display") << Screen(Screen::display)
                             << QStringList{QStringLiteral("Text size & display")};
}

void tst_Sidebar::highlightFollowsScreen()
{
    QFETCH(Screen, screen);
    QFETCH(QStringList, highlighted);
    m_model->setScreen(Screen::home);
    Sidebar sidebar(*m_model);
    QCOMPARE(sidebar.highlightedTitles(), QStringList{QStringLiteral("Right now")});
    // Whoever changes the screen (menus, tiles), the highlight moves at once.
    m_model->setScreen(screen);
    QCOMPARE(sidebar.highlightedTitles(), highlighted);
    QVERIFY(!sidebar.helpRow()->selected());
}

void tst_Sidebar::clickingRowsSetsScreen()
{
    m_model->setScreen(Screen::forNeed(UrgentNeed::talk));
    Sidebar sidebar(*m_model);
    sidebar.resize(250, 1400);
    sidebar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sidebar));
    QCOMPARE(sidebar.rows().size(), 2 + 12 + 3 + 2 + 2);
    QVERIFY(sidebar.highlightedTitles().isEmpty());

    for (SidebarRow *row : sidebar.rows()) {
        // The whole row is the target, also right of the title.
        QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(row->width() - 4, row->height() / 2));
        QVERIFY2(m_model->screen() == *row->screen(), qPrintable(row->title()));
        QCOMPARE(sidebar.highlightedTitles(), QStringList{row->title()});
    }
    // Clicking the row shown again keeps the screen.
    SidebarRow *display = sidebar.rows().last();
    QTest::mouseClick(display, Qt::LeftButton);
    QVERIFY(m_model->screen() == Screen(Screen::display));
}

void tst_Sidebar::selectedRowDrawsOnAccent()
{
    m_model->setScreen(Screen::home);
    Sidebar sidebar(*m_model);
    SidebarRow *row = sidebar.rows().first();
    QVERIFY(row->selected());
    const auto *label = row->findChild<QLabel *>();
    QVERIFY(label);
    QCOMPARE(label->palette().color(QPalette::WindowText), TLPalette::current().onAccent);
    QVERIFY(label->font().weight() > sidebar.rows().at(1)->findChild<QLabel *>()->font().weight());
}

void tst_Sidebar::rowsNeedNoData()
{
    AppModel empty(m_dir.path() + QStringLiteral("/nothing-here"),
                   m_dir.path() + QStringLiteral("/other-list.sqlite"));
    QVERIFY(!empty.data());
    Sidebar sidebar(empty);
    QCOMPARE(sidebar.rows().size(), 21);
    QCOMPARE(sidebar.rows().at(2)->title(), QStringLiteral("Food"));
    QCOMPARE(sidebar.rows().at(13)->title(), QStringLiteral("Veterans"));
    // Without data the picker offers only "Choose your state…".
    QCOMPARE(sidebar.statePicker()->comboBox()->count(), 1);
}

QTEST_MAIN(tst_Sidebar)
#include "tst_Sidebar.moc"
