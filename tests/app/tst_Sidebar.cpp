#include "services/AppFixture.h"

#include "app/Sidebar.h"
#include "app/TLSetup.h"
#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLThemes.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "services/TLInfo.h"
#include "widgets/StatePicker.h"

#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

class tst_Sidebar : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Prefs::shared().clear();
        m_model = appfixture::makeModel(m_dir.path());
        QVERIFY(m_model && m_model->data());
    }

    // The names at the top and the maker's link at the foot, as shown; the
    // identity texts built from the same names.
    void namesShown()
    {
        Sidebar sidebar(*m_model);
        sidebar.resize(280, 1400);
        sidebar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sidebar));
        const auto shown = [&](const QString &text) -> QLabel * {
            for (QLabel *label : sidebar.findChildren<QLabel *>())
                if (label->text() == text && label->isVisible())
                    return label;
            return nullptr;
        };
        QLabel *name = shown(QStringLiteral("Tenterly"));
        QLabel *tagline = shown(QStringLiteral("MRBY \u00b7 help that works offline"));
        QLabel *credit = shown(QStringLiteral("by Marrowby"));
        QVERIFY(name && tagline && credit);
        const auto top = [&](const QWidget *w) { return w->mapTo(&sidebar, QPoint()).y(); };
        QVERIFY(top(name) < top(tagline));
        QVERIFY(top(tagline) < top(credit));
        QCOMPARE(TLInfo::appName, QStringLiteral("MRBY Tenterly"));
        QCOMPARE(TLInfo::creditLine, QStringLiteral("by Marrowby (MRBY)"));
    }

    void highlightFollowsScreen_data()
    {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QStringList>("highlighted");
        QTest::newRow("search") << Screen(Screen::search) << QStringList{"Search everything"};
        QTest::newRow("topic") << Screen::forCategory(AppCategory::shelter) << QStringList{"Shelter & Parking"};
        QTest::newRow("urgent need: no row") << Screen::forNeed(UrgentNeed::food) << QStringList{};
        QTest::newRow("money") << Screen(Screen::money) << QStringList{"Money Plan"};
        QTest::newRow("display") << Screen(Screen::display) << QStringList{"Text size & display"};
    }
    void highlightFollowsScreen()
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

    // A row chosen elsewhere (Ctrl+3, Ctrl+4) scrolls into view in a short
    // sidebar, and back again for a row near the top.
    void selectedRowScrollsIntoView()
    {
        m_model->setScreen(Screen::home);
        Sidebar sidebar(*m_model);
        sidebar.resize(250, 400);
        sidebar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sidebar));
        auto *area = sidebar.findChild<QScrollArea *>();
        QVERIFY(area);
        const auto inView = [&](const QString &title) {
            for (SidebarRow *row : sidebar.rows()) {
                if (row->title() == title) {
                    const QRect r(row->mapTo(area->viewport(), QPoint(0, 0)), row->size());
                    return area->viewport()->rect().contains(r);
                }
            }
            return false;
        };
        // A new sidebar starts at its top.
        QCOMPARE(area->verticalScrollBar()->value(), 0);
        QVERIFY(!inView(QStringLiteral("Survival Guide")));
        for (const auto &[screen, title] : {std::pair{Screen(Screen::guide), QStringLiteral("Survival Guide")},
                                            std::pair{Screen(Screen::money), QStringLiteral("Money Plan")},
                                            std::pair{Screen(Screen::home), QStringLiteral("Right now")}}) {
            m_model->setScreen(screen);
            QVERIFY2(inView(title), qPrintable(title));
        }
    }

    // A theme, text-size or high-contrast change builds the window afresh;
    // the sidebar stays where it was, its chosen row in view.
    void rebuildsKeepItWhereItWas_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("theme") << MRBYThemes::key << QVariant(TLThemes::emberID);
        QTest::newRow("text size") << TLPrefs::textSizeKey << QVariant(1);
        QTest::newRow("high contrast") << MRBYThemes::key << QVariant(TLThemes::highContrastID);
    }
    void rebuildsKeepItWhereItWas()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        TLSetup::configureLook();
        const Screen jobs = Screen::forCategory(AppCategory::jobs);
        m_model->setScreen(jobs);
        const std::unique_ptr<QMainWindow> window(TLSetup::makeMainWindow(*m_model));
        window->resize(820, 560);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const auto area = [&] { return window->findChild<Sidebar *>()->findChild<QScrollArea *>(); };
        const auto chosen = [&] {
            for (SidebarRow *row : window->findChild<Sidebar *>()->rows())
                if (row->screen() == jobs)
                    return row;
            return static_cast<SidebarRow *>(nullptr);
        };
        // The chosen row, a topic halfway down, scrolled to the middle of
        // the view: neither the top nor where bringing it into view puts it.
        QScrollBar *bar = area()->verticalScrollBar();
        const int rowTop = chosen()->mapTo(area()->widget(), QPoint()).y();
        bar->setValue(rowTop - (area()->viewport()->height() - chosen()->height()) / 2);
        const int before = bar->value();
        QVERIFY(before > 0 && before < bar->maximum());
        const double share = double(before) / area()->widget()->height();
        QPointer<Sidebar> old = window->findChild<Sidebar *>();
        Prefs::shared().setValue(key, value);
        QTRY_VERIFY(!old);
        QTest::qWait(50);
        // The same share of its height (the rows are taller with larger text).
        QVERIFY(qAbs(area()->verticalScrollBar()->value() - share * area()->widget()->height()) <= 1);
        QVERIFY(chosen()->isVisible());
        QVERIFY(area()->viewport()->rect().contains(QRect(chosen()->mapTo(area()->viewport(), QPoint()), chosen()->size())));
        Prefs::shared().clear();
    }

    void clickingRowsSetsScreen()
    {
        m_model->setScreen(Screen::forNeed(UrgentNeed::talk));
        Sidebar sidebar(*m_model);
        sidebar.resize(250, 1400);
        sidebar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sidebar));
        QCOMPARE(sidebar.rows().size(), 2 + 12 + 3 + 2 + 2);
        QVERIFY(sidebar.highlightedTitles().isEmpty());

        QList<Screen> seen;
        for (SidebarRow *row : sidebar.rows()) {
            // The whole row is the target, also right of the title.
            QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(row->width() - 4, row->height() / 2));
            QVERIFY2(m_model->screen() == *row->screen(), qPrintable(row->title()));
            QCOMPARE(sidebar.highlightedTitles(), QStringList{row->title()});
            QVERIFY2(!seen.contains(m_model->screen()), qPrintable(row->title()));
            seen << m_model->screen();
        }
        // Clicking the row shown again keeps the screen.
        QTest::mouseClick(sidebar.rows().last(), Qt::LeftButton);
        QVERIFY(m_model->screen() == Screen(Screen::display));
    }

    void selectedRowDrawsOnAccent()
    {
        m_model->setScreen(Screen::home);
        Sidebar sidebar(*m_model);
        const auto *label = sidebar.rows().first()->findChild<QLabel *>();
        QVERIFY(label);
        QCOMPARE(label->palette().color(QPalette::WindowText), TLPalette::current().onAccent);
        QVERIFY(label->font().weight() > sidebar.rows().at(1)->findChild<QLabel *>()->font().weight());
    }

    void rowsNeedNoData()
    {
        AppModel empty(m_dir.path() + QStringLiteral("/nothing-here"),
                       m_dir.path() + QStringLiteral("/other-list.sqlite"));
        QVERIFY(!empty.data());
        Sidebar sidebar(empty);
        QCOMPARE(sidebar.rows().size(), 21);
        QCOMPARE(sidebar.rows().at(2)->title(), QStringLiteral("Food"));
        // Without data the picker offers only "Choose your state…".
        QCOMPARE(sidebar.statePicker()->comboBox()->count(), 1);
    }
};

QTEST_MAIN(tst_Sidebar)
#include "tst_Sidebar.moc"
