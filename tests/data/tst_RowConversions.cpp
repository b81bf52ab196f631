#include "data/ListingRows.h"
#include "data/StableHash.h"

#include <QtTest>

using Topics = QList<AppCategory>;
using Details = QList<Detail>;

namespace {
const AppCategory::Case food = AppCategory::food, shelter = AppCategory::shelter,
                        health = AppCategory::health, mental = AppCategory::mental,
                        phones = AppCategory::phones, mail = AppCategory::mail, jobs = AppCategory::jobs,
                        startups = AppCategory::startups, vehicle = AppCategory::vehicle,
                        legal = AppCategory::legal, veterans = AppCategory::veterans;
}

class tst_RowConversions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nationalTopics_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Topics>("topics");
        QTest::addColumn<bool>("crisis");
        QTest::newRow("benefits") << u"benefits"_qs << u"X"_qs << Topics{jobs} << false;
        QTest::newRow("crisis") << u"crisis"_qs << u"988 Lifeline"_qs << Topics{mental} << true;
        QTest::newRow("email") << u"email"_qs << u"X"_qs << Topics{phones, mail} << false;
        QTest::newRow("emergency") << u"emergency"_qs << u"911"_qs << Topics{health} << true;
        QTest::newRow("housing") << u"housing"_qs << u"X"_qs << Topics{shelter} << false;
        QTest::newRow("scams") << u"scams"_qs << u"X"_qs << Topics{jobs, legal} << false;
        QTest::newRow("unknown") << u"other"_qs << u"X"_qs << Topics{jobs} << false;
        QTest::newRow("capital Crisis") << u"Crisis"_qs << u"X"_qs << Topics{jobs} << false;
        QTest::newRow("health SAMHSA") << u"health"_qs << u"SAMHSA National Helpline"_qs
                                       << Topics{health, mental} << true;
        QTest::newRow("crisis SAMHSA") << u"crisis"_qs << u"SAMHSA National Helpline"_qs
                                       << Topics{mental, mental} << true;
        QTest::newRow("FindTreatment") << u"health"_qs << u"FindTreatment.gov"_qs
                                       << Topics{health, mental} << false;
        QTest::newRow("homeless veterans") << u"housing"_qs << u"National Call Center for Homeless Veterans"_qs
                                           << Topics{shelter, shelter, veterans} << false;
        QTest::newRow("runaway") << u"crisis"_qs << u"National Runaway Safeline"_qs
                                 << Topics{mental, shelter} << true;
        QTest::newRow("domestic violence") << u"crisis"_qs << u"National Domestic Violence Hotline"_qs
                                           << Topics{mental, shelter} << true;
        QTest::newRow("211") << u"housing"_qs << u"211 (United Way)"_qs << Topics{shelter, food} << false;
        QTest::newRow("211 not at start") << u"housing"_qs << u"Call 211"_qs << Topics{shelter} << false;
        QTest::newRow("poison help") << u"health"_qs << u"Poison Help line"_qs << Topics{health} << true;
        QTest::newRow("poison not at start") << u"health"_qs << u"The Poison Help line"_qs
                                             << Topics{health} << false;
    }

    void nationalTopics()
    {
        QFETCH(QString, category);
        QFETCH(QString, name);
        QFETCH(Topics, topics);
        QFETCH(bool, crisis);
        const Listing l = ListingRows::nationalRow({{u"category"_qs, category}, {u"name"_qs, name}});
        QCOMPARE(l.categories, topics);
        QCOMPARE(l.isCrisis, crisis);
        QCOMPARE(l.uid, u"n:"_qs + StableHash::hex(category + u'|' + name));
    }

    void stateTopics_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<Topics>("topics");
        QTest::newRow("211") << u"211"_qs << Topics{shelter, food};
        QTest::newRow("snap") << u"snap_application"_qs << Topics{food};
        QTest::newRow("medicaid") << u"medicaid_application"_qs << Topics{health};
        QTest::newRow("unemployment") << u"unemployment_insurance"_qs << Topics{jobs};
        QTest::newRow("other falls back") << u"crisis"_qs << Topics{shelter};
    }

    void stateTopics()
    {
        QFETCH(QString, category);
        QFETCH(Topics, topics);
        const Listing l = ListingRows::stateRow({{u"category"_qs, category},
                                                 {u"name"_qs, u"Poison Help crisis line"_qs},
                                                 {u"state"_qs, u"OR"_qs}});
        QCOMPARE(l.categories, topics);
        QVERIFY(!l.isCrisis);
        QVERIFY(l.contact.isEmpty());
    }

    void columnsLandInTheirFields()
    {
        // Each column gets a value of its own, so a swapped or dropped field shows;
        // blanks around a value stay, and columns of the other file are ignored.
        using Field = QString Listing::*;
        using Columns = QList<std::pair<QString, Field>>;
        const Columns shared{{u"category"_qs, &Listing::dataCategory}, {u"name"_qs, &Listing::name},
                             {u"what_it_does"_qs, &Listing::summary}, {u"hours"_qs, &Listing::hours},
                             {u"eligibility_notes"_qs, &Listing::eligibility}, {u"cost"_qs, &Listing::cost},
                             {u"source_url"_qs, &Listing::sourceURL}, {u"publisher"_qs, &Listing::publisher},
                             {u"retrieved_at"_qs, &Listing::retrievedAt},
                             {u"confidence"_qs, &Listing::confidence}};
        const Columns national = shared + Columns{{u"how_to_contact"_qs, &Listing::contact}};
        const Columns state = shared + Columns{{u"state"_qs, &Listing::state},
                                               {u"state_name"_qs, &Listing::stateName},
                                               {u"phone"_qs, &Listing::phone}, {u"text"_qs, &Listing::textContact},
                                               {u"web"_qs, &Listing::web}, {u"address"_qs, &Listing::address},
                                               {u"link_status"_qs, &Listing::linkStatus}};
        QList<Field> all{&Listing::contact}; // between them the two files fill every text field
        for (const auto &[column, field] : state)
            all << field;
        for (const bool isState : {false, true}) {
            const Columns &columns = isState ? state : national;
            CSV::Row row{{u"phone"_qs, u"ignored"_qs}, {u"link_status"_qs, u"ignored"_qs},
                         {u"how_to_contact"_qs, u"ignored"_qs}};
            for (const auto &[column, field] : columns)
                row.insert(column, u' ' + column + u' ');
            const Listing l = isState ? ListingRows::stateRow(row) : ListingRows::nationalRow(row);
            QCOMPARE(l.source, isState ? SourceFile(SourceFile::state) : SourceFile(SourceFile::national));
            for (const Field field : all) {
                QString expected;
                for (const auto &[column, f] : columns)
                    expected = f == field ? u' ' + column + u' ' : expected;
                QCOMPARE(l.*field, expected);
            }
        }
    }

    void stateIdentifiers()
    {
        const CSV::Row row{{u"state"_qs, u"OR"_qs}, {u"category"_qs, u"211"_qs}, {u"name"_qs, u"211info"_qs},
                           {u"phone"_qs, u"211"_qs}, {u"web"_qs, u"https://211info.org"_qs},
                           {u"address"_qs, u"Portland"_qs}, {u"eligibility_notes"_qs, u"all"_qs}};
        const QString uid = ListingRows::stateRow(row).uid;
        QCOMPARE(uid, u"s:OR:"_qs + StableHash::hex(u"OR|211|211info|211|https://211info.org|Portland|all"_qs));
        // Columns outside the key leave the identifier alone; key columns change it.
        CSV::Row other = row;
        other[u"hours"_qs] = u"9-5"_qs;
        QCOMPARE(ListingRows::stateRow(other).uid, uid);
        other[u"address"_qs] = u"Salem"_qs;
        QVERIFY(ListingRows::stateRow(other).uid != uid);
        QCOMPARE(ListingRows::stateRow({{u"name"_qs, u"x"_qs}}).uid, u"s::"_qs + StableHash::hex(u"||x||||"_qs));
    }

    void parkingRows_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("jurisdiction");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("stateName");
        QTest::addColumn<QString>("category");
        QTest::newRow("state in codes") << u"state"_qs << u"Oregon"_qs << u"OR"_qs << u"Oregon"_qs << u"rest_area"_qs;
        QTest::newRow("state not in codes") << u"state"_qs << u"Atlantis"_qs << QString() << u"Atlantis"_qs
                                            << u"rest_area"_qs;
        QTest::newRow("capital State") << u"State"_qs << u"Oregon"_qs << QString() << QString()
                                       << u"camping_rules"_qs;
        QTest::newRow("federal") << u"federal"_qs << u"BLM land"_qs << QString() << QString() << u"camping_rules"_qs;
        QTest::newRow("empty type") << QString() << u"Walmart"_qs << QString() << QString() << u"camping_rules"_qs;
    }

    void parkingRows()
    {
        QFETCH(QString, type);
        QFETCH(QString, jurisdiction);
        QFETCH(QString, state);
        QFETCH(QString, stateName);
        QFETCH(QString, category);
        const QHash<QString, QString> codes{{u"Oregon"_qs, u"OR"_qs}};
        const Listing l = ListingRows::parking({{u"jurisdiction_type"_qs, type},
                                                {u"jurisdiction"_qs, jurisdiction},
                                                {u"place_type"_qs, u"rest areas"_qs},
                                                {u"rule_summary"_qs, u"8 hours"_qs},
                                                {u"confidence"_qs, u"verified-official"_qs}},
                                               codes);
        QCOMPARE(l.state, state);
        QCOMPARE(l.stateName, stateName);
        QCOMPARE(l.dataCategory, category);
        QCOMPARE(l.name, jurisdiction + u": rest areas"_qs);
        QCOMPARE(l.uid, u"p:"_qs + StableHash::hex(type + u'|' + jurisdiction + u"|rest areas"_qs));
        QCOMPARE(l.categories, (Topics{shelter, vehicle}));
        QCOMPARE(l.source, SourceFile(SourceFile::parking));
        QCOMPARE(l.summary, u"8 hours"_qs);
        QVERIFY(!l.isCrisis);
    }

    void parkingDetails()
    {
        Listing l = ListingRows::parking({{u"status"_qs, u"allowed"_qs}, {u"user_warning"_qs, u"be quiet"_qs},
                                          {u"time_limit"_qs, QString()}},
                                         {});
        QCOMPARE(l.details, (Details{{u"Overnight"_qs, u"allowed"_qs}, {u"Important"_qs, u"be quiet"_qs}}));
        l = ListingRows::parking({{u"status"_qs, u"a"_qs}, {u"time_limit"_qs, u"b"_qs}, {u"camping"_qs, u"c"_qs},
                                  {u"user_warning"_qs, u"d"_qs}},
                                 {});
        QCOMPARE(l.details, (Details{{u"Overnight"_qs, u"a"_qs}, {u"Time limit"_qs, u"b"_qs},
                                     {u"Camping"_qs, u"c"_qs}, {u"Important"_qs, u"d"_qs}}));
        // A row without columns.
        l = ListingRows::parking({}, {});
        QCOMPARE(l.uid, u"p:"_qs + StableHash::hex(u"||"_qs));
        QCOMPARE(l.name, u": "_qs);
        QCOMPARE(l.dataCategory, u"camping_rules"_qs);
        QVERIFY(l.details.isEmpty());
    }

    void jobRows_data()
    {
        QTest::addColumn<CSV::Row>("row");
        QTest::addColumn<Topics>("topics");
        QTest::addColumn<Details>("details");
        const QString dash = u" \u2013 "_qs;
        QTest::newRow("empty row") << CSV::Row{} << Topics{jobs} << Details{{u"Kind of work"_qs, QString()}};
        QTest::newRow("startup") << CSV::Row{{u"type"_qs, u"low-cost startup"_qs}} << Topics{startups}
                                 << Details{{u"Kind of work"_qs, u"low-cost startup"_qs}};
        QTest::newRow("warning") << CSV::Row{{u"type"_qs, u"warning"_qs}} << Topics{startups, jobs}
                                 << Details{{u"Kind of work"_qs, u"warning"_qs}};
        QTest::newRow("Warning") << CSV::Row{{u"type"_qs, u"Warning"_qs}} << Topics{jobs}
                                 << Details{{u"Kind of work"_qs, u"Warning"_qs}};
        QTest::newRow("pay source alone")
            << CSV::Row{{u"type"_qs, u"gig"_qs}, {u"pay_source"_qs, u"BLS"_qs}, {u"pay_source_url"_qs, QString()}}
            << Topics{jobs} << Details{{u"Kind of work"_qs, u"gig"_qs}, {u"Pay figures from"_qs, u"BLS"_qs}};
        QTest::newRow("pay url without source")
            << CSV::Row{{u"type"_qs, u"gig"_qs}, {u"pay_source_url"_qs, u"https://bls.gov"_qs}}
            << Topics{jobs} << Details{{u"Kind of work"_qs, u"gig"_qs}};
        QTest::newRow("every detail in order")
            << CSV::Row{{u"type"_qs, u"gig"_qs},
                        {u"red_flags"_qs, u"fees"_qs},
                        {u"first_steps"_qs, u"sign up"_qs},
                        {u"pay_source_url"_qs, u"https://bls.gov"_qs},
                        {u"pay_source"_qs, u"BLS"_qs},
                        {u"typical_pay"_qs, u"$15/h"_qs},
                        {u"startup_needs_and_cost"_qs, u"$0"_qs},
                        {u"needs_vehicle"_qs, u"yes"_qs},
                        {u"needs_computer"_qs, u"no"_qs},
                        {u"needs_phone"_qs, u"yes"_qs}}
            << Topics{jobs}
            << Details{{u"Kind of work"_qs, u"gig"_qs},          {u"Needs a phone"_qs, u"yes"_qs},
                       {u"Needs a computer"_qs, u"no"_qs},       {u"Needs a vehicle"_qs, u"yes"_qs},
                       {u"What you need to start"_qs, u"$0"_qs}, {u"Typical pay"_qs, u"$15/h"_qs},
                       {u"Pay figures from"_qs, u"BLS"_qs + dash + u"https://bls.gov"_qs},
                       {u"First steps"_qs, u"sign up"_qs},       {u"Watch out for"_qs, u"fees"_qs}};
    }

    void jobRows()
    {
        QFETCH(CSV::Row, row);
        QFETCH(Topics, topics);
        QFETCH(Details, details);
        row.insert(u"name"_qs, u"Delivery driver"_qs);
        row.insert(u"what_it_is"_qs, u"deliver food"_qs);
        row.insert(u"retrieved_at"_qs, u"2026-10-02"_qs);
        const Listing l = ListingRows::job(row);
        QCOMPARE(l.categories, topics);
        QCOMPARE(l.details, details);
        QCOMPARE(l.uid, u"j:"_qs + StableHash::hex(u"Delivery driver"_qs));
        QCOMPARE(l.dataCategory, row.value(u"type"_qs));
        QCOMPARE(l.source, SourceFile(SourceFile::jobs));
        QCOMPARE(l.summary, u"deliver food"_qs);
        QCOMPARE(l.retrievedAt, u"2026-10-02"_qs);
    }
};

QTEST_GUILESS_MAIN(tst_RowConversions)
#include "tst_RowConversions.moc"
