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
        QTest::newRow("benefits") << QStringLiteral("benefits") << QStringLiteral("X")
                                  << Topics{jobs} << false;
        QTest::newRow("crisis") << QStringLiteral("crisis") << QStringLiteral("988 Lifeline")
                                << Topics{mental} << true;
        QTest::newRow("email") << QStringLiteral("email") << QStringLiteral("X")
                               << Topics{phones, mail} << false;
        QTest::newRow("emergency")
            << QStringLiteral("emergency") << QStringLiteral("911") << Topics{health} << true;
        QTest::newRow("housing") << QStringLiteral("housing") << QStringLiteral("X")
                                 << Topics{shelter} << false;
        QTest::newRow("scams") << QStringLiteral("scams") << QStringLiteral("X")
                               << Topics{jobs, legal} << false;
        QTest::newRow("unknown") << QStringLiteral("other") << QStringLiteral("X") << Topics{jobs}
                                 << false;
        QTest::newRow("capital Crisis")
            << QStringLiteral("Crisis") << QStringLiteral("X") << Topics{jobs} << false;
        QTest::newRow("health SAMHSA")
            << QStringLiteral("health") << QStringLiteral("SAMHSA National Helpline")
            << Topics{health, mental} << true;
        QTest::newRow("crisis SAMHSA")
            << QStringLiteral("crisis") << QStringLiteral("SAMHSA National Helpline")
            << Topics{mental, mental} << true;
        QTest::newRow("FindTreatment")
            << QStringLiteral("health") << QStringLiteral("FindTreatment.gov")
            << Topics{health, mental} << false;
        QTest::newRow("homeless veterans")
            << QStringLiteral("housing")
            << QStringLiteral("National Call Center for Homeless Veterans")
            << Topics{shelter, shelter, veterans} << false;
        QTest::newRow("runaway") << QStringLiteral("crisis")
                                 << QStringLiteral("National Runaway Safeline")
                                 << Topics{mental, shelter} << true;
        QTest::newRow("domestic violence")
            << QStringLiteral("crisis") << QStringLiteral("National Domestic Violence Hotline")
            << Topics{mental, shelter} << true;
        QTest::newRow("211") << QStringLiteral("housing") << QStringLiteral("211 (United Way)")
                             << Topics{shelter, food} << false;
        QTest::newRow("211 not at start")
            << QStringLiteral("housing") << QStringLiteral("Call 211") << Topics{shelter} << false;
        QTest::newRow("poison help")
            << QStringLiteral("health") << QStringLiteral("Poison Help line") << Topics{health}
            << true;
        QTest::newRow("poison not at start")
            << QStringLiteral("health") << QStringLiteral("The Poison Help line") << Topics{health}
            << false;
    }

    void nationalTopics()
    {
        QFETCH(QString, category);
        QFETCH(QString, name);
        QFETCH(Topics, topics);
        QFETCH(bool, crisis);
        const Listing l = ListingRows::nationalRow(
            {{QStringLiteral("category"), category}, {QStringLiteral("name"), name}});
        QCOMPARE(l.categories, topics);
        QCOMPARE(l.isCrisis, crisis);
        QCOMPARE(l.uid, QStringLiteral("n:") + StableHash::hex(category + u'|' + name));
    }

    void stateTopics_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<Topics>("topics");
        QTest::newRow("211") << QStringLiteral("211") << Topics{shelter, food};
        QTest::newRow("snap") << QStringLiteral("snap_application") << Topics{food};
        QTest::newRow("medicaid") << QStringLiteral("medicaid_application") << Topics{health};
        QTest::newRow("unemployment") << QStringLiteral("unemployment_insurance") << Topics{jobs};
        QTest::newRow("other falls back") << QStringLiteral("crisis") << Topics{shelter};
    }

    void stateTopics()
    {
        QFETCH(QString, category);
        QFETCH(Topics, topics);
        const Listing l = ListingRows::stateRow(
            {{QStringLiteral("category"), category},
             {QStringLiteral("name"), QStringLiteral("Poison Help crisis line")},
             {QStringLiteral("state"), QStringLiteral("OR")}});
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
        const Columns shared{{QStringLiteral("category"), &Listing::dataCategory},
                             {QStringLiteral("name"), &Listing::name},
                             {QStringLiteral("what_it_does"), &Listing::summary},
                             {QStringLiteral("hours"), &Listing::hours},
                             {QStringLiteral("eligibility_notes"), &Listing::eligibility},
                             {QStringLiteral("cost"), &Listing::cost},
                             {QStringLiteral("source_url"), &Listing::sourceURL},
                             {QStringLiteral("publisher"), &Listing::publisher},
                             {QStringLiteral("retrieved_at"), &Listing::retrievedAt},
                             {QStringLiteral("confidence"), &Listing::confidence}};
        const Columns national
            = shared + Columns{{QStringLiteral("how_to_contact"), &Listing::contact}};
        const Columns state = shared
            + Columns{{QStringLiteral("state"), &Listing::state},
                      {QStringLiteral("state_name"), &Listing::stateName},
                      {QStringLiteral("phone"), &Listing::phone},
                      {QStringLiteral("text"), &Listing::textContact},
                      {QStringLiteral("web"), &Listing::web},
                      {QStringLiteral("address"), &Listing::address},
                      {QStringLiteral("link_status"), &Listing::linkStatus}};
        QList<Field> all{&Listing::contact}; // between them the two files fill every text field
        for (const auto &[column, field] : state)
            all << field;
        for (const bool isState : {false, true}) {
            const Columns &columns = isState ? state : national;
            CSV::Row row{{QStringLiteral("phone"), QStringLiteral("ignored")},
                         {QStringLiteral("link_status"), QStringLiteral("ignored")},
                         {QStringLiteral("how_to_contact"), QStringLiteral("ignored")}};
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
        const CSV::Row row{{QStringLiteral("state"), QStringLiteral("OR")},
                           {QStringLiteral("category"), QStringLiteral("211")},
                           {QStringLiteral("name"), QStringLiteral("211info")},
                           {QStringLiteral("phone"), QStringLiteral("211")},
                           {QStringLiteral("web"), QStringLiteral("https://211info.org")},
                           {QStringLiteral("address"), QStringLiteral("Portland")},
                           {QStringLiteral("eligibility_notes"), QStringLiteral("all")}};
        const QString uid = ListingRows::stateRow(row).uid;
        QCOMPARE(uid,
                 QStringLiteral("s:OR:")
                     + StableHash::hex(
                         QStringLiteral("OR|211|211info|211|https://211info.org|Portland|all")));
        // Columns outside the key leave the identifier alone; key columns change it.
        CSV::Row other = row;
        other[QStringLiteral("hours")] = QStringLiteral("9-5");
        QCOMPARE(ListingRows::stateRow(other).uid, uid);
        other[QStringLiteral("address")] = QStringLiteral("Salem");
        QVERIFY(ListingRows::stateRow(other).uid != uid);
        QCOMPARE(ListingRows::stateRow({{QStringLiteral("name"), QStringLiteral("x")}}).uid,
                 QStringLiteral("s::") + StableHash::hex(QStringLiteral("||x||||")));
    }

    void parkingRows_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("jurisdiction");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("stateName");
        QTest::addColumn<QString>("category");
        QTest::newRow("state in codes")
            << QStringLiteral("state") << QStringLiteral("Oregon") << QStringLiteral("OR")
            << QStringLiteral("Oregon") << QStringLiteral("rest_area");
        QTest::newRow("state not in codes")
            << QStringLiteral("state") << QStringLiteral("Atlantis") << QString()
            << QStringLiteral("Atlantis") << QStringLiteral("rest_area");
        QTest::newRow("capital State") << QStringLiteral("State") << QStringLiteral("Oregon")
                                       << QString() << QString() << QStringLiteral("camping_rules");
        QTest::newRow("federal") << QStringLiteral("federal") << QStringLiteral("BLM land")
                                 << QString() << QString() << QStringLiteral("camping_rules");
        QTest::newRow("empty type") << QString() << QStringLiteral("Walmart") << QString()
                                    << QString() << QStringLiteral("camping_rules");
    }

    void parkingRows()
    {
        QFETCH(QString, type);
        QFETCH(QString, jurisdiction);
        QFETCH(QString, state);
        QFETCH(QString, stateName);
        QFETCH(QString, category);
        const QHash<QString, QString> codes{{QStringLiteral("Oregon"), QStringLiteral("OR")}};
        const Listing l = ListingRows::parking(
            {{QStringLiteral("jurisdiction_type"), type},
             {QStringLiteral("jurisdiction"), jurisdiction},
             {QStringLiteral("place_type"), QStringLiteral("rest areas")},
             {QStringLiteral("rule_summary"), QStringLiteral("8 hours")},
             {QStringLiteral("confidence"), QStringLiteral("verified-official")}},
            codes);
        QCOMPARE(l.state, state);
        QCOMPARE(l.stateName, stateName);
        QCOMPARE(l.dataCategory, category);
        QCOMPARE(l.name, jurisdiction + QStringLiteral(": rest areas"));
        QCOMPARE(l.uid,
                 QStringLiteral("p:")
                     + StableHash::hex(type + u'|' + jurisdiction + QStringLiteral("|rest areas")));
        QCOMPARE(l.categories, (Topics{shelter, vehicle}));
        QCOMPARE(l.source, SourceFile(SourceFile::parking));
        QCOMPARE(l.summary, QStringLiteral("8 hours"));
        QVERIFY(!l.isCrisis);
    }

    void parkingDetails()
    {
        Listing l
            = ListingRows::parking({{QStringLiteral("status"), QStringLiteral("allowed")},
                                    {QStringLiteral("user_warning"), QStringLiteral("be quiet")},
                                    {QStringLiteral("time_limit"), QString()}},
                                   {});
        QCOMPARE(l.details,
                 (Details{{QStringLiteral("Overnight"), QStringLiteral("allowed")},
                          {QStringLiteral("Important"), QStringLiteral("be quiet")}}));
        l = ListingRows::parking({{QStringLiteral("status"), QStringLiteral("a")},
                                  {QStringLiteral("time_limit"), QStringLiteral("b")},
                                  {QStringLiteral("camping"), QStringLiteral("c")},
                                  {QStringLiteral("user_warning"), QStringLiteral("d")}},
                                 {});
        QCOMPARE(l.details,
                 (Details{{QStringLiteral("Overnight"), QStringLiteral("a")},
                          {QStringLiteral("Time limit"), QStringLiteral("b")},
                          {QStringLiteral("Camping"), QStringLiteral("c")},
                          {QStringLiteral("Important"), QStringLiteral("d")}}));
        // A row without columns.
        l = ListingRows::parking({}, {});
        QCOMPARE(l.uid, QStringLiteral("p:") + StableHash::hex(QStringLiteral("||")));
        QCOMPARE(l.name, QStringLiteral(": "));
        QCOMPARE(l.dataCategory, QStringLiteral("camping_rules"));
        QVERIFY(l.details.isEmpty());
    }

    void jobRows_data()
    {
        QTest::addColumn<CSV::Row>("row");
        QTest::addColumn<Topics>("topics");
        QTest::addColumn<Details>("details");
        const QString dash = QStringLiteral(" \u2013 ");
        QTest::newRow("empty row")
            << CSV::Row{} << Topics{jobs} << Details{{QStringLiteral("Kind of work"), QString()}};
        QTest::newRow("startup")
            << CSV::Row{{QStringLiteral("type"), QStringLiteral("low-cost startup")}}
            << Topics{startups}
            << Details{{QStringLiteral("Kind of work"), QStringLiteral("low-cost startup")}};
        QTest::newRow("warning") << CSV::Row{{QStringLiteral("type"), QStringLiteral("warning")}}
                                 << Topics{startups, jobs}
                                 << Details{{QStringLiteral("Kind of work"),
                                             QStringLiteral("warning")}};
        QTest::newRow("Warning") << CSV::Row{{QStringLiteral("type"), QStringLiteral("Warning")}}
                                 << Topics{jobs}
                                 << Details{{QStringLiteral("Kind of work"),
                                             QStringLiteral("Warning")}};
        QTest::newRow("pay source alone")
            << CSV::Row{{QStringLiteral("type"), QStringLiteral("gig")},
                        {QStringLiteral("pay_source"), QStringLiteral("BLS")},
                        {QStringLiteral("pay_source_url"), QString()}}
            << Topics{jobs}
            << Details{{QStringLiteral("Kind of work"), QStringLiteral("gig")},
                       {QStringLiteral("Pay figures from"), QStringLiteral("BLS")}};
        QTest::newRow("pay url without source")
            << CSV::Row{{QStringLiteral("type"), QStringLiteral("gig")},
                        {QStringLiteral("pay_source_url"), QStringLiteral("https://bls.gov")}}
            << Topics{jobs} << Details{{QStringLiteral("Kind of work"), QStringLiteral("gig")}};
        QTest::newRow("every detail in order")
            << CSV::Row{{QStringLiteral("type"), QStringLiteral("gig")},
                        {QStringLiteral("red_flags"), QStringLiteral("fees")},
                        {QStringLiteral("first_steps"), QStringLiteral("sign up")},
                        {QStringLiteral("pay_source_url"), QStringLiteral("https://bls.gov")},
                        {QStringLiteral("pay_source"), QStringLiteral("BLS")},
                        {QStringLiteral("typical_pay"), QStringLiteral("$15/h")},
                        {QStringLiteral("startup_needs_and_cost"), QStringLiteral("$0")},
                        {QStringLiteral("needs_vehicle"), QStringLiteral("yes")},
                        {QStringLiteral("needs_computer"), QStringLiteral("no")},
                        {QStringLiteral("needs_phone"), QStringLiteral("yes")}}
            << Topics{jobs}
            << Details{{QStringLiteral("Kind of work"), QStringLiteral("gig")},
                       {QStringLiteral("Needs a phone"), QStringLiteral("yes")},
                       {QStringLiteral("Needs a computer"), QStringLiteral("no")},
                       {QStringLiteral("Needs a vehicle"), QStringLiteral("yes")},
                       {QStringLiteral("What you need to start"), QStringLiteral("$0")},
                       {QStringLiteral("Typical pay"), QStringLiteral("$15/h")},
                       {QStringLiteral("Pay figures from"),
                        QStringLiteral("BLS") + dash + QStringLiteral("https://bls.gov")},
                       {QStringLiteral("First steps"), QStringLiteral("sign up")},
                       {QStringLiteral("Watch out for"), QStringLiteral("fees")}};
    }

    void jobRows()
    {
        QFETCH(CSV::Row, row);
        QFETCH(Topics, topics);
        QFETCH(Details, details);
        row.insert(QStringLiteral("name"), QStringLiteral("Delivery driver"));
        row.insert(QStringLiteral("what_it_is"), QStringLiteral("deliver food"));
        row.insert(QStringLiteral("retrieved_at"), QStringLiteral("2026-10-02"));
        const Listing l = ListingRows::job(row);
        QCOMPARE(l.categories, topics);
        QCOMPARE(l.details, details);
        QCOMPARE(l.uid, QStringLiteral("j:") + StableHash::hex(QStringLiteral("Delivery driver")));
        QCOMPARE(l.dataCategory, row.value(QStringLiteral("type")));
        QCOMPARE(l.source, SourceFile(SourceFile::jobs));
        QCOMPARE(l.summary, QStringLiteral("deliver food"));
        QCOMPARE(l.retrievedAt, QStringLiteral("2026-10-02"));
    }
};

QTEST_GUILESS_MAIN(tst_RowConversions)
#include "tst_RowConversions.moc"
