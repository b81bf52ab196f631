#include "screens/TopicLists.h"

#include <QtTest>

namespace {

Listing listing(const QString &uid, const QString &state, const QString &dataCategory)
{
    Listing l;
    l.uid = uid;
    l.state = state;
    l.dataCategory = dataCategory;
    return l;
}

Video video(const QString &uid, const QString &category)
{
    Video v;
    v.uid = uid;
    v.category = category;
    return v;
}

QStringList uids(const QList<Listing> &listings)
{
    QStringList out;
    for (const Listing &l : listings)
        out << l.uid;
    return out;
}

} // namespace

class tst_TopicLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titleOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("before");
        QTest::newRow("digit before capital") << QStringLiteral("211 helplines") << QStringLiteral("Apply for SNAP") << true;
        QTest::newRow("capital before small") << QStringLiteral("Zebra") << QStringLiteral("apple") << true;
        QTest::newRow("prefix first") << QStringLiteral("Food bank") << QStringLiteral("Food banks") << true;
        // Not the locale's order, which puts an accented capital among the E's.
        QTest::newRow("accented after plain") << QStringLiteral("\u00c9tat") << QStringLiteral("zoo") << false;
        QTest::newRow("plain before accented") << QStringLiteral("zoo") << QStringLiteral("\u00c9tat") << true;
    }

    void titleOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, before);
        QCOMPARE(TopicLists::titleBefore(a, b), before);
    }

    void groupsSortedListingsInDataOrder()
    {
        // Interleaved categories from two states: groups by title only, each
        // keeping the data order of its listings.
        const QList<Listing> local = {
            listing(QStringLiteral("fb-co"), QStringLiteral("CO"), QStringLiteral("food_bank")),
            listing(QStringLiteral("snap-co"), QStringLiteral("CO"), QStringLiteral("snap_application")),
            listing(QStringLiteral("211-tx"), QStringLiteral("TX"), QStringLiteral("211")),
            listing(QStringLiteral("fb-tx"), QStringLiteral("TX"), QStringLiteral("food_bank")),
            listing(QStringLiteral("211-co"), QStringLiteral("CO"), QStringLiteral("211")),
            listing(QStringLiteral("fb-co2"), QStringLiteral("CO"), QStringLiteral("food_bank")),
        };
        const QList<TopicGroup> groups = TopicLists::groupByTitle(local);
        QCOMPARE(groups.size(), 3);
        QCOMPARE(groups.at(0).title, QStringLiteral("211 helplines"));
        QCOMPARE(groups.at(1).title, QStringLiteral("Apply for SNAP (food money)"));
        QCOMPARE(groups.at(2).title, QStringLiteral("Food banks"));
        QCOMPARE(uids(groups.at(0).listings), (QStringList{QStringLiteral("211-tx"), QStringLiteral("211-co")}));
        QCOMPARE(uids(groups.at(2).listings),
                 (QStringList{QStringLiteral("fb-co"), QStringLiteral("fb-tx"), QStringLiteral("fb-co2")}));
        QVERIFY(TopicLists::groupByTitle({}).isEmpty());
    }

    void splitAndVideos()
    {
        const QList<Listing> all = {
            listing(QStringLiteral("n1"), QString(), QStringLiteral("health")),
            listing(QStringLiteral("s1"), QStringLiteral("CO"), QStringLiteral("medicaid_application")),
            listing(QStringLiteral("n2"), QString(), QStringLiteral("health")),
        };
        const QList<Video> videos = {
            video(QStringLiteral("v1"), QStringLiteral("money")),
            video(QStringLiteral("v2"), QStringLiteral("first_aid")),
            video(QStringLiteral("v3"), QStringLiteral("Emergency")), // spelled apart: no match
            video(QStringLiteral("v4"), QStringLiteral("emergency")),
        };
        const TopicLists lists = TopicLists::make(all, videos, AppCategory::health);
        QCOMPARE(lists.all, all);
        QCOMPARE(uids(lists.national), (QStringList{QStringLiteral("n1"), QStringLiteral("n2")}));
        QCOMPARE(uids(lists.local), QStringList{QStringLiteral("s1")});
        QCOMPARE(lists.groups.size(), 1);
        QCOMPARE(lists.videos.size(), 2);
        QCOMPARE(lists.videos.at(0).uid, QStringLiteral("v2"));
        QCOMPARE(lists.videos.at(1).uid, QStringLiteral("v4"));
        QVERIFY(TopicLists::make(all, videos, AppCategory::food).videos.isEmpty());

        const TopicLists none = TopicLists::forTopic(nullptr, AppCategory::food, QStringLiteral("CO"));
        QVERIFY(none.all.isEmpty() && none.groups.isEmpty() && none.videos.isEmpty());
    }

    void headings()
    {
        const TopicGroup group{QStringLiteral("Food banks"), {Listing(), Listing(), Listing()}};
        QCOMPARE(TopicLists::groupHeading(QStringLiteral("Colorado"), group), QStringLiteral("Colorado: Food banks (3)"));
        // No state chosen: no empty name before a colon.
        QCOMPARE(TopicLists::groupHeading(QString(), group), QStringLiteral("Food banks (3)"));
        QCOMPARE(TopicLists::nationwideHeading(12), QStringLiteral("Nationwide (12)"));
    }
};

QTEST_MAIN(tst_TopicLists)
#include "tst_TopicLists.moc"
