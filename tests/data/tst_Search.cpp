#include "ReferenceFixture.h"

#include "data/GuideContent.h"
#include "data/ReferenceData.h"

#include <QtTest>

#include <memory>

class tst_Search : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void tokens_data();
    void tokens();
    void oddInputNeverBreaks_data();
    void oddInputNeverBreaks();
    void twelveTokensAtMost();
    void stateFilter();
    void hitKinds();
    void titleOutranksBody();
    void limitAndAvailability();
    void lookupsByStateAndTopic();
    void lookupsByNameAndIdentifier();

private:
    std::unique_ptr<fixture::DataFolder> m_folder;
    std::unique_ptr<ReferenceData> m_data;
};

namespace {

QStringList ids(const QList<SearchHit> &hits)
{
    QStringList out;
    for (const SearchHit &h : hits)
        out << h.id();
    return out;
}

QStringList names(const QList<Listing> &listings)
{
    QStringList out;
    for (const Listing &l : listings)
        out << l.name;
    return out;
}

} // namespace

void tst_Search::initTestCase()
{
    m_folder = std::make_unique<fixture::DataFolder>();
    m_data = std::make_unique<ReferenceData>(m_folder->path());
}

void tst_Search::tokens_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("punctuation splits") << "Food-Bank!" << QStringList{"food", "bank"};
    QTest::newRow("blanks only") << " \t\n " << QStringList{};
    QTest::newRow("syntax words") << "\"snap\" (OR) NEAR(x, 2) AND* -not ^col:"
                                  << QStringList{"snap", "or", "near", "x", "2", "and", "not", "col"};
    QTest::newRow("letters with marks") << u"Café Ñandú"_qs << QStringList{u"café"_qs, u"ñandú"_qs};
    QTest::newRow("combining mark stays") << u"cafe\u0301!"_qs << QStringList{u"cafe\u0301"_qs};
    QTest::newRow("emoji separates") << u"food\U0001F34Ebank"_qs << QStringList{"food", "bank"};
    QTest::newRow("letter beyond BMP") << u"x\U0001D41Ay"_qs << QStringList{u"x\U0001D41Ay"_qs};
    QTest::newRow("digits") << "988 / 2-1-1" << QStringList{"988", "2", "1", "1"};
}

void tst_Search::tokens()
{
    QFETCH(QString, query);
    QFETCH(QStringList, expected);
    QCOMPARE(ReferenceData::searchTokens(query), expected);
}

void tst_Search::oddInputNeverBreaks_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("plain");
    QTest::newRow("quotes") << "\"food" << "food";
    QTest::newRow("doubled quotes") << "\"\"food\"\"" << "food";
    QTest::newRow("parentheses") << "(food))" << "food";
    QTest::newRow("OR") << "food OR" << "food or";
    QTest::newRow("NEAR") << "NEAR(food bank)" << "near food bank";
    QTest::newRow("star") << "*food*" << "food";
    QTest::newRow("column filter") << "title:food" << "title food";
    QTest::newRow("only blanks") << "     " << "";
    QTest::newRow("only symbols") << "\"*()-:^+" << "";
    // A token the index reads as no word at all must not spoil the others.
    QTest::newRow("lone mark") << u"food \u0301"_qs << "food";
}

void tst_Search::oddInputNeverBreaks()
{
    QFETCH(QString, query);
    QFETCH(QString, plain);
    QList<SearchHit> hits;
    try {
        hits = m_data->search(query);
    } catch (...) {
        QFAIL("search threw");
    }
    QCOMPARE(ids(hits), ids(m_data->search(plain)));
    if (ReferenceData::searchTokens(plain) == QStringList{"food"})
        QVERIFY(!hits.isEmpty());
}

void tst_Search::twelveTokensAtMost()
{
    const QStringList twelve(12, QStringLiteral("food"));
    QCOMPARE(ReferenceData::searchTokens(twelve.join(' ') + " zzqx").size(), 12);
    // A thirteenth word that matches nothing is ignored; a twelfth is not.
    QVERIFY(!m_data->search(twelve.join(' ') + " zzqx").isEmpty());
    QVERIFY(m_data->search(QStringList(11, QStringLiteral("food")).join(' ') + " zzqx").isEmpty());
}

void tst_Search::stateFilter()
{
    auto states = [](const QList<SearchHit> &hits) {
        QSet<QString> out;
        for (const SearchHit &h : hits)
            if (h.listing())
                out << h.listing()->state;
        return out;
    };
    QCOMPARE(states(m_data->search("snap", QString("CO"))), (QSet<QString>{"CO", ""}));
    QCOMPARE(states(m_data->search("snap", QString("TX"))), (QSet<QString>{"TX", ""}));
    QCOMPARE(states(m_data->search("snap")), (QSet<QString>{"CO", "TX", ""}));
    QCOMPARE(states(m_data->search("snap", QString())), (QSet<QString>{"CO", "TX", ""}));
    // Videos and chapters have no state and stay in a filtered search.
    QVERIFY(ids(m_data->search("naloxone", QString("TX"))).contains(m_data->videos().first().uid));
}

void tst_Search::hitKinds()
{
    const QList<SearchHit> hits = m_data->search("naloxone");
    QSet<SearchHit::Kind> kinds;
    for (const SearchHit &h : hits)
        kinds << h.kind();
    QVERIFY(kinds.contains(SearchHit::Kind::video));
    QVERIFY(kinds.contains(SearchHit::Kind::guide)); // the overdose steps
    const QList<SearchHit> guide = m_data->search("survival guide chapter", std::nullopt, 150);
    QCOMPARE(guide.size(), GuideContent::chapters().size());
    for (const SearchHit &h : guide) {
        QCOMPARE(h.kind(), SearchHit::Kind::guide);
        QCOMPARE(h.id(), "g:" + QString::number(h.guide()->number));
        QVERIFY(!h.listing() && !h.video());
    }
    const QList<SearchHit> listing = m_data->search("peak");
    QCOMPARE(ids(listing), QStringList{m_data->listings().at(5).uid});
    QCOMPARE(*listing.first().listing(), m_data->listings().at(5));
    // An index row whose record is unknown is left out.
    m_data->db().run("INSERT INTO fts(uid, kind, state, title, body) VALUES "
                     "('n:gone', 'listing', '', 'Zebra help', ''), "
                     "('x:1', 'other', '', 'Zebra odd', '')");
    QVERIFY(m_data->search("zebra").isEmpty());
    m_data->db().run("DELETE FROM fts WHERE uid IN ('n:gone', 'x:1')");
}

void tst_Search::titleOutranksBody()
{
    // "Feeding America" has the word in its name; the Colorado food bank
    // only in its source's publisher.
    const QList<SearchHit> hits = m_data->search("feeding");
    QVERIFY(hits.size() >= 2);
    QCOMPARE(hits.first().listing()->name, u"Feeding America");
}

void tst_Search::limitAndAvailability()
{
    QCOMPARE(m_data->search("a", std::nullopt, 3).size(), 3);
    QVERIFY(m_data->search("a").size() > 3);
    QVERIFY(m_data->search("a", std::nullopt, 0).isEmpty());
    QVERIFY(m_data->search("a", std::nullopt, -1).isEmpty());
    QVERIFY(m_data->ftsAvailable());

    fixture::DataFolder bare({{"national_resources.csv", fixture::nationalHeader},
                              {"state_resources.csv", fixture::stateHeader},
                              {"camping_parking_rules.csv", fixture::parkingHeader},
                              {"jobs_and_income.csv", fixture::jobsHeader},
                              {"video_library.csv", fixture::videoHeader}});
    const ReferenceData empty(bare.path());
    // The guide chapters speak of food, so clear them to test the false case.
    empty.db().run("DELETE FROM fts");
    QVERIFY(!empty.ftsAvailable());
}

void tst_Search::lookupsByStateAndTopic()
{
    const ReferenceData &d = *m_data;
    QCOMPARE(d.stateName("CO"), u"Colorado");
    QCOMPARE(d.stateName("ZZ"), u"ZZ");
    QCOMPARE(d.stateName(""), u"");

    QCOMPARE(names(d.listings(AppCategory::food, QString("CO"))),
             (QStringList{"SNAP (food stamps)", "Feeding America", "Colorado 211", "Colorado PEAK",
                          "Food Bank of the Rockies"}));
    QCOMPARE(names(d.listings(AppCategory::food, QString())),
             (QStringList{"SNAP (food stamps)", "Feeding America"}));
    QCOMPARE(d.listings(AppCategory::food).size(), 2 + 3 + 1 + 3);

    QCOMPARE(names(d.stateListings("CO", "211")), QStringList{"Colorado 211"});
    QVERIFY(d.stateListings("co", "211").isEmpty());
    QCOMPARE(names(d.stateListings("TX", "snap_application")), QStringList{"Your Texas Benefits"});

    QCOMPARE(d.parkingRule("CO")->name, u"Colorado: highway rest areas");
    QVERIFY(!d.parkingRule("TX"));
    QCOMPARE(names(d.parkingGeneral()), QStringList{"BLM land: dispersed camping"});
    QCOMPARE(names(d.crisisListings()), QStringList{"988 Suicide & Crisis Lifeline"});
}

void tst_Search::lookupsByNameAndIdentifier()
{
    const ReferenceData &d = *m_data;
    QCOMPARE(d.national("snap")->name, u"SNAP (food stamps)");
    QCOMPARE(d.national("988")->name, u"988 Suicide & Crisis Lifeline");
    QCOMPARE(d.national("")->name, u"988 Suicide & Crisis Lifeline");
    QVERIFY(!d.national("Colorado")); // state listings are not nationwide
    QVERIFY(!d.national("Lifeline"));

    const Listing &peak = d.listings().at(5);
    QCOMPARE(d.listing(peak.uid), peak);
    QVERIFY(!d.listing("n:nothing"));
}

QTEST_GUILESS_MAIN(tst_Search)
#include "tst_Search.moc"
