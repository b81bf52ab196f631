#include "MoneyFixture.h"

#include "data/ReferenceData.h"
#include "money/MoneyTips.h"

#include <QtTest>

using namespace moneyfixture;
using F = MoneyFrequency;

namespace {

QStringList ids(const QList<MoneyTip> &tips)
{
    QStringList out;
    for (const MoneyTip &t : tips)
        out << t.id;
    return out;
}

QStringList names(const QList<Listing> &listings)
{
    QStringList out;
    for (const Listing &l : listings)
        out << l.name;
    return out;
}

// One monthly line in each of the eight categories that have a tip, the
// largest first in this order: vehicle, campsite, hygiene, laundry,
// storage, phone, fuel, food (3,600 cents a month in all).
QList<MoneyEntry> eightCategories()
{
    QList<MoneyEntry> out;
    qint64 cents = 800;
    for (const char16_t *id : {u"vehicle", u"campsite", u"hygiene", u"laundry", u"storage", u"phone", u"fuel",
                               u"food"}) {
        out << expense(QString::fromUtf16(id), cents, F::month);
        cents -= 100;
    }
    return out;
}

} // namespace

class tst_MoneyTips : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ReferenceData> m_data;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(writeDataFolder(m_dir.path()));
        m_data = std::make_unique<ReferenceData>(m_dir.path());
    }

    void order_data()
    {
        QTest::addColumn<MoneyPlan>("plan");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("expected");
        const QStringList defaults{u"food"_qs, u"income"_qs, u"hygiene"_qs, u"phone"_qs};
        QTest::newRow("empty plan: defaults, income second") << MoneyPlan() << 5 << defaults;
        QTest::newRow("only other spending: defaults")
            << plan({expense(u"other"_qs, 5000, F::week)}) << 5 << defaults;
        QTest::newRow("food a day beats fuel a week")
            << plan({expense(u"fuel"_qs, 7000, F::week), expense(u"food"_qs, 1400, F::day)}) << 5
            << QStringList{u"food"_qs, u"income"_qs, u"fuel"_qs};
        QTest::newRow("equal totals keep table order")
            << plan({expense(u"storage"_qs, 500, F::week), expense(u"phone"_qs, 500, F::week)}) << 5
            << QStringList{u"phone"_qs, u"income"_qs, u"storage"_qs};

        const QStringList fiveLargest{u"vehicle"_qs, u"campsite"_qs, u"hygiene"_qs, u"laundry"_qs,
                                      u"storage"_qs};
        QTest::newRow("benefits and money left over: no income tip")
            << plan(eightCategories() << income(u"benefits"_qs, 3600, F::month)) << 5 << fiveLargest;
        QTest::newRow("one cent a month short: income tip second")
            << plan(eightCategories() << income(u"benefits"_qs, 3599, F::month)) << 5
            << QStringList{u"vehicle"_qs, u"income"_qs, u"campsite"_qs, u"hygiene"_qs, u"laundry"_qs};
        QTest::newRow("benefits worth nothing: income tip")
            << plan({expense(u"food"_qs, 100, F::week), income(u"benefits"_qs, 0, F::week)}) << 5
            << QStringList{u"food"_qs, u"income"_qs};
        QTest::newRow("income but no benefits line: income tip")
            << plan({expense(u"food"_qs, 100, F::week), income(u"job"_qs, 90000, F::week)}) << 5
            << QStringList{u"food"_qs, u"income"_qs};
        QTest::newRow("limit 9 gives all nine")
            << plan(eightCategories()) << 9
            << QStringList{u"vehicle"_qs, u"income"_qs, u"campsite"_qs, u"hygiene"_qs, u"laundry"_qs,
                           u"storage"_qs, u"phone"_qs, u"fuel"_qs, u"food"_qs};
        QTest::newRow("limit 0") << plan(eightCategories()) << 0 << QStringList();
    }
    void order()
    {
        QFETCH(MoneyPlan, plan);
        QFETCH(int, limit);
        QFETCH(QStringList, expected);
        const QList<MoneyTip> tips = MoneyTips::tips(plan, u"CO"_qs, m_data.get(), limit);
        QCOMPARE(ids(tips), expected);
        for (const MoneyTip &t : tips)
            QVERIFY(t.topic.has_value());
        QVERIFY(MoneyTips::tips(plan, u"CO"_qs, nullptr, limit).isEmpty());
    }

    void listings_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("topic");
        QTest::newRow("food, CO") << u"food"_qs << u"CO"_qs
            << QStringList{u"CO food bank one"_qs, u"CO food bank two"_qs, u"CO SNAP"_qs, u"SNAP (food stamps)"_qs,
                           u"WIC"_qs, u"USDA National Hunger Hotline"_qs}
            << int(AppCategory::food);
        QTest::newRow("food, no state") << u"food"_qs << QString()
            << QStringList{u"SNAP (food stamps)"_qs, u"WIC"_qs, u"USDA National Hunger Hotline"_qs}
            << int(AppCategory::food);
        QTest::newRow("campsite, CO") << u"campsite"_qs << u"CO"_qs
            << QStringList{u"CO CoC"_qs, u"HUD Find Shelter"_qs, u"Colorado: Highway rest areas"_qs}
            << int(AppCategory::shelter);
        QTest::newRow("vehicle, CA") << u"vehicle"_qs << u"CA"_qs
            << QStringList{u"No national car-repair program"_qs,
                           u"California Consumer Assistance Program (smog repair)"_qs, u"Modest Needs"_qs,
                           u"CA 211"_qs}
            << int(AppCategory::vehicle);
        QTest::newRow("vehicle, lower-case ca") << u"vehicle"_qs << u"ca"_qs
            << QStringList{u"No national car-repair program"_qs, u"Modest Needs"_qs} << int(AppCategory::vehicle);
        QTest::newRow("income, CO") << u"income"_qs << u"CO"_qs
            << QStringList{u"USAGov Benefit Finder"_qs, u"CO UI"_qs, u"IRS VITA free tax help"_qs, u"CO SNAP"_qs}
            << int(AppCategory::jobs);
        QTest::newRow("income, TX: only the nationwide rows") << u"income"_qs << u"TX"_qs
            << QStringList{u"USAGov Benefit Finder"_qs, u"IRS VITA free tax help"_qs} << int(AppCategory::jobs);
    }
    void listings()
    {
        QFETCH(QString, key);
        QFETCH(QString, state);
        QFETCH(QStringList, expected);
        QFETCH(int, topic);
        // All eight categories and no income: every one of the nine tips.
        const QList<MoneyTip> tips = MoneyTips::tips(plan(eightCategories()), state, m_data.get(), 9);
        const auto tip = std::find_if(tips.begin(), tips.end(), [&](const MoneyTip &t) { return t.id == key; });
        QVERIFY(tip != tips.end());
        QCOMPARE(names(tip->listings), expected);
        QCOMPARE(tip->topic, std::optional<AppCategory>(AppCategory::Case(topic)));
        const auto text = std::find_if(MoneyTips::texts().begin(), MoneyTips::texts().end(),
                                       [&](const MoneyTips::Text &t) { return t.key == key; });
        QCOMPARE(tip->title, text->title);
        QCOMPARE(tip->text, text->text);
    }

    void exampleWithShippedData()
    {
        const ReferenceData shipped(testsupport::sourceDir() + u"/resources/data"_qs);
        const QList<MoneyTip> tips = MoneyTips::tips(example(), u"CO"_qs, &shipped);
        QStringList titles;
        for (const MoneyTip &t : tips) {
            titles << t.title;
            QVERIFY2(!t.listings.isEmpty(), qPrintable(t.id));
        }
        QCOMPARE(titles.join(u" | "_qs), u"Spend less on food | Bring in more money | Spend less on gas and bus "
                                        u"fare | Car repair costs | Spend less on a place to stay"_qs);
        QCOMPARE(tips.at(1).listings.first().name, u"USAGov Benefit Finder"_qs);
    }
};

QTEST_GUILESS_MAIN(tst_MoneyTips)
#include "tst_MoneyTips.moc"
