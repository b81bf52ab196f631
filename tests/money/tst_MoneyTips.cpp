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
        const QStringList defaults{QStringLiteral("food"), QStringLiteral("income"), QStringLiteral("hygiene"), QStringLiteral("phone")};
        QTest::newRow("empty plan: defaults, income second") << MoneyPlan() << 5 << defaults;
        QTest::newRow("only other spending: defaults")
            << plan({expense(QStringLiteral("other"), 5000, F::week)}) << 5 << defaults;
        QTest::newRow("food a day beats fuel a week")
            << plan({expense(QStringLiteral("fuel"), 7000, F::week), expense(QStringLiteral("food"), 1400, F::day)}) << 5
            << QStringList{QStringLiteral("food"), QStringLiteral("income"), QStringLiteral("fuel")};
        QTest::newRow("equal totals keep table order")
            << plan({expense(QStringLiteral("storage"), 500, F::week), expense(QStringLiteral("phone"), 500, F::week)}) << 5
            << QStringList{QStringLiteral("phone"), QStringLiteral("income"), QStringLiteral("storage")};

        const QStringList fiveLargest{QStringLiteral("vehicle"), QStringLiteral("campsite"), QStringLiteral("hygiene"), QStringLiteral("laundry"),
                                      QStringLiteral("storage")};
        QTest::newRow("benefits and money left over: no income tip")
            << plan(eightCategories() << income(QStringLiteral("benefits"), 3600, F::month)) << 5 << fiveLargest;
        QTest::newRow("one cent a month short: income tip second")
            << plan(eightCategories() << income(QStringLiteral("benefits"), 3599, F::month)) << 5
            << QStringList{QStringLiteral("vehicle"), QStringLiteral("income"), QStringLiteral("campsite"), QStringLiteral("hygiene"), QStringLiteral("laundry")};
        QTest::newRow("benefits worth nothing: income tip")
            << plan({expense(QStringLiteral("food"), 100, F::week), income(QStringLiteral("benefits"), 0, F::week)}) << 5
            << QStringList{QStringLiteral("food"), QStringLiteral("income")};
        QTest::newRow("income but no benefits line: income tip")
            << plan({expense(QStringLiteral("food"), 100, F::week), income(QStringLiteral("job"), 90000, F::week)}) << 5
            << QStringList{QStringLiteral("food"), QStringLiteral("income")};
        QTest::newRow("limit 9 gives all nine")
            << plan(eightCategories()) << 9
            << QStringList{QStringLiteral("vehicle"), QStringLiteral("income"), QStringLiteral("campsite"), QStringLiteral("hygiene"), QStringLiteral("laundry"),
                           QStringLiteral("storage"), QStringLiteral("phone"), QStringLiteral("fuel"), QStringLiteral("food")};
        QTest::newRow("limit 0") << plan(eightCategories()) << 0 << QStringList();
    }
    void order()
    {
        QFETCH(MoneyPlan, plan);
        QFETCH(int, limit);
        QFETCH(QStringList, expected);
        const QList<MoneyTip> tips = MoneyTips::tips(plan, QStringLiteral("CO"), m_data.get(), limit);
        QCOMPARE(ids(tips), expected);
        for (const MoneyTip &t : tips)
            QVERIFY(t.topic.has_value());
        QVERIFY(MoneyTips::tips(plan, QStringLiteral("CO"), nullptr, limit).isEmpty());
    }

    void listings_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("topic");
        QTest::newRow("food, CO") << QStringLiteral("food") << QStringLiteral("CO")
            << QStringList{QStringLiteral("CO food bank one"), QStringLiteral("CO food bank two"), QStringLiteral("CO SNAP"), QStringLiteral("SNAP (food stamps)"),
                           QStringLiteral("WIC"), QStringLiteral("USDA National Hunger Hotline")}
            << int(AppCategory::food);
        QTest::newRow("food, no state") << QStringLiteral("food") << QString()
            << QStringList{QStringLiteral("SNAP (food stamps)"), QStringLiteral("WIC"), QStringLiteral("USDA National Hunger Hotline")}
            << int(AppCategory::food);
        QTest::newRow("campsite, CO") << QStringLiteral("campsite") << QStringLiteral("CO")
            << QStringList{QStringLiteral("CO CoC"), QStringLiteral("HUD Find Shelter"), QStringLiteral("Colorado: Highway rest areas")}
            << int(AppCategory::shelter);
        QTest::newRow("vehicle, CA") << QStringLiteral("vehicle") << QStringLiteral("CA")
            << QStringList{QStringLiteral("No national car-repair program"),
                           QStringLiteral("California Consumer Assistance Program (smog repair)"), QStringLiteral("Modest Needs"),
                           QStringLiteral("CA 211")}
            << int(AppCategory::vehicle);
        QTest::newRow("vehicle, lower-case ca") << QStringLiteral("vehicle") << QStringLiteral("ca")
            << QStringList{QStringLiteral("No national car-repair program"), QStringLiteral("Modest Needs")} << int(AppCategory::vehicle);
        QTest::newRow("income, CO") << QStringLiteral("income") << QStringLiteral("CO")
            << QStringList{QStringLiteral("USAGov Benefit Finder"), QStringLiteral("CO UI"), QStringLiteral("IRS VITA free tax help"), QStringLiteral("CO SNAP")}
            << int(AppCategory::jobs);
        QTest::newRow("income, TX: only the nationwide rows") << QStringLiteral("income") << QStringLiteral("TX")
            << QStringList{QStringLiteral("USAGov Benefit Finder"), QStringLiteral("IRS VITA free tax help")} << int(AppCategory::jobs);
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
        const ReferenceData shipped(testsupport::sourceDir() + QStringLiteral("/resources/data"));
        const QList<MoneyTip> tips = MoneyTips::tips(example(), QStringLiteral("CO"), &shipped);
        QStringList titles;
        for (const MoneyTip &t : tips) {
            titles << t.title;
            QVERIFY2(!t.listings.isEmpty(), qPrintable(t.id));
        }
        QCOMPARE(titles.join(QStringLiteral(" | ")), QStringLiteral("Spend less on food | Bring in more money | Spend less on gas and bus "
                                        "fare | Car repair costs | Spend less on a place to stay"));
        QCOMPARE(tips.at(1).listings.first().name, QStringLiteral("USAGov Benefit Finder"));
    }
};

QTEST_GUILESS_MAIN(tst_MoneyTips)
#include "tst_MoneyTips.moc"
