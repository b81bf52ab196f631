#include "data/ReferenceData.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLThemes.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYKit.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "screens/HomeView.h"
#include "screens/ListingCard.h"
#include "screens/PlainButton.h"
#include "screens/RowColumn.h"
#include "screens/SearchView.h"
#include "screens/Tile.h"
#include "screens/ToggleBox.h"
#include "screens/VideoRow.h"
#include "services/AppFixture.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class tst_SearchHome : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;

private Q_SLOTS:
    void initTestCase()
    {
        MRBYKit::install(std::nullopt, {}, TLThemes::extras());
        m_model = appfixture::makeModel(m_dir.path());
        QVERIFY(m_model && m_model->data() && m_model->favorites());
    }

    void init()
    {
        Prefs::shared().clear();
        m_model->setStateCode(QString());
        m_model->setSearchText(QString());
        m_model->setSearchAllStates(false);
    }

    void searchState_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("allStates");
        QTest::addColumn<QString>("searched"); // "-" for none
        QTest::newRow("a state") << "CO" << false << "CO";
        QTest::newRow("all states") << "CO" << true << "-";
        QTest::newRow("no state, switch on") << "" << true << "-";
        QTest::newRow("no state, switch off") << "" << false << "-";
    }

    void searchState()
    {
        QFETCH(QString, state);
        QFETCH(bool, allStates);
        QFETCH(QString, searched);
        m_model->setStateCode(state);
        m_model->setSearchAllStates(allStates);
        const std::optional<QString> s = SearchView::searchState(*m_model);
        QCOMPARE(s.value_or(QStringLiteral("-")), searched);
        // Texas rows show only when Texas is not left out.
        m_model->setSearchText(QStringLiteral("TX 211"));
        bool texas = false;
        for (const SearchHit &hit : SearchView::hits(*m_model))
            texas = texas || (hit.listing() && hit.listing()->state == QLatin1String("TX"));
        QCOMPARE(texas, searched == QLatin1String("-"));
    }

    void countLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hits");
        QTest::addColumn<QString>("line");
        QTest::newRow("empty") << "" << 0 << "";
        QTest::newRow("blanks") << " \t " << 0 << "";
        QTest::newRow("none") << "zzz" << 0
                              << "Nothing found. Try a shorter or simpler word, like \"food\" or \"shower\".";
        QTest::newRow("one") << "x" << 1 << "1 result";
        QTest::newRow("two") << "x" << 2 << "2 results";
        QTest::newRow("cap") << "x" << 150 << "150 results";
    }

    void countLine()
    {
        QFETCH(QString, text);
        QFETCH(int, hits);
        QFETCH(QString, line);
        QCOMPARE(SearchView::countLine(text, hits), line);
    }

    void screenShowsHitsInOrder()
    {
        m_model->setStateCode(QStringLiteral("CO"));
        SearchView view(*m_model);
        QVERIFY(view.allStatesToggle());
        QCOMPARE(view.allStatesToggle()->text(), QStringLiteral("Search all states (not just Colorado)"));
        QVERIFY(view.clearButton()->isHidden());
        QVERIFY(view.countLabel()->isHidden());
        QCOMPARE(view.results()->ids(), QStringList());

        m_model->setSearchText(QStringLiteral("   "));
        QVERIFY(!view.clearButton()->isHidden());
        QVERIFY(view.countLabel()->isHidden());
        QCOMPARE(view.results()->ids(), QStringList());

        m_model->setSearchText(QStringLiteral("CPR"));
        view.results()->buildAll();
        QStringList expected;
        for (const SearchHit &hit : SearchView::hits(*m_model))
            expected << hit.id();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(view.results()->ids(), expected);
        QCOMPARE(view.countLabel()->text(), SearchView::countLine(QStringLiteral("CPR"), expected.size()));
        QVERIFY(view.findChild<VideoRow *>());

        // The switch writes the model and the search follows.
        view.allStatesToggle()->click();
        QVERIFY(m_model->searchAllStates());
        // And follows the model when another view changes it.
        m_model->setSearchAllStates(false);
        QVERIFY(!view.allStatesToggle()->isChecked());

        view.clearButton()->click();
        QCOMPARE(m_model->searchText(), QString());
        QCOMPARE(view.field()->text(), QString());
        QVERIFY(view.countLabel()->isHidden());
        QCOMPARE(view.results()->ids(), QStringList());
    }

    void noStateHidesTheSwitch()
    {
        SearchView view(*m_model);
        QVERIFY(view.allStatesToggle()->isHidden());
        QVERIFY(!view.allStatesToggle()->isWindow());
        // A state chosen with the screen open brings the switch, named for it.
        m_model->setStateCode(QStringLiteral("CO"));
        QVERIFY(!view.allStatesToggle()->isHidden());
        QCOMPARE(view.allStatesToggle()->text(), QStringLiteral("Search all states (not just Colorado)"));
        m_model->setStateCode(QString());
        QVERIFY(view.allStatesToggle()->isHidden());
    }

    // A state named with "&" shows it once in the switch, to the eye (the
    // painted text is as much wider than with "Colorado" as the names are)
    // and to a screen reader.
    void switchShowsAnAmpersandOnce()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("data"));
        QVERIFY(appfixture::writeDataFolder(folder));
        QFile states(folder + QStringLiteral("/state_resources.csv"));
        QVERIFY(states.open(QIODevice::Append));
        states.write("TT,Trinidad & Tobago,211,TT 211,Help,211,,,,,,,https://example.org/tt,United Way,"
                     "2026-10-01,verified-official,ok\n");
        states.close();
        AppModel model(folder, dir.filePath(QStringLiteral("list.sqlite")));
        model.setStateCode(QStringLiteral("TT"));
        QCOMPARE(model.stateName(), QStringLiteral("Trinidad & Tobago"));
        SearchView view(model);
        view.resize(1000, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        ToggleBox *toggle = view.allStatesToggle();
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(toggle);
        QVERIFY(reader);
        QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Search all states (not just Trinidad & Tobago)"));
        // The rightmost painted column of the switch.
        const auto inkEnd = [toggle] {
            const QImage image = toggle->grab().toImage();
            const QRgb background = image.pixel(image.width() - 1, 0);
            int end = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != background)
                        end = std::max(end, x);
            return end;
        };
        const int withAmpersand = inkEnd();
        model.setStateCode(QStringLiteral("CO"));
        const int withColorado = inkEnd();
        const QFontMetrics fm(toggle->font());
        const int wider = fm.horizontalAdvance(QStringLiteral("Trinidad & Tobago"))
            - fm.horizontalAdvance(QStringLiteral("Colorado"));
        QVERIFY2(std::abs(withAmpersand - withColorado - wider) <= 2,
                 qPrintable(QStringLiteral("%1 != %2").arg(withAmpersand - withColorado).arg(wider)));
    }

    void typingKeepsEveryLetterAndTheCursor()
    {
        SearchView view(*m_model);
        view.resize(900, 700);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_VERIFY(view.field()->hasFocus());
        QTest::keyClicks(view.field(), QStringLiteral("food bank"));
        QCOMPARE(view.field()->text(), QStringLiteral("food bank"));
        QCOMPARE(m_model->searchText(), QStringLiteral("food bank"));
        QCOMPARE(view.searchCount(), 1 + 9);
        // A letter typed in the middle keeps the cursor after it.
        view.field()->setCursorPosition(4);
        QTest::keyClicks(view.field(), QStringLiteral("s"));
        QCOMPARE(view.field()->text(), QStringLiteral("foods bank"));
        QCOMPARE(view.field()->cursorPosition(), 5);
        QVERIFY(view.field()->hasFocus());
    }

    void rowsAreReusedById()
    {
        SearchView view(*m_model);
        m_model->setSearchText(QStringLiteral("CO 211"));
        view.results()->buildAll();
        const QStringList ids = view.results()->ids();
        QVERIFY(ids.size() >= 5);
        QWidget *first = view.results()->rowWidget(ids.first());
        const int made = view.results()->madeCount();
        m_model->setSearchText(QStringLiteral("CO 21"));
        m_model->setSearchText(QStringLiteral("CO 211"));
        view.results()->buildAll();
        QCOMPARE(view.results()->rowWidget(ids.first()), first);
        // Only rows never listed before are made anew.
        QCOMPARE(view.results()->madeCount(), made);
    }

    void rowColumnKeepsABoundedNumber()
    {
        RowColumn column;
        const auto rows = [](const QString &prefix, int n) {
            QList<RowColumn::Row> out;
            for (int i = 0; i < n; ++i)
                out.append({prefix + QString::number(i), [] { return new QWidget; }});
            return out;
        };
        for (const QString &prefix : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) {
            column.setRows(rows(prefix, 250));
            column.buildAll();
            QCOMPARE(column.built(), 250);
        }
        QVERIFY(column.keptCount() <= 250 + 300);
        // What is listed now is kept, and listing it again makes nothing new.
        const int made = column.madeCount();
        column.setRows(rows(QStringLiteral("c"), 250));
        column.buildAll();
        QCOMPARE(column.madeCount(), made);
    }

    void chapterTileOpensTheGuide()
    {
        m_model->setGuideChapter(3);
        m_model->setSearchText(QStringLiteral("water"));
        SearchView view(*m_model);
        view.results()->buildAll();
        auto *tile = view.findChild<Tile *>(QStringLiteral("chapterTile"));
        QVERIFY(tile);
        QVERIFY(tile->title().startsWith(QStringLiteral("Survival Guide \u00B7 Chapter ")));
        tile->click();
        QCOMPARE(m_model->screen(), Screen(Screen::guide));
        QVERIFY(m_model->guideChapter() != 3);
        QCOMPARE(m_model->searchText(), QStringLiteral("water"));
    }

    void withoutStoreStillShowsRows()
    {
        QTemporaryDir dir;
        QVERIFY(appfixture::writeDataFolder(dir.filePath(QStringLiteral("data"))));
        // A folder where the file should be: My List cannot open.
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("list.sqlite"))));
        AppModel model(dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("list.sqlite")));
        QVERIFY(!model.favorites());
        model.setSearchText(QStringLiteral("CPR"));
        SearchView view(model);
        view.results()->buildAll();
        QVERIFY(view.findChild<VideoRow *>());
        model.setSearchText(QStringLiteral("211"));
        view.results()->buildAll();
        auto *card = view.findChild<ListingCard *>();
        QVERIFY(card);
        QVERIFY(!card->saveButton());
    }

    void withoutDataNothingFound()
    {
        QTemporaryDir dir;
        AppModel model(dir.filePath(QStringLiteral("none")), dir.filePath(QStringLiteral("list.sqlite")));
        QVERIFY(!model.data());
        model.setSearchText(QStringLiteral("food"));
        SearchView view(model);
        QCOMPARE(view.countLabel()->text(), SearchView::countLine(QStringLiteral("food"), 0));
    }

    void homePromptAndTiles()
    {
        {
            HomeView home(*m_model);
            QVERIFY(home.findChild<QWidget *>(QStringLiteral("statePrompt")));
            QCOMPARE(home.urgentTiles().size(), 5);
            QCOMPARE(home.topicTiles().size(), 12);
            QCOMPARE(home.topicTiles().at(1)->title(), QStringLiteral("Shelter & Parking"));
        }
        // Choosing a state hides the prompt in place; clearing it shows it again.
        HomeView home(*m_model);
        QWidget *prompt = home.findChild<QWidget *>(QStringLiteral("statePrompt"));
        QVERIFY(prompt && !prompt->isHidden());
        m_model->setStateCode(QStringLiteral("CO"));
        QVERIFY(prompt->isHidden());
        QCOMPARE(home.findChild<QWidget *>(QStringLiteral("statePrompt")), prompt);
        m_model->setStateCode(QString());
        QVERIFY(!prompt->isHidden());
        // Never a window of its own.
        QVERIFY(!prompt->isWindow());
    }

    void homeNavigates()
    {
        HomeView home(*m_model);
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        // A click on the tile's title counts as a click on the tile.
        QTest::mouseClick(home.urgentTiles().at(0)->titleLabel(), Qt::LeftButton);
        QCOMPARE(m_model->screen(), Screen::forNeed(UrgentNeed::food));
        home.urgentTiles().at(4)->click();
        QCOMPARE(m_model->screen(), Screen::forNeed(UrgentNeed::talk));
        m_model->setScreen(Screen::home);
        home.talkButton()->click();
        QCOMPARE(m_model->screen(), Screen::forNeed(UrgentNeed::talk));
        home.topicTiles().at(2)->click();
        QCOMPARE(m_model->screen(), Screen::forCategory(AppCategory::showers));
        m_model->setGuideChapter(5);
        home.startButtons().at(0)->click();
        QCOMPARE(m_model->guideChapter(), 1);
        QCOMPARE(m_model->screen(), Screen(Screen::guide));
        home.startButtons().at(1)->click();
        QCOMPARE(m_model->screen(), Screen(Screen::sheet));
        std::optional<QString> asked;
        MRBYHelp::setOpener([&asked](const std::optional<QString> &topic) { asked = topic.value_or(QString()); });
        home.startButtons().at(2)->click();
        QCOMPARE(asked.value_or(QString()), QStringLiteral("start"));
    }

    void homeGridColumns_data()
    {
        QTest::addColumn<int>("textSize");
        QTest::addColumn<int>("urgentRow2");
        QTest::newRow("normal text: four, then the fifth alone") << 0 << 4;
        QTest::newRow("largest text: fewer columns") << 2 << 2;
    }

    void homeGridColumns()
    {
        QFETCH(int, textSize);
        QFETCH(int, urgentRow2);
        Prefs::shared().setInteger(TLPrefs::textSizeKey, textSize);
        m_model->setStateCode(QStringLiteral("CO"));
        HomeView home(*m_model);
        home.resize(1030, 900); // the screen area beside the sidebar at 1280
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        const QList<Tile *> tiles = home.urgentTiles();
        const int firstRowY = tiles.first()->y();
        int onFirstRow = 0;
        for (Tile *t : tiles)
            onFirstRow += t->y() == firstRowY ? 1 : 0;
        QCOMPARE(onFirstRow, urgentRow2);
        for (Tile *t : tiles + home.topicTiles())
            QVERIFY(t->height() >= t->heightForWidth(t->width()));
    }

    void tileOutline()
    {
        Tile plain(QStringLiteral("fork.knife"), QStringLiteral("Food"), false);
        QCOMPARE(plain.outlineWidth(), 1.0);
        Prefs::shared().setString(MRBYThemes::key, TLThemes::highContrastID);
        QCOMPARE(plain.outlineWidth(), 2.0);
    }
};

QTEST_MAIN(tst_SearchHome)
#include "tst_SearchHome.moc"
