#include "AppFixture.h"
#include "ForeignFile.h"
#include "ReadOnlyFolder.h"

#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/app/TLPrefs.h"
#include "look/kit/Prefs.h"
#include "money/MoneyStore.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_AppModel : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    const QString notOurs = QStringLiteral(
        "The file %1 is damaged or belongs to something else, so it was left as it was. To start afresh, move that "
        "file to another folder, then start the app again.");
    QString dataFolder() const { return m_dir.filePath(QStringLiteral("data")); }
    QString myList(const QString &name = QStringLiteral("my-list.sqlite")) const
    {
        return m_dir.filePath(name);
    }
    static QStringList names(const QList<Listing> &listings)
    {
        QStringList out;
        for (const Listing &l : listings)
            out << l.name;
        return out;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(appfixture::writeDataFolder(dataFolder()));
    }
    void init() { Prefs::shared().clear(); }

    void urgentListings_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("need");
        QTest::addColumn<QStringList>("expected");

        const QStringList five{"CO 211 one", "CO 211 two", "CO 211 three", "CO 211 four", "CO 211 five"};
        QTest::newRow("food, no state") << "" << int(UrgentNeed::food)
            << QStringList{"USDA National Hunger Hotline", "SNAP (food stamps)", "WIC", "Feeding America"};
        QTest::newRow("food, CO: first three 211 lines")
            << "CO" << int(UrgentNeed::food)
            << QStringList{"CO 211 one", "CO 211 two", "CO 211 three", "USDA National Hunger Hotline",
                           "CO food bank one", "CO food bank two", "CO SNAP", "SNAP (food stamps)",
                           "WIC", "Feeding America"};
        QTest::newRow("shelter, CO: every 211 line")
            << "CO" << int(UrgentNeed::shelter)
            << five + QStringList{"211 (United Way 211 network)", "HUD Find Shelter", "CO CoC",
                                  "National Domestic Violence Hotline", "National Runaway Safeline",
                                  "National Call Center for Homeless Veterans"};
        QTest::newRow("parking, no state: nationwide rules only")
            << "" << int(UrgentNeed::parking)
            << QStringList{"BLM land: Dispersed camping", "Store lots: Parking lots"};
        QTest::newRow("parking, CO: rule, nationwide rules, first two 211 lines")
            << "CO" << int(UrgentNeed::parking)
            << QStringList{"Colorado: Highway rest areas", "BLM land: Dispersed camping",
                           "Store lots: Parking lots", "CO 211 one", "CO 211 two"};
        QTest::newRow("parking, TX: no rule of its own")
            << "TX" << int(UrgentNeed::parking)
            << QStringList{"BLM land: Dispersed camping", "Store lots: Parking lots", "TX 211"};
        QTest::newRow("medical, CO")
            << "CO" << int(UrgentNeed::medical)
            << QStringList{"911", "Poison Help", "Find a Health Center", "CO Medicaid", "Medicaid",
                           "SAMHSA National Helpline"};
        QTest::newRow("talk: a missing row is skipped, repeats stay")
            << "CO" << int(UrgentNeed::talk)
            << QStringList{"988 Suicide & Crisis Lifeline", "Crisis Text Line", "Veterans Crisis Line",
                           "National Domestic Violence Hotline", "National Runaway Safeline",
                           "SAMHSA National Helpline"};
        QTest::newRow("food, unknown state") << "ZZ" << int(UrgentNeed::food)
            << QStringList{"USDA National Hunger Hotline", "SNAP (food stamps)", "WIC", "Feeding America"};
    }
    void urgentListings()
    {
        QFETCH(QString, state);
        QFETCH(int, need);
        QFETCH(QStringList, expected);
        AppModel model(dataFolder(), myList());
        QVERIFY2(!model.loadError(), qPrintable(model.loadError().value_or(QString())));
        model.setStateCode(state);
        QCOMPARE(names(model.listings(UrgentNeed::Case(need))), expected);
    }

    void stateNameAndPersistence()
    {
        {
            AppModel model(dataFolder(), myList());
            QSignalSpy writes(&Prefs::shared(), &Prefs::changed);
            model.setStateCode(QStringLiteral("CO"));
            model.setStateCode(QStringLiteral("CO"));
            QCOMPARE(writes.count(), 2); // written again although unchanged
            QCOMPARE(writes.at(1).at(0).toString(), TLPrefs::stateKey);
            QCOMPARE(model.stateName(), QStringLiteral("Colorado"));
            model.setStateCode(QStringLiteral("ZZ"));
            QCOMPARE(model.stateName(), QStringLiteral("ZZ"));
            model.setStateCode(QStringLiteral("CO"));
        }
        AppModel again(dataFolder(), myList());
        QCOMPARE(again.stateCode(), QStringLiteral("CO"));
    }

    void screenChangesAndEquality()
    {
        AppModel model(dataFolder(), myList());
        QSignalSpy changed(&model, &AppModel::changed);
        const Screen food = Screen::forCategory(AppCategory::food);
        model.setScreen(food);
        model.setScreen(Screen::forCategory(AppCategory::food));
        QCOMPARE(changed.count(), 1);
        QVERIFY(model.screen() == food);
        // The topic and the urgent need of one name are different screens.
        QVERIFY(!(food == Screen::forCategory(AppCategory::shelter)));
        QVERIFY(!(food == Screen::forNeed(UrgentNeed::food)));
        QVERIFY(!(Screen(Screen::home) == Screen(Screen::search)));
        QCOMPARE(qHash(food), qHash(Screen::forCategory(AppCategory::food)));
        QCOMPARE(UrgentNeed::fromRawValue(QStringLiteral("talk")), std::optional<UrgentNeed>(UrgentNeed::talk));
        QCOMPARE(UrgentNeed::fromRawValue(QStringLiteral("Talk")), std::nullopt);
    }

    void missingDataFolder()
    {
        AppModel model(m_dir.filePath(QStringLiteral("nowhere")), myList());
        QVERIFY(!model.data());
        QVERIFY(model.favorites()); // the rest keeps working
        QCOMPARE(model.loadError(),
                 std::optional<QString>(QStringLiteral(
                     "The help information could not be loaded (Missing data file state_resources.csv).")));
        QCOMPARE(model.dataError(), *model.loadError());
        model.setStateCode(QStringLiteral("CO"));
        QCOMPARE(model.stateName(), QStringLiteral("CO"));
        for (UrgentNeed n : UrgentNeed::allCases())
            QVERIFY(model.listings(n).isEmpty());
    }

    void myListCannotOpen()
    {
        const QString path = m_dir.filePath(QStringLiteral("no-such-folder/my-list.sqlite"));
        AppModel model(dataFolder(), path);
        QVERIFY(model.data());
        QVERIFY(!model.favorites());
        const QString error = model.loadError().value_or(QString());
        QVERIFY2(error.startsWith(QStringLiteral("My List could not be opened. The file ")), qPrintable(error));
        QCOMPARE(model.myListError(), error);
        QCOMPARE(model.dataError(), QString());
        // Listings are still there without My List.
        model.setStateCode(QStringLiteral("CO"));
        QCOMPARE(model.listings(UrgentNeed::shelter).size(), 11);
    }

    // A damaged page must not pass for an empty list that takes saves which
    // never show: the file is refused as it stands and left as it was.
    void damagedMyListIsRefused()
    {
        const QString path = myList(QStringLiteral("damaged.sqlite"));
        {
            FavoritesStore store(path);
            for (int i = 0; i < 400; ++i)
                store.add(QStringLiteral("uid-%1").arg(i), QStringLiteral("Listing number %1").arg(i));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.size() > 16384 + 4096);
        QVERIFY(file.seek(16384));
        QCOMPARE(file.write(QByteArray(4096, '\x5a')), 4096);
        file.close();
        const QByteArray damaged = foreignfile::bytes(path);

        AppModel model(dataFolder(), path);
        QVERIFY(model.data());
        QVERIFY(!model.favorites());
        QCOMPARE(model.loadError(), std::optional<QString>(
                     QStringLiteral("My List could not be opened. ") + notOurs.arg(path)));
        QCOMPARE(foreignfile::bytes(path), damaged);
        QVERIFY(!QFileInfo::exists(path + QStringLiteral("-journal")));
    }

    // A store that cannot be opened says what happened to its file and what
    // to do, in plain words; SQLite's own words go to the log.
    void storeErrorsInPlainWords_data()
    {
        QTest::addColumn<int>("file"); // how both store files are made, below
        QTest::addColumn<QString>("trouble");
        QTest::newRow("no folder") << 0 << QStringLiteral(
            "The file %1 could not be opened. Check that its folder is there and that your account may read and "
            "write in it, then start the app again.");
        QTest::newRow("not a database") << 1 << notOurs;
        QTest::newRow("another program's tables") << 2 << notOurs;
        QTest::newRow("in use") << 3 << QStringLiteral(
            "The file %1 is in use by another program. Close that program, then start the app again.");
        QTest::newRow("read-only, no tables yet") << 4 << QStringLiteral(
            "The file %1 could not be written. Check that the disk has room and that you may write in its folder, "
            "then start the app again.");
    }

    void storeErrorsInPlainWords()
    {
        QFETCH(int, file);
        QFETCH(QString, trouble);
        const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        const QString under = folder + (file == 0 ? QStringLiteral("/missing/") : QStringLiteral("/"));
        const QString list = under + QStringLiteral("list.sqlite");
        const QString money = under + QStringLiteral("money.sqlite");
        QVERIFY(QDir().mkpath(folder));
        std::vector<std::unique_ptr<SQLiteDB>> holders;
        for (const QString &path : {list, money}) {
            if (file == 1)
                QVERIFY(testsupport::writeFile(path, QByteArray(4096, 'x')));
            else if (file == 2 || file == 3)
                foreignfile::make(path, QStringLiteral("CREATE TABLE songs(title TEXT)"));
            else if (file == 4)
                foreignfile::make(path, QStringLiteral("PRAGMA user_version = 7"));
            if (file == 3) {
                holders.push_back(std::make_unique<SQLiteDB>(path));
                holders.back()->exec(QStringLiteral("BEGIN EXCLUSIVE"));
            }
        }
        if (file == 4)
            QVERIFY(readonlyfolder::lock(folder));
        const auto unlock = qScopeGuard([&] { readonlyfolder::unlock(folder); });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^My List could not be opened: .")));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^The Money Plan could not be opened: .")));
        AppModel model(dataFolder(), list, money);
        QVERIFY(!model.favorites() && !model.money());
        QCOMPARE(model.myListError(), QStringLiteral("My List could not be opened. ") + trouble.arg(list));
        QCOMPARE(model.moneyTrouble(), trouble.arg(money));
        QCOMPARE(model.moneyError(), QStringLiteral("The Money Plan could not be opened. ") + trouble.arg(money));
    }

    void moneyPlanOpensOrSaysWhy()
    {
        qputenv("TL_MONEY_PATH", m_dir.filePath(QStringLiteral("money-plan.sqlite")).toUtf8());
        {
            AppModel model(dataFolder(), myList());
            QVERIFY(model.money());
            QCOMPARE(model.money()->url(), m_dir.filePath(QStringLiteral("money-plan.sqlite")));
            QVERIFY(!model.loadError());
        }
        qunsetenv("TL_MONEY_PATH");

        // A file that is not a database: the rest keeps working.
        const QString junk = m_dir.filePath(QStringLiteral("junk.sqlite"));
        QVERIFY(testsupport::writeFile(junk, QByteArray(4096, 'x')));
        AppModel model(dataFolder(), myList(), junk);
        QVERIFY(model.data() && model.favorites() && !model.money());
        QCOMPARE(model.loadError(), std::optional<QString>(
                     QStringLiteral("The Money Plan could not be opened. ") + notOurs.arg(junk)));
        QCOMPARE(model.moneyError(), *model.loadError());
    }

    void allThreeFail()
    {
        AppModel model(m_dir.filePath(QStringLiteral("nowhere")),
                       m_dir.filePath(QStringLiteral("no-such-folder/my-list.sqlite")),
                       m_dir.filePath(QStringLiteral("no-such-folder/money-plan.sqlite")));
        const QString error = model.loadError().value_or(QString());
        QVERIFY(model.myListError().startsWith(QStringLiteral("My List could not")));
        QVERIFY(model.moneyError().startsWith(QStringLiteral("The Money Plan could not be opened. The file ")));
        QCOMPARE(error, model.dataError() + QLatin1Char(' ') + model.myListError() + QLatin1Char(' ')
                     + model.moneyError());
        QVERIFY(!model.money());
    }
};

QTEST_GUILESS_MAIN(tst_AppModel)
#include "tst_AppModel.moc"
