#include "ReferenceFixture.h"

#include "data/GuideContent.h"
#include "data/ReferenceData.h"

#include <QtTest>

#include <memory>

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

class tst_Search : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<fixture::DataFolder> m_folder;
    std::unique_ptr<ReferenceData> m_data;

private Q_SLOTS:
    void initTestCase()
    {
        m_folder = std::make_unique<fixture::DataFolder>();
        m_data = std::make_unique<ReferenceData>(m_folder->path());
    }

    void tokens_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("punctuation splits") << "Food-Bank!" << QStringList{"food", "bank"};
        QTest::newRow("blanks only") << " \t\n " << QStringList{};
        QTest::newRow("syntax words") << "\"snap\" (OR) NEAR(x, 2) AND* -not ^col:"
                                      << QStringList{"snap", "or", "near", "x", "2", "and", "not", "col"};
        QTest::newRow("letters with marks")
            << QStringLiteral("Café Ñandú")
            << QStringList{QStringLiteral("café"), QStringLiteral("ñandú")};
        QTest::newRow("combining mark stays")
            << QStringLiteral("cafe\u0301!") << QStringList{QStringLiteral("cafe\u0301")};
        QTest::newRow("emoji separates")
            << QStringLiteral("food\U0001F34Ebank") << QStringList{"food", "bank"};
        QTest::newRow("letter beyond BMP")
            << QStringLiteral("x\U0001D41Ay") << QStringList{QStringLiteral("x\U0001D41Ay")};
        QTest::newRow("digits") << "988 / 2-1-1" << QStringList{"988", "2", "1", "1"};
    }

    void tokens()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, expected);
        QCOMPARE(ReferenceData::searchTokens(query), expected);
    }

    void oddInputNeverBreaks_data()
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
        QTest::newRow("lone mark") << QStringLiteral("food \u0301") << "food";
    }

    void oddInputNeverBreaks()
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

    void twelveTokensAtMost()
    {
        const QStringList twelve(12, QStringLiteral("food"));
        QCOMPARE(ReferenceData::searchTokens(twelve.join(' ') + " zzqx").size(), 12);
        // A thirteenth word that matches nothing is ignored; a twelfth is not.
        QVERIFY(!m_data->search(twelve.join(' ') + " zzqx").isEmpty());
        QVERIFY(m_data->search(QStringList(11, QStringLiteral("food")).join(' ') + " zzqx").isEmpty());
    }

    void stateFilter()
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
        QCOMPARE(states(m_data->search("snap", QString())), (QSet<QString>{"CO", "TX", ""})); // no state
        // Videos and chapters have no state and stay in a filtered search.
        QVERIFY(ids(m_data->search("naloxone", QString("TX"))).contains(m_data->videos().first().uid));
    }

    void hitKinds()
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

    void titleOutranksBody()
    {
        // "Feeding America" has the word in its name; the Colorado food bank
        // only in its source's publisher.
        const QList<SearchHit> hits = m_data->search("feeding");
        QVERIFY(hits.size() >= 2);
        QCOMPARE(hits.first().listing()->name, u"Feeding America");
    }

    void limitAndAvailability()
    {
        QCOMPARE(m_data->search("a", std::nullopt, 3).size(), 3);
        QVERIFY(m_data->search("a").size() > 3);
        QVERIFY(m_data->search("a", std::nullopt, 0).isEmpty());
        QVERIFY(m_data->search("a", std::nullopt, -1).isEmpty()); // negative limit
        QVERIFY(m_data->ftsAvailable());

        fixture::DataFolder bare({{"national_resources.csv", fixture::nationalHeader}});
        const ReferenceData other(bare.path());
        other.db().run("DELETE FROM fts"); // the guide chapters alone would answer
        QVERIFY(!other.ftsAvailable());

        // Without the index a search finds nothing and says why in the log.
        other.db().run("DROP TABLE fts");
        QTest::ignoreMessage(QtWarningMsg, "The search found nothing because it failed: no such table: fts");
        QVERIFY(other.search("food").isEmpty());
        QTest::ignoreMessage(QtWarningMsg, "The full-text index could not be queried: no such table: fts");
        QVERIFY(!other.ftsAvailable());
    }

    void lookups()
    {
        const ReferenceData &d = *m_data;
        QCOMPARE(d.stateName("CO"), u"Colorado");
        QCOMPARE(d.stateName("ZZ"), u"ZZ");

        // Nationwide first, then the state's own, each in file order.
        QCOMPARE(names(d.listings(AppCategory::food, QString("CO"))),
                 (QStringList{"SNAP (food stamps)", "Feeding America", "Colorado 211", "Colorado PEAK",
                              "Food Bank of the Rockies"}));
        QCOMPARE(names(d.listings(AppCategory::food, QString())),
                 (QStringList{"SNAP (food stamps)", "Feeding America"}));
        QCOMPARE(d.listings(AppCategory::food).size(), 2 + 3 + 1 + 3);

        QCOMPARE(names(d.stateListings("TX", "snap_application")), QStringList{"Your Texas Benefits"});
        QVERIFY(d.stateListings("co", "211").isEmpty());
        QCOMPARE(d.parkingRule("CO")->name, u"Colorado: highway rest areas");
        QVERIFY(!d.parkingRule("TX"));
        QCOMPARE(names(d.parkingGeneral()), QStringList{"BLM land: dispersed camping"});
        QCOMPARE(names(d.crisisListings()), QStringList{"988 Suicide & Crisis Lifeline"});

        QCOMPARE(d.national("snap")->name, u"SNAP (food stamps)");
        QCOMPARE(d.national("")->name, u"988 Suicide & Crisis Lifeline");
        QVERIFY(!d.national("Colorado")); // state listings are not nationwide
        QVERIFY(!d.national("Lifeline"));
        QCOMPARE(d.listing(d.listings().at(5).uid), d.listings().at(5));
        QVERIFY(!d.listing("n:nothing"));
    }
};

QTEST_GUILESS_MAIN(tst_Search)
#include "tst_Search.moc"
