#include "AppFixture.h"

#include "app/AppMenus.h"
#include "app/AppModel.h"
#include "app/EmergencyBar.h"
#include "app/EmergencyButton.h"
#include "app/MainWindow.h"
#include "app/Opener.h"
#include "app/ScreenHost.h"
#include "app/Sidebar.h"
#include "app/TLHelpWindow.h"
#include "app/TLInfo.h"
#include "app/TLSetup.h"
#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "screens/DisplayView.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void barHasFourButtonsInOrder();
    void tapsOpenTheirURLsAndLeaveANote();
    void noteRules();
    void highContrastLinesAreThicker();
    void sidebarKeepsItsWidth();
    void zoomedWindowKeepsButtonsInView();
    void largestZoomNeverSqueezesButtons();
    void hostShowsTheScreenOfTheModel();
    void errorCardWhenDataIsMissing();
    void errorCardNotForStoreErrors();
    void menuCommands();
    void helpWindowIsReused();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;
    QStringList m_opened;
};

void tst_MainWindow::initTestCase()
{
    Prefs::shared().clear();
    // The kit as the application installs it (themes, help opener).
    TLSetup::configure();
    QVERIFY(appfixture::writeDataFolder(m_dir.path() + QStringLiteral("/data")));
    m_model = std::make_unique<AppModel>(m_dir.path() + QStringLiteral("/data"),
                                         m_dir.path() + QStringLiteral("/my-list.sqlite"));
    QVERIFY(m_model->data());
    Opener::replace([this](const QString &url) { m_opened << url; });
}

void tst_MainWindow::init()
{
    m_opened.clear();
    Prefs::shared().clear();
    m_model->setScreen(Screen::home);
}

void tst_MainWindow::barHasFourButtonsInOrder()
{
    EmergencyBar bar;
    QStringList ids;
    for (EmergencyButton *b : bar.buttons())
        ids << b->action().id();
    QCOMPARE(ids, (QStringList{"call911", "call988", "text988", "call211"}));
    QCOMPARE(bar.buttons().at(0)->color(), TLPalette::red911());
    QCOMPARE(bar.buttons().at(1)->color(), TLPalette::blue988());
    QCOMPARE(bar.buttons().at(2)->color(), TLPalette::blue988());
    QCOMPARE(bar.buttons().at(3)->color(), TLPalette::green211());
    QCOMPARE(bar.buttons().at(0)->toolTip(), QStringLiteral("Call 911 \u2014 Emergency"));
    QCOMPARE(bar.buttons().at(2)->accessibleName(), QStringLiteral("Text 988, Crisis line, 24/7"));
    QVERIFY(!bar.note());
}

void tst_MainWindow::tapsOpenTheirURLsAndLeaveANote()
{
    MainWindow window(*m_model);
    window.resize(1280, 880);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    EmergencyBar *bar = window.emergencyBar();
    QVERIFY(!bar->noteRow()->isVisible());
    for (EmergencyButton *b : bar->buttons()) {
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        QCOMPARE(bar->note()->id(), b->action().id());
        QVERIFY(bar->noteRow()->isVisible());
        QCOMPARE(bar->noteLabel()->text(), b->action().followUp());
    }
    QCOMPARE(m_opened, (QStringList{"tel:911", "tel:988", "sms:988", "tel:211"}));
}

void tst_MainWindow::noteRules()
{
    EmergencyBar bar;
    bar.resize(1200, 200);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    const auto chatShown = [&] { return bar.chatLink()->isVisible(); };

    bar.buttons().at(0)->click();
    QVERIFY(bar.noteRow()->isVisible());
    QVERIFY(!chatShown());
    bar.buttons().at(1)->click();
    QVERIFY(chatShown());
    QCOMPARE(bar.chatLink()->url(), QUrl(TLInfo::chat988URL));
    bar.buttons().at(2)->click();
    QVERIFY(chatShown());
    // A later tap replaces the note; the link goes with it.
    bar.buttons().at(3)->click();
    QCOMPARE(bar.note()->id(), QStringLiteral("call211"));
    QVERIFY(!chatShown());

    // OK clears the note and leaves the buttons as they were.
    QTest::mouseClick(bar.okButton(), Qt::LeftButton);
    QVERIFY(!bar.note());
    QVERIFY(!bar.noteRow()->isVisible());
    QCOMPARE(bar.buttons().size(), 4);
    QCOMPARE(m_opened.size(), 4);

    // The link is a plain web link: the opener never sees it.
    QVERIFY(m_opened.indexOf(TLInfo::chat988URL) < 0);
}

void tst_MainWindow::highContrastLinesAreThicker()
{
    EmergencyBar bar;
    EmergencyButton *b = bar.buttons().first();
    QCOMPARE(EmergencyBar::bottomLineHeight(), 1.0);
    QCOMPARE(b->borderWidth(), 1.0);
    QVERIFY(qAbs(b->borderColor().alphaF() - 0.35) < 0.01);
    TLThemes::setHighContrast(true);
    QCOMPARE(EmergencyBar::bottomLineHeight(), 2.0);
    QCOMPARE(b->borderWidth(), 2.0);
    QCOMPARE(b->borderColor(), QColor(Qt::white));
    TLThemes::setHighContrast(false);
}

void tst_MainWindow::sidebarKeepsItsWidth()
{
    for (int width : {1060, 1600}) {
        MainWindow window(*m_model);
        window.resize(width, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.sidebar()->width(), 250);
        QCOMPARE(window.screenHost()->width(), width - 251);
    }
}

void tst_MainWindow::zoomedWindowKeepsButtonsInView()
{
    // At 150 % the content is laid out wider than the window; the buttons,
    // the note's OK and the page still sit in the part that shows.
    MBZoom::setValue(1.5);
    m_model->setScreen(Screen::display);
    QMainWindow *window = TLSetup::makeMainWindow(*m_model);
    window->resize(1280, 880);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *main = window->findChild<MainWindow *>();
    QVERIFY(main);
    QTRY_VERIFY(main->hiddenWidth() > 0);
    main->emergencyBar()->setNote(EmergencyAction::call988);
    QTest::qWait(50);
    const int visible = main->width() - main->hiddenWidth();
    const auto rightEdge = [main](QWidget *w) { return w->mapTo(main, QPoint(w->width(), 0)).x(); };
    for (EmergencyButton *b : main->emergencyBar()->buttons())
        QVERIFY2(rightEdge(b) <= visible, qPrintable(b->action().id()));
    QVERIFY(rightEdge(main->emergencyBar()->okButton()) <= visible);
    auto *display = main->screenHost()->findChild<DisplayView *>();
    QVERIFY(display);
    QVERIFY(rightEdge(display->zoomLabel()) <= visible);
    delete window;
    MBZoom::setValue(1.0);
}

void tst_MainWindow::largestZoomNeverSqueezesButtons()
{
    // At 200 % and the largest text the buttons are wider than what shows:
    // they keep their whole size (titles never cut) and the bar its zoomed
    // paddings; the rest of the bar is reached by scrolling.
    MBZoom::setValue(2.0);
    Prefs::shared().setInteger(TLPrefs::textSizeKey, 2);
    QMainWindow *window = TLSetup::makeMainWindow(*m_model);
    window->resize(1280, 880);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *main = window->findChild<MainWindow *>();
    QVERIFY(main);
    QTRY_VERIFY(main->hiddenWidth() > 0);
    QTest::qWait(50);
    for (EmergencyButton *b : main->emergencyBar()->buttons())
        QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->action().id()));
    const QMargins margins = main->emergencyBar()->layout()->contentsMargins();
    QCOMPARE(margins.left(), 32);
    QCOMPARE(margins.top(), 20);
    // The note wraps, so its OK stays in the part that shows.
    main->emergencyBar()->setNote(EmergencyAction::call988);
    QTest::qWait(50);
    QAbstractButton *ok = main->emergencyBar()->okButton();
    QVERIFY(ok->width() >= ok->sizeHint().width());
    QVERIFY(ok->mapTo(main, QPoint(ok->width(), 0)).x() <= main->width() - main->hiddenWidth());
    delete window;
    MBZoom::setValue(1.0);
}

void tst_MainWindow::hostShowsTheScreenOfTheModel()
{
    ScreenHost host(*m_model);
    QVERIFY(host.current());
    QVERIFY(!host.showsErrorCard());
    const int builds = host.buildCount();

    // One deferred rebuild for each change.
    m_model->setScreen(Screen::display);
    QCOMPARE(host.buildCount(), builds);
    QTRY_COMPARE(host.buildCount(), builds + 1);
    QVERIFY(qobject_cast<DisplayView *>(host.current()));

    m_model->setScreen(Screen::forCategory(AppCategory::shelter));
    QTRY_COMPARE(host.buildCount(), builds + 2);
    QCOMPARE(host.current()->findChild<QLabel *>(QStringLiteral("placeholderTitle"))->text(),
             QStringLiteral("Shelter & Parking"));

    // A new state rebuilds the screen too, so state-bound screens follow it.
    m_model->setStateCode(QStringLiteral("TX"));
    QTRY_COMPARE(host.buildCount(), builds + 3);
    m_model->setStateCode(QString());
}

void tst_MainWindow::errorCardWhenDataIsMissing()
{
    AppModel broken(m_dir.path() + QStringLiteral("/no-data"),
                    m_dir.path() + QStringLiteral("/list2.sqlite"));
    QVERIFY(!broken.data());
    QVERIFY(broken.loadError());
    MainWindow window(broken);
    for (Screen screen : {Screen(Screen::home), Screen(Screen::display), Screen(Screen::search),
                          Screen::forNeed(UrgentNeed::talk), Screen::forCategory(AppCategory::food)}) {
        broken.setScreen(screen);
        window.screenHost()->rebuildNow();
        QVERIFY(window.screenHost()->showsErrorCard());
        auto *text = window.screenHost()->current()->findChild<QLabel *>(QStringLiteral("loadErrorText"));
        QVERIFY(text);
        QCOMPARE(text->text(), *broken.loadError());
    }
    // The sidebar still works and the bar still opens its URLs.
    window.sidebar()->rows().at(1)->click();
    QVERIFY(broken.screen() == Screen(Screen::search));
    window.emergencyBar()->buttons().first()->click();
    QCOMPARE(m_opened, QStringList{"tel:911"});
}

void tst_MainWindow::errorCardNotForStoreErrors()
{
    // My List cannot open (its path is a folder), the data loads: no card.
    const QString folder = m_dir.path() + QStringLiteral("/a-folder");
    QVERIFY(QDir().mkpath(folder));
    AppModel model(m_dir.path() + QStringLiteral("/data"), folder);
    QVERIFY(model.data());
    QVERIFY(model.loadError());
    ScreenHost host(model);
    QVERIFY(!host.showsErrorCard());
}

void tst_MainWindow::menuCommands()
{
    QMenuBar bar;
    AppMenus::install(&bar, *m_model);
    QStringList titles;
    for (QAction *a : bar.actions())
        titles << a->text();
    QCOMPARE(titles.size(), 5);
    QCOMPARE(titles.at(1), QStringLiteral("File"));
    QCOMPARE(titles.at(2), QStringLiteral("View"));

    QMenu *file = bar.actions().at(1)->menu();
    const auto item = [](QMenu *menu, const QString &text) -> QAction * {
        for (QAction *a : menu->actions())
            if (a->text() == text)
                return a;
        return nullptr;
    };
    struct Row { QString text; QKeySequence keys; Screen screen; };
    const QList<Row> rows = {
        {QStringLiteral("Search Everything"), QKeySequence(QStringLiteral("Ctrl+F")), Screen::search},
        {QStringLiteral("Right Now (Home)"), QKeySequence(QStringLiteral("Ctrl+1")), Screen::home},
        {QStringLiteral("My List"), QKeySequence(QStringLiteral("Ctrl+2")), Screen::myList},
        {QStringLiteral("Survival Guide"), QKeySequence(QStringLiteral("Ctrl+3")), Screen::guide},
        {QStringLiteral("Money Plan"), QKeySequence(QStringLiteral("Ctrl+4")), Screen::money},
        {QStringLiteral("My Resources Sheet\u2026"), QKeySequence(), Screen::sheet},
        {QStringLiteral("Print My Resources Sheet\u2026"), QKeySequence(QStringLiteral("Ctrl+P")), Screen::sheet},
    };
    for (const Row &row : rows) {
        m_model->setScreen(Screen::videos);
        QAction *a = item(file, row.text);
        QVERIFY2(a, qPrintable(row.text));
        QCOMPARE(a->shortcut(), row.keys);
        a->trigger();
        QVERIFY2(m_model->screen() == row.screen, qPrintable(row.text));
    }
    item(file, QStringLiteral("Report a Wrong Listing\u2026"))->trigger();
    QCOMPARE(m_opened.size(), 1);
    QVERIFY(m_opened.first().startsWith(QStringLiteral("mailto:") + TLInfo::supportEmail + QLatin1Char('?')));

    QMenu *view = bar.actions().at(2)->menu();
    QMenu *sizes = nullptr;
    for (QAction *a : view->actions())
        if (a->menu() && a->text() == QStringLiteral("Text Size"))
            sizes = a->menu();
    QVERIFY(sizes);
    QCOMPARE(sizes->actions().size(), 3);
    sizes->actions().at(1)->trigger();
    QCOMPARE(Prefs::shared().integer(TLPrefs::textSizeKey), 1);
    QVERIFY(!sizes->actions().at(1)->isCheckable());

    QAction *contrast = view->findChild<QAction *>(QStringLiteral("highContrastItem"));
    QVERIFY(contrast);
    QCOMPARE(contrast->text(), QStringLiteral("Turn On High Contrast"));
    contrast->trigger();
    QVERIFY(TLThemes::isHighContrast());
    QCOMPARE(contrast->text(), QStringLiteral("Turn Off High Contrast"));
    contrast->trigger();
    QVERIFY(!TLThemes::isHighContrast());
    QCOMPARE(contrast->text(), QStringLiteral("Turn On High Contrast"));
}

void tst_MainWindow::helpWindowIsReused()
{
    // The sidebar's Help row goes through the kit to the help window.
    Sidebar sidebar(*m_model);
    sidebar.helpRow()->click();
    QWidget *first = TLHelpWindow::window();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->windowTitle(), TLInfo::appName + QStringLiteral(" Help"));
    QCOMPARE(first->size(), QSize(980, 680));
    QVERIFY(first->findChild<EmergencyBar *>());
    QVERIFY(!sidebar.helpRow()->selected());

    first->close();
    MRBYHelp::show(QStringLiteral("search"));
    QCOMPARE(TLHelpWindow::window(), first);
    QVERIFY(first->isVisible());
    // The frame is kept under its own key.
    QVERIFY(Prefs::shared().contains(TLHelpWindow::frameKey));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
