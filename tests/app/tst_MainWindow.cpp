#include "AppSetupFixture.h"
#include "FocusSupport.h"
#include "Shots.h"

#include "app/AppMenus.h"
#include "app/EmergencyBar.h"
#include "app/EmergencyButton.h"
#include "app/MainWindow.h"
#include "app/ScreenHost.h"
#include "app/Sidebar.h"
#include "app/TLHelpWindow.h"
#include "app/TLSetup.h"
#include "data/Favorite.h"
#include "data/ReferenceData.h"
#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MBZoomHost.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "pdf/PdfPrint.h"
#include "screens/CategoryView.h"
#include "screens/DisplayView.h"
#include "screens/HomeView.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/ResourceSheet.h"
#include "screens/RowColumn.h"
#include "screens/ScreenView.h"
#include "screens/SearchView.h"
#include "screens/UrgentView.h"
#include "services/Opener.h"
#include "services/TLInfo.h"
#include "widgets/StatePrompt.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QPrinter>
#include <QtTest>

// A screen that takes a new urgent need in place.
class ArgumentScreen : public QWidget, public ScreenView
{
public:
    QList<Screen> received;
    bool setScreen(const Screen &screen) override
    {
        received << screen;
        return screen.value() == Screen::urgent;
    }
};

class tst_MainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;
    QStringList m_opened;

    // The application's window as it starts, shown at `size` with the given
    // zoom and text size, once its zoom host has built at that zoom.
    std::unique_ptr<QMainWindow> showZoomed(QSize size, double zoom, MainWindow **main,
                                            int textSize = 0)
    {
        Prefs::shared().setInteger(TLPrefs::textSizeKey, textSize);
        MBZoom::setValue(zoom);
        std::unique_ptr<QMainWindow> window(TLSetup::makeMainWindow(*m_model));
        window->resize(size);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return nullptr;
        QTest::qWait(50);
        *main = window->findChild<MainWindow *>();
        return *main ? std::move(window) : nullptr;
    }
    static int rightEdge(QWidget *w, QWidget *in) { return w->mapTo(in, QPoint(w->width(), 0)).x(); }

private Q_SLOTS:
    void initTestCase()
    {
        m_model = appfixture::makeAppModel(m_dir.path());
        QVERIFY(m_model && m_model->data());
        Opener::replace([this](const QString &url) { m_opened << url; });
    }

    void init()
    {
        m_opened.clear();
        Prefs::shared().clear();
        MBZoom::setValue(1.0);
        m_model->setScreen(Screen::home);
    }

    void barTapsOpenTheirURLsAndLeaveANote()
    {
        MainWindow window(*m_model);
        window.resize(1060, 800); // the width the content is laid out for
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The sidebar keeps its width; the screen takes the rest.
        QCOMPARE(window.sidebar()->width(), 250);
        QCOMPARE(window.screenHost()->width(), 1060 - 251);
        EmergencyBar *bar = window.emergencyBar();
        QCOMPARE(bar->buttons().at(0)->color(), TLPalette::red911());
        QCOMPARE(bar->buttons().at(2)->color(), TLPalette::blue988());
        QCOMPARE(bar->buttons().at(3)->color(), TLPalette::green211());
        QCOMPARE(bar->buttons().at(0)->toolTip(), QStringLiteral("Call 911 \u2014 Emergency"));
        QCOMPARE(bar->buttons().at(2)->accessibleName(), QStringLiteral("Text 988, Crisis line, 24/7"));
        QVERIFY(!bar->noteRow()->isVisible());

        // Each tap replaces the note; only the 988 notes carry the chat link.
        QStringList ids;
        for (EmergencyButton *b : bar->buttons()) {
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
            ids << b->action().id();
            QCOMPARE(bar->note()->id(), ids.last());
            QVERIFY(bar->noteRow()->isVisible());
            QCOMPARE(bar->noteLabel()->text(), b->action().followUp());
            QCOMPARE(bar->chatLink()->isVisible(), ids.last().endsWith(QStringLiteral("988")));
        }
        QCOMPARE(ids, (QStringList{"call911", "call988", "text988", "call211"}));
        QCOMPARE(bar->chatLink()->url(), QUrl(TLInfo::chat988URL));
        QCOMPARE(m_opened, (QStringList{"tel:911", "tel:988", "sms:988", "tel:211"}));

        // OK clears the note and leaves the buttons as they were.
        QTest::mouseClick(bar->okButton(), Qt::LeftButton);
        QVERIFY(!bar->note());
        QVERIFY(!bar->noteRow()->isVisible());
        QCOMPARE(bar->buttons().size(), 4);
        QCOMPARE(m_opened.size(), 4);
    }

    void highContrastLinesAreThicker()
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

    // Zoomed in a small window, the content takes exactly the window's
    // size, with no empty band: the page scrolls by itself (sideways too
    // where it cannot wrap to its width), and the emergency bar stays above.
    void zoomedContentFillsWhatScrolls_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("textSize");
        QTest::newRow("150 % in 1280 x 800") << QSize(1280, 800) << 1.5 << 0;
        QTest::newRow("200 % in 1280 x 800") << QSize(1280, 800) << 2.0 << 0;
        QTest::newRow("115 % in 820 x 600, extra large") << QSize(820, 600) << 1.15 << 2;
        QTest::newRow("200 % in 820 x 560, extra large") << QSize(820, 560) << 2.0 << 2;
    }

    void zoomedContentFillsWhatScrolls()
    {
        QFETCH(QSize, size);
        QFETCH(double, zoom);
        QFETCH(int, textSize);
        m_model->setScreen(Screen::display);
        MainWindow *main = nullptr;
        const auto window = showZoomed(size, zoom, &main, textSize);
        QVERIFY(window);
        auto *host = window->findChild<MBZoomHost *>();
        QVERIFY(host);
        QCOMPARE(host->zoom(), zoom);
        QScrollArea *area = host->scrollArea();
        QCOMPARE(main->size(), area->viewport()->size());
        QCOMPARE(area->viewport()->width(), window->width());
        QCOMPARE(rightEdge(main->screenHost(), main), main->width());

        // The bar is pinned above the scrolling area, at the window's width.
        EmergencyBar *bar = main->emergencyBar();
        QVERIFY(!main->isAncestorOf(bar));
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        QCOMPARE(bar->mapTo(window.get(), QPoint(0, 0)).y(), host->mapTo(window.get(), QPoint(0, 0)).y());
        QCOMPARE(bar->width(), host->width());
        // Its four buttons are whole and inside the window.
        for (EmergencyButton *b : bar->buttons()) {
            QCOMPARE(b->size(), b->sizeHint());
            const QRect r(b->mapTo(window.get(), QPoint(0, 0)), b->size());
            QVERIFY2(window->rect().contains(r), qPrintable(b->action().id()));
        }
        // The note's OK stays in the bar too, and each 988 note shows its
        // whole sentence inside its row.
        for (const EmergencyAction action : {EmergencyAction::call988, EmergencyAction::text988}) {
            bar->setNote(action);
            QTest::qWait(50);
            QAbstractButton *ok = bar->okButton();
            QVERIFY(rightEdge(ok, window.get()) <= window->width());
            const QString tag = QLatin1String(QTest::currentDataTag());
            QVERIFY(shots::save(bar, QStringLiteral("note-") + action.id() + u'-' + tag));
            QLabel *text = bar->noteLabel();
            const QRect inRow(text->mapTo(bar->noteRow(), QPoint(0, 0)), text->size());
            QVERIFY2(text->height() >= text->heightForWidth(text->width())
                         && bar->noteRow()->contentsRect().contains(inRow),
                     qPrintable(QStringLiteral("%1 px tall, needs %2").arg(text->height())
                                    .arg(text->heightForWidth(text->width()))));
        }
    }

    void barGivesWayWithTheGreetingFirst()
    {
        EmergencyBar bar;
        bar.resize(1400, 100);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QVERIFY(bar.caption()->isVisible());
        QCOMPARE(bar.buttons().first()->shrink(), 1.0);
        // Too narrow for the greeting: it goes, the buttons keep their size.
        const int buttons =
            bar.buttons().last()->geometry().right() - bar.buttons().first()->geometry().left();
        bar.resize(2 * 16 + 8 + buttons + bar.caption()->width() / 2, 100);
        QTRY_VERIFY(!bar.caption()->isVisible());
        QCOMPARE(bar.buttons().first()->shrink(), 1.0);
        // Narrower still: the buttons shrink together and stay inside.
        bar.resize(300, 100);
        QTRY_VERIFY(bar.buttons().first()->shrink() < 1.0);
        QTRY_VERIFY(rightEdge(bar.buttons().last(), &bar) <= 300);
    }

    // Tab goes from the emergency bar to the sidebar to the page, and every
    // stop shows that it has the focus, in the main and the help window.
    void keyboardFocusIsVisibleAndInOrder()
    {
        m_model->setScreen(Screen::display);
        MainWindow *main = nullptr;
        const auto window = showZoomed(QSize(1280, 880), 1.0, &main);
        QVERIFY(window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const auto checkOrder = [&] {
            const QList<QWidget *> stops = focussupport::tabStops(window.get());
            QVERIFY(stops.size() > 8);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(stops.at(i), main->emergencyBar()->buttons().at(i));
            QVERIFY(main->sidebar()->isAncestorOf(stops.at(4)));
            QVERIFY(main->screenHost()->isAncestorOf(stops.last()));
            int lastSidebar = 0;
            for (int i = 0; i < stops.size(); ++i) {
                if (main->sidebar()->isAncestorOf(stops.at(i)))
                    lastSidebar = i;
            }
            for (int i = lastSidebar + 1; i < stops.size(); ++i)
                QVERIFY(main->screenHost()->isAncestorOf(stops.at(i)));
        };
        checkOrder();
        // The same after moving to another screen and back, and after a zoom.
        m_model->setScreen(Screen::home);
        QTRY_VERIFY(!main->screenHost()->findChild<DisplayView *>());
        m_model->setScreen(Screen::display);
        QTRY_VERIFY(main->screenHost()->findChild<DisplayView *>());
        checkOrder();
        MBZoom::setValue(1.15);
        QTRY_COMPARE(window->findChild<MBZoomHost *>()->zoom(), 1.15);
        QTest::qWait(20);
        main = window->findChild<MainWindow *>();
        checkOrder();
        const QStringList unseen = focussupport::invisibleStops(window.get());
        QVERIFY2(unseen.isEmpty(), qPrintable(unseen.join(u", ")));

        TLHelpWindow::show(QStringLiteral("start"));
        QWidget *help = TLHelpWindow::window();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        const QStringList unseenInHelp = focussupport::invisibleStops(help);
        QVERIFY2(unseenInHelp.isEmpty(), qPrintable(unseenInHelp.join(u", ")));
        help->close();
    }

    // Choosing a text size or zoom from the keyboard rebuilds the window;
    // the focus comes back to the control that had it.
    void focusSurvivesRebuilds()
    {
        m_model->setScreen(Screen::display);
        MainWindow *main = nullptr;
        const auto window = showZoomed(QSize(1280, 880), 1.0, &main);
        QVERIFY(window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *picker = window->findChild<QWidget *>(QStringLiteral("textSizePicker"));
        QVERIFY(picker);
        picker->setFocus(Qt::TabFocusReason);
        QTest::keyClick(picker, Qt::Key_Right);
        QTRY_COMPARE(Prefs::shared().integer(TLPrefs::textSizeKey), 1);
        QTRY_VERIFY(QApplication::focusWidget()
                    && QApplication::focusWidget()->objectName() == u"textSizePicker"
                    && QApplication::focusWidget() != picker);

        // The same for a zoom button of the rebuilt page.
        QTRY_VERIFY(window->findChild<QWidget *>(QStringLiteral("zoomBigger")));
        auto *bigger = window->findChild<QAbstractButton *>(QStringLiteral("zoomBigger"));
        bigger->setFocus(Qt::TabFocusReason);
        QTest::keyClick(bigger, Qt::Key_Space);
        QTRY_COMPARE(MBZoom::value(), 1.15);
        QTRY_VERIFY(QApplication::focusWidget()
                    && QApplication::focusWidget()->objectName() == u"zoomBigger"
                    && QApplication::focusWidget() != bigger);

        // And for an emergency button, which stands above the zoomed part.
        auto *call988 = window->findChild<EmergencyButton *>(QStringLiteral("call988"));
        call988->setFocus(Qt::TabFocusReason);
        MBZoom::zoomIn();
        QTRY_COMPARE(window->findChild<MBZoomHost *>()->zoom(), 1.3);
        QTRY_VERIFY(QApplication::focusWidget()
                    && QApplication::focusWidget()->objectName() == u"call988"
                    && QApplication::focusWidget() != call988);
    }

    // At its minimum size the help window shows the whole viewer and bar:
    // no part is given less than its own minimum or cut at the window's edge.
    void helpWindowMinimumHoldsItsParts()
    {
        TLHelpWindow::show(QStringLiteral("start"));
        QWidget *help = TLHelpWindow::window();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        help->resize(help->minimumSize());
        QTRY_COMPARE(help->size(), help->minimumSize());
        QTest::qWait(50);
        QStringList cut;
        const auto scrolled = [help](QWidget *w) {
            for (QWidget *p = w->parentWidget(); p && p != help; p = p->parentWidget())
                if (qobject_cast<QAbstractScrollArea *>(p))
                    return true;
            return false;
        };
        for (QWidget *w : help->findChildren<QWidget *>()) {
            if (!w->isVisible() || w->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored
                || scrolled(w))
                continue;
            const QRect r(w->mapTo(help, QPoint(0, 0)), w->size());
            const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
            const bool squeezed = least.isValid() && (w->width() < least.width() || w->height() < least.height());
            if (squeezed || !help->rect().contains(r))
                cut << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u", ")));
        for (EmergencyButton *b : help->findChild<EmergencyBar *>()->buttons())
            QCOMPARE(b->size(), b->sizeHint());
        help->close();
    }

    void hostShowsTheScreenOfTheModel()
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
        QWidget *topic = host.current();
        QCOMPARE(topic->objectName(), QStringLiteral("screen-Shelter & Parking"));
        // A screen of the same kind takes its new argument in place.
        m_model->setScreen(Screen::forCategory(AppCategory::food));
        QTest::qWait(20);
        QCOMPARE(host.buildCount(), builds + 2);
        QCOMPARE(host.current(), topic);
        QCOMPARE(topic->objectName(), QStringLiteral("screen-Food"));
        m_model->setScreen(Screen::money);
        QTRY_COMPARE(host.buildCount(), builds + 3);

        // A new state keeps the screen and what was typed in it: the screen
        // follows the state itself.
        m_model->setScreen(Screen::display);
        QTRY_COMPARE(host.buildCount(), builds + 4);
        QWidget *display = host.current();
        auto *typed = new QLineEdit(display);
        typed->setText(QStringLiteral("my note"));
        m_model->setStateCode(QStringLiteral("TX"));
        QTest::qWait(20);
        QCOMPARE(host.buildCount(), builds + 4);
        QCOMPARE(host.current(), display);
        QCOMPARE(typed->text(), QStringLiteral("my note"));
        m_model->setStateCode(QString());
    }

    // Between two screens of one kind the host keeps the screen and passes
    // it the new argument; a new kind is built.
    void hostPassesANewArgument()
    {
        ArgumentScreen view;
        QVERIFY(ScreenHost::passArgument(&view, Screen::forNeed(UrgentNeed::shelter)));
        QCOMPARE(view.received, (QList<Screen>{Screen::forNeed(UrgentNeed::shelter)}));
        QVERIFY(!ScreenHost::passArgument(&view, Screen::forCategory(AppCategory::food)));
        QWidget plain;
        QVERIFY(!ScreenHost::passArgument(&plain, Screen::forNeed(UrgentNeed::food)));
        QVERIFY(!ScreenHost::passArgument(nullptr, Screen::home));
    }

    // Moving between two topics (or two needs) keeps the page and hands it
    // the new one: the host builds nothing.
    void hostHandsTheNewTopicAndNeed()
    {
        ScreenHost host(*m_model);
        m_model->setScreen(Screen::forCategory(AppCategory::shelter));
        QTRY_VERIFY(qobject_cast<CategoryView *>(host.current()));
        auto *topic = qobject_cast<CategoryView *>(host.current());
        const int builds = host.buildCount();
        QVERIFY(!topic->prompt()->isHidden());
        m_model->setScreen(Screen::forCategory(AppCategory::mental));
        QTest::qWait(20);
        QCOMPARE(host.buildCount(), builds);
        QCOMPARE(host.current(), topic);
        QCOMPARE(topic->topic(), AppCategory(AppCategory::mental));
        QCOMPARE(topic->header()->title(), QStringLiteral("Mental Health"));
        QVERIFY(topic->prompt()->isHidden());
        QCOMPARE(topic->page()->blocks().first(), topic->header());
        QCOMPARE(host.current()->objectName(), QStringLiteral("screen-Mental Health"));

        m_model->setScreen(Screen::forNeed(UrgentNeed::food));
        QTRY_VERIFY(qobject_cast<UrgentView *>(host.current()));
        auto *urgent = qobject_cast<UrgentView *>(host.current());
        const int urgentBuilds = host.buildCount();
        m_model->setScreen(Screen::forNeed(UrgentNeed::medical));
        QTest::qWait(20);
        QCOMPARE(host.buildCount(), urgentBuilds);
        QCOMPARE(host.current(), urgent);
        QCOMPARE(urgent->header()->title(), UrgentNeed(UrgentNeed::medical).title());
        QVERIFY(!urgent->medicalCard()->isHidden());
        QVERIFY(urgent->prompt()->isHidden());
        m_model->setScreen(Screen::home);
    }

    // A new state refreshes the listings and the prompt; the header, the
    // prompt and the nationwide cards stay as they are.
    void stateRefreshesOnlyTheListings()
    {
        ScreenHost host(*m_model);
        m_model->setScreen(Screen::forCategory(AppCategory::food));
        QTRY_VERIFY(qobject_cast<CategoryView *>(host.current()));
        auto *view = qobject_cast<CategoryView *>(host.current());
        const int builds = host.buildCount();
        PageHeader *header = view->header();
        StatePrompt *prompt = view->prompt();
        const int refreshes = view->listRefreshes();
        view->listings()->buildAll();
        const QString nationwide = m_model->data()->listings(AppCategory::food).constLast().uid;
        QWidget *nationwideCard = view->listings()->rowWidget(nationwide);
        QVERIFY(nationwideCard);
        QVERIFY(view->listings()->ids().contains(QStringLiteral("heading:Food banks (2)")));

        m_model->setStateCode(QStringLiteral("CO"));
        QTest::qWait(20);
        QCOMPARE(host.buildCount(), builds);
        QCOMPARE(view->header(), header);
        QCOMPARE(view->prompt(), prompt);
        QVERIFY(prompt->isHidden());
        QCOMPARE(view->listRefreshes(), refreshes + 1);
        QVERIFY(view->listings()->ids().contains(QStringLiteral("heading:Colorado: Food banks (2)")));
        view->listings()->buildAll();
        QCOMPARE(view->listings()->rowWidget(nationwide), nationwideCard);

        // Nothing else the model announces works the lists out again.
        m_model->setSearchText(QStringLiteral("food"));
        m_model->setGuideChapter(4);
        QCOMPARE(view->listRefreshes(), refreshes + 1);
        m_model->setSearchText(QString());
        m_model->setStateCode(QString());
        m_model->setScreen(Screen::home);
    }

    void hostBuildsBothScreens()
    {
        QVERIFY(qobject_cast<HomeView *>(ScreenHost::buildScreen(*m_model, Screen::home)));
        QVERIFY(qobject_cast<SearchView *>(ScreenHost::buildScreen(*m_model, Screen::search)));
    }

    void errorCardWhenDataIsMissing()
    {
        AppModel broken(m_dir.path() + QStringLiteral("/no-data"),
                        m_dir.path() + QStringLiteral("/list2.sqlite"));
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

        // My List cannot open (its path is a folder), the data loads: no card.
        const QString folder = m_dir.path() + QStringLiteral("/a-folder");
        QVERIFY(QDir().mkpath(folder));
        AppModel noList(m_dir.path() + QStringLiteral("/data"), folder);
        QVERIFY(noList.data() && noList.loadError());
        QVERIFY(!ScreenHost(noList).showsErrorCard());
    }

    void menuCommands()
    {
        QMenuBar bar;
        AppMenus::install(&bar, *m_model);
        QCOMPARE(bar.actions().size(), 5);
        // Each menu opens with Alt and a letter of its own; the titles read
        // as given.
        QStringList shown;
        QList<QKeySequence> keys;
        for (QAction *menu : bar.actions()) {
            shown << mbShownText(menu->text());
            const QKeySequence key = QKeySequence::mnemonic(menu->text());
            QVERIFY2(!key.isEmpty() && !keys.contains(key), qPrintable(menu->text()));
            keys << key;
        }
        QCOMPARE(shown, (QStringList{"MRBY Tenterly", "File", "View", "Theme", "Help"}));
        // Only the menus claim letters: no item made from a title or data does.
        std::function<void(QMenu *)> noItemClaimsAKey = [&](QMenu *menu) {
            for (QAction *a : menu->actions()) {
                QVERIFY2(QKeySequence::mnemonic(a->text()).isEmpty(), qPrintable(a->text()));
                if (a->menu())
                    noItemClaimsAKey(a->menu());
            }
        };
        for (QAction *menu : bar.actions())
            noItemClaimsAKey(menu->menu());
        const auto item = [](QMenu *menu, const QString &text) -> QAction * {
            for (QAction *a : menu->actions())
                if (a->text() == text)
                    return a;
            return nullptr;
        };

        QMenu *file = bar.actions().at(1)->menu();
        struct Row { QString text; QString keys; Screen screen; };
        const QList<Row> rows = {
            {"Search Everything", "Ctrl+F", Screen::search}, {"Right Now (Home)", "Ctrl+1", Screen::home},
            {"My List", "Ctrl+2", Screen::myList},          {"Survival Guide", "Ctrl+3", Screen::guide},
            {"Money Plan", "Ctrl+4", Screen::money},        {"My Resources Sheet\u2026", "", Screen::sheet},
        };
        for (const Row &row : rows) {
            m_model->setScreen(Screen::videos);
            QAction *a = item(file, row.text);
            QVERIFY2(a, qPrintable(row.text));
            QCOMPARE(a->shortcut(), QKeySequence(row.keys));
            a->trigger();
            QVERIFY2(m_model->screen() == row.screen, qPrintable(row.text));
        }
        // Printing builds the sheet for the chosen state and asks the print
        // dialog (answered here); the screen stays where it was.
        QStringList jobs;
        const auto oldDialog = PdfPrint::replaceDialog([&](QPrinter &p) { jobs << p.docName(); return false; });
        m_model->setScreen(Screen::videos);
        QAction *print = item(file, QStringLiteral("Print My Resources Sheet\u2026"));
        QVERIFY(print);
        QCOMPARE(print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        print->trigger();
        PdfPrint::replaceDialog(oldDialog);
        QCOMPARE(jobs, QStringList{ResourceSheet::build(m_model->stateCode(), *m_model->data(), {}).printFileName()});
        QVERIFY(m_model->screen() == Screen::videos);
        item(file, QStringLiteral("Report a Wrong Listing\u2026"))->trigger();
        QCOMPARE(m_opened.size(), 1);
        QVERIFY(m_opened.first().startsWith(QStringLiteral("mailto:") + TLInfo::supportEmail + QLatin1Char('?')));

        QMenu *view = bar.actions().at(2)->menu();
        QAction *sizesItem = item(view, QStringLiteral("Text Size"));
        QVERIFY(sizesItem && sizesItem->menu());
        QMenu *sizes = sizesItem->menu();
        QCOMPARE(sizes->actions().size(), 3);
        // The current text size and zoom level are marked, also when the
        // checked one is chosen again (read as chosen, before the menu opens
        // again and marks it anew).
        QMenu *levels = item(view, QStringLiteral("Zoom Level"))->menu();
        const auto checked = [](QMenu *menu) {
            QStringList out;
            for (QAction *a : menu->actions())
                if (a->isChecked())
                    out << a->text();
            return out;
        };
        const auto opened = [&](QMenu *menu) {
            Q_EMIT menu->aboutToShow();
            return checked(menu);
        };
        QCOMPARE(opened(sizes), QStringList{"Normal"});
        QCOMPARE(opened(levels), QStringList{"100%"});
        for (int twice = 0; twice < 2; ++twice) {
            sizes->actions().at(1)->trigger();
            QCOMPARE(Prefs::shared().integer(TLPrefs::textSizeKey), 1);
            QCOMPARE(checked(sizes), QStringList{"Large"});
            levels->actions().at(2)->trigger();
            QCOMPARE(checked(levels), QStringList{levels->actions().at(2)->text()});
        }
        MBZoom::actualSize();
        MBZoom::zoomIn();
        QCOMPARE(opened(levels), QStringList{"115%"});
        MBZoom::actualSize();

        QAction *contrast = view->findChild<QAction *>(QStringLiteral("highContrastItem"));
        QVERIFY(contrast);
        for (const bool on : {true, false}) {
            QCOMPARE(contrast->text(), on ? QStringLiteral("Turn On High Contrast")
                                          : QStringLiteral("Turn Off High Contrast"));
            contrast->trigger();
            QCOMPARE(TLThemes::isHighContrast(), on);
        }
        QCOMPARE(contrast->text(), QStringLiteral("Turn On High Contrast"));
    }

    // A theme or text-size change while the help window is open leaves it,
    // the frame it keeps and the next F1 within the screen's free area.
    void helpWindowFitsTheScreen_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("theme") << MRBYThemes::key << QVariant(TLThemes::emberID);
        QTest::newRow("extra large text") << TLPrefs::textSizeKey << QVariant(2);
    }
    void helpWindowFitsTheScreen()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        TLHelpWindow::show(QStringLiteral("start"));
        QWidget *help = TLHelpWindow::window();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        const QRect free = help->screen()->availableGeometry();
        QVERIFY(free.contains(help->frameGeometry()));
        QPointer<EmergencyBar> before = help->findChild<EmergencyBar *>();
        Prefs::shared().setValue(key, value);
        QTRY_VERIFY(!before);
        QTest::qWait(100);
        QVERIFY2(free.contains(help->frameGeometry()),
                 qPrintable(QStringLiteral("%1 px tall").arg(help->frameGeometry().height())));
        help->close();
        // The frame as saved (the first of the fields Qt writes).
        const QString kept = Prefs::shared().string(TLHelpWindow::frameKey).value_or(QString());
        QDataStream saved(QByteArray::fromBase64(kept.toLatin1()));
        saved.setVersion(QDataStream::Qt_4_0);
        quint32 magic = 0;
        quint16 major = 0, minor = 0;
        QRect frame;
        saved >> magic >> major >> minor >> frame;
        QVERIFY(free.contains(frame));
        MRBYHelp::show(QStringLiteral("search"));
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QVERIFY(free.contains(help->frameGeometry()));
        help->close();
    }

    void helpWindowIsReused()
    {
        // The sidebar's Help row goes through the kit to the help window.
        Sidebar sidebar(*m_model);
        sidebar.helpRow()->click();
        QWidget *first = TLHelpWindow::window();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->windowTitle(), TLInfo::appName + QStringLiteral(" Help"));
        QVERIFY(first->findChild<EmergencyBar *>());
        QVERIFY(!sidebar.helpRow()->selected());

        // Esc on the emergency note's OK is the note's: the window stays.
        QVERIFY(QTest::qWaitForWindowActive(first));
        EmergencyBar *bar = nullptr;
        for (EmergencyBar *b : first->findChildren<EmergencyBar *>())
            bar = b->isVisible() ? b : bar;
        QVERIFY(bar);
        QTest::mouseClick(bar->buttons().first(), Qt::LeftButton, {}, bar->buttons().first()->rect().center());
        QCOMPARE(QApplication::focusWidget(), bar->okButton());
        QTest::keyClick(bar->okButton(), Qt::Key_Escape);
        QVERIFY(!bar->noteRow()->isVisible() && first->isVisible());
        // It closes with Esc and with Ctrl+W, and comes back.
        for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            QVERIFY(QTest::qWaitForWindowActive(first));
            QTest::keySequence(first, keys);
            QTRY_VERIFY2(!first->isVisible(), qPrintable(keys.toString()));
            MRBYHelp::show(QStringLiteral("search"));
            QCOMPARE(TLHelpWindow::window(), first);
            QVERIFY(first->isVisible());
        }
        // The frame is kept under its own key.
        QVERIFY(Prefs::shared().contains(TLHelpWindow::frameKey));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
