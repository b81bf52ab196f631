// Renders the urgent-need, help-topic, My List and Videos screens inside the
// main window to <build>/shots/ for a person to look at: the default theme,
// and high contrast at the largest text size. Each render checks that
// nothing on the page runs past its right edge.

#include "Shots.h"

#include "app/ScreenHost.h"
#include "app/TLSetup.h"
#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/app/TLThemes.h"
#include "look/kit/Prefs.h"
#include "screens/ListingCard.h"
#include "screens/NoteEditor.h"
#include "screens/Page.h"
#include "services/AppModel.h"
#include "widgets/TLScroll.h"

#include <QMainWindow>
#include <QTextEdit>
#include <QtTest>

class tst_ContentShots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        TLSetup::configure();
        AppModel &model = AppModel::shared();
        QVERIFY(model.data() && model.favorites());
        // My List: two of Colorado's listings with a note on one, and an
        // entry the data no longer holds.
        FavoritesStore &store = *model.favorites();
        const QList<Listing> co = model.data()->listings(AppCategory::food, QStringLiteral("CO"));
        QVERIFY(co.size() >= 2);
        store.add(co.at(0).uid, co.at(0).name);
        store.setNote(co.at(0).uid, QStringLiteral("Open Tuesdays. Ask for Maria."));
        store.add(QStringLiteral("s:CO:0000000000000000"), QStringLiteral("Old Town Food Pantry"));
        store.setNote(QStringLiteral("s:CO:0000000000000000"), QStringLiteral("They moved in March."));
        store.add(co.at(1).uid, co.at(1).name);
        QCOMPARE(store.items().size(), 3);
    }

    void shots_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("textSize");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("end"); // scrolled to the end of the page
        const QSize normal(1280, 880);
        const QString warm = TLThemes::warmID;
        const QString contrast = TLThemes::highContrastID;
        for (const auto &[theme, size, tag] : {std::tuple{warm, 0, "default"}, std::tuple{contrast, 2, "contrast-xl"}}) {
            const auto row = [&](const char *name) -> QTestData & {
                return QTest::newRow(qPrintable(QStringLiteral("%1-%2").arg(QLatin1String(name), QLatin1String(tag))))
                       << theme << size;
            };
            row("urgent-food") << QStringLiteral("urgent:food") << QStringLiteral("CO") << normal << false;
            row("urgent-food-nostate") << QStringLiteral("urgent:food") << QString() << normal << false;
            row("urgent-medical") << QStringLiteral("urgent:medical") << QStringLiteral("CO") << normal << false;
            row("topic-food") << QStringLiteral("category:food") << QStringLiteral("CO") << normal << false;
            row("topic-food-nostate") << QStringLiteral("category:food") << QString() << normal << false;
            row("topic-health-end") << QStringLiteral("category:health") << QStringLiteral("CO") << normal << true;
            row("mylist") << QStringLiteral("myList") << QStringLiteral("CO") << normal << false;
            row("videos") << QStringLiteral("videos") << QString() << normal << false;
        }
        QTest::newRow("mylist-smallest") << warm << 0 << QStringLiteral("myList") << QStringLiteral("CO")
                                         << QSize(820, 560) << false;
        QTest::newRow("topic-food-smallest-xl") << warm << 2 << QStringLiteral("category:food") << QString()
                                                << QSize(820, 560) << false;
    }

    void shots()
    {
        QFETCH(QString, theme);
        QFETCH(int, textSize);
        QFETCH(QString, screen);
        QFETCH(QString, state);
        QFETCH(QSize, size);
        QFETCH(bool, end);

        shots::setLook(theme, textSize, 1.0);
        AppModel &model = AppModel::shared();
        model.setStateCode(state);
        Screen wanted = Screen::home;
        if (screen == QLatin1String("urgent:food"))
            wanted = Screen::forNeed(UrgentNeed::food);
        else if (screen == QLatin1String("urgent:medical"))
            wanted = Screen::forNeed(UrgentNeed::medical);
        else if (screen == QLatin1String("category:food"))
            wanted = Screen::forCategory(AppCategory::food);
        else if (screen == QLatin1String("category:health"))
            wanted = Screen::forCategory(AppCategory::health);
        else if (screen == QLatin1String("myList"))
            wanted = Screen::myList;
        else if (screen == QLatin1String("videos"))
            wanted = Screen::videos;
        model.setScreen(wanted);

        QMainWindow *window = TLSetup::makeMainWindow(model);
        QVERIFY(shots::show(window, size));
        QTest::qWait(300);
        auto *host = window->findChild<ScreenHost *>();
        QVERIFY(host && host->current());
        QVERIFY(!host->current()->findChild<QWidget *>(QStringLiteral("placeholderTitle")));
        const auto *page = host->current()->findChild<Page *>();
        QVERIFY(page);
        const QString cut = shots::runsPastPage(page);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
        if (screen == QLatin1String("myList")) {
            // A draft being typed, to see the editor in use.
            const auto editors = page->findChildren<NoteEditor *>();
            QVERIFY(!editors.isEmpty());
        }
        if (end) {
            shots::scrollToEnd(page);
            QTest::qWait(100);
        }
        QVERIFY(shots::save(window));
        delete window;
    }
};

QTEST_MAIN(tst_ContentShots)
#include "tst_ContentShots.moc"
