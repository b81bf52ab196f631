// Checks the data files that ship with the application, loaded the way the
// application loads them: every row arrives, every state is covered, the
// names other screens look up are there with the contact buttons they need,
// and nothing unconfirmed or undated slips through as checked.

#include "data/Badges.h"
#include "data/ContactParser.h"
#include "data/DBError.h"
#include "data/ReferenceData.h"
#include "services/TLInfo.h"

#include <QDate>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <memory>

namespace {

const QString dataFolder = QStringLiteral(TL_SOURCE_DIR "/resources/data");

const QStringList stateCategories = {"211", "snap_application", "medicaid_application",
                                     "unemployment_insurance", "coc_homeless_contact",
                                     "food_bank"};

QStringList urlsOf(const Listing &listing)
{
    QStringList urls;
    for (const ContactAction &a : ContactParser::actions(listing))
        urls << a.url;
    return urls;
}

bool hasHit(const QList<SearchHit> &hits, const QString &state, const QString &category)
{
    for (const SearchHit &hit : hits) {
        const Listing *l = hit.listing();
        if (l && l->state == state && l->dataCategory == category)
            return true;
    }
    return false;
}

QString detail(const Listing &listing, const QString &label)
{
    for (const Detail &d : listing.details) {
        if (d.label == label)
            return d.value;
    }
    return {};
}

} // namespace

class tst_ShippedData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyRowArrives();
    void statesAreComplete();
    void everyStateIsFoundBySearch();
    void nationalLookups_data();
    void nationalLookups();
    void crisisLinesAreFlagged();
    void colorado();
    void parkingHasEveryState();
    void jobsListWhatYouNeed();
    void videosAreWatchLinks();
    void confidenceAndSources();
    void stateRowsAfterSecondReading_data();
    void stateRowsAfterSecondReading();
    void hoursAndNotesStayShort();
    void checkDates();

private:
    std::unique_ptr<ReferenceData> m_data;
};

void tst_ShippedData::initTestCase()
{
    try {
        m_data = std::make_unique<ReferenceData>(dataFolder);
    } catch (const DBError &e) {
        QFAIL(qPrintable(e.description));
    }
}

void tst_ShippedData::everyRowArrives()
{
    const QList<FileReport> &reports = m_data->reports();
    QCOMPARE(reports.size(), 5);
    for (const FileReport &r : reports) {
        const QString what = r.file.fileName() + QStringLiteral(": %1 imported, %2 records, %3 counted, %4 malformed")
                                                      .arg(r.imported).arg(r.csvRecords)
                                                      .arg(r.independentCount).arg(r.malformed);
        QVERIFY2(r.malformed == 0, qPrintable(what));
        QVERIFY2(r.csvRecords > 0, qPrintable(what));
        QVERIFY2(r.imported == r.csvRecords, qPrintable(what));
        QVERIFY2(r.independentCount == r.csvRecords, qPrintable(what));
    }
    // No identifier was taken twice, so no listing needed a suffix.
    for (const Listing &l : m_data->listings())
        QVERIFY2(!QRegularExpression(QStringLiteral("-\\d+$")).match(l.uid).hasMatch(), qPrintable(l.name));
}

void tst_ShippedData::statesAreComplete()
{
    const QList<ReferenceData::State> &states = m_data->states();
    QCOMPARE(states.size(), 51);
    QSet<QString> codes;
    for (const ReferenceData::State &s : states) {
        QVERIFY2(QRegularExpression(QStringLiteral("^[A-Z]{2}$")).match(s.code).hasMatch(), qPrintable(s.code));
        codes.insert(s.code);
    }
    QCOMPARE(codes.size(), 51);
    QCOMPARE(m_data->stateName(QStringLiteral("DC")), QStringLiteral("District of Columbia"));

    // One name per code across all rows, and only the six category words.
    for (const Listing &l : m_data->listings()) {
        if (l.source != SourceFile::state)
            continue;
        QCOMPARE(m_data->stateName(l.state), l.stateName);
        QVERIFY2(stateCategories.contains(l.dataCategory), qPrintable(l.dataCategory));
    }
    // Every state listing can be reached: a number, a text line or a website.
    for (const Listing &l : m_data->listings()) {
        if (l.source != SourceFile::state)
            continue;
        const QList<ContactAction> actions = ContactParser::actions(l);
        QVERIFY2(!actions.isEmpty(), qPrintable(l.name));
        if (!l.phone.isEmpty())
            QVERIFY2(actions.first().kind == ContactAction::Kind::Call, qPrintable(l.name + u' ' + l.phone));
    }
    for (auto it = m_data->stateCategoryCounts().begin(); it != m_data->stateCategoryCounts().end(); ++it)
        QVERIFY2(stateCategories.contains(it.key()), qPrintable(it.key()));

    for (const ReferenceData::State &s : states) {
        for (const QString &category : {QStringLiteral("snap_application"),
                                        QStringLiteral("medicaid_application"),
                                        QStringLiteral("unemployment_insurance")})
            QVERIFY2(m_data->stateListings(s.code, category).size() == 1,
                     qPrintable(s.code + u' ' + category));
        QVERIFY2(!m_data->stateListings(s.code, QStringLiteral("211")).isEmpty(), qPrintable(s.code));
        QVERIFY2(!m_data->stateListings(s.code, QStringLiteral("coc_homeless_contact")).isEmpty(),
                 qPrintable(s.code));
        QVERIFY2(!m_data->stateListings(s.code, QStringLiteral("food_bank")).isEmpty(), qPrintable(s.code));
    }
}

void tst_ShippedData::everyStateIsFoundBySearch()
{
    QStringList missing;
    for (const ReferenceData::State &s : m_data->states()) {
        if (!hasHit(m_data->search(QStringLiteral("SNAP"), s.code), s.code, QStringLiteral("snap_application")))
            missing << s.code + QStringLiteral(" SNAP");
        if (!hasHit(m_data->search(QStringLiteral("211"), s.code), s.code, QStringLiteral("211")))
            missing << s.code + QStringLiteral(" 211");
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", ")));
    QVERIFY(hasHit(m_data->search(QStringLiteral("Medicaid"), QStringLiteral("TX")), QStringLiteral("TX"),
                   QStringLiteral("medicaid_application")));
    QVERIFY(hasHit(m_data->search(QStringLiteral("Colorado food bank")), QStringLiteral("CO"),
                   QStringLiteral("food_bank")));
}

void tst_ShippedData::nationalLookups_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("category"); // empty: any
    QTest::addColumn<QStringList>("urls"); // URL texts its contact buttons must include

    const QStringList none;
    QTest::newRow("911") << "911" << "emergency" << QStringList{"tel:911"};
    QTest::newRow("988") << "988 Suicide" << "crisis"
                         << QStringList{"tel:988", "sms:988", TLInfo::chat988URL};
    QTest::newRow("Crisis Text Line") << "Crisis Text Line" << "crisis"
                                      << QStringList{"sms:741741?body=HOME"};
    QTest::newRow("Veterans Crisis Line") << "Veterans Crisis Line" << "crisis"
                                          << QStringList{"tel:988", "sms:838255"};
    QTest::newRow("Mobile crisis") << "Mobile crisis" << "crisis" << QStringList{"tel:988", "sms:988"};
    QTest::newRow("Domestic Violence") << "National Domestic Violence" << "crisis"
                                       << QStringList{"tel:18007997233"};
    QTest::newRow("Poison Help") << "Poison Help" << "" << QStringList{"tel:18002221222"};
    QTest::newRow("SAMHSA") << "SAMHSA National Helpline" << "" << QStringList{"tel:18006624357"};
    QTest::newRow("Hunger Hotline") << "USDA National Hunger Hotline" << "food"
                                    << QStringList{"tel:18663486479"};
    QTest::newRow("211") << "211" << "" << QStringList{"tel:211"};
    QTest::newRow("HUD Find Shelter") << "HUD Find Shelter" << "" << none;
    QTest::newRow("Runaway Safeline") << "National Runaway Safeline" << "" << none;
    QTest::newRow("Homeless Veterans") << "National Call Center for Homeless Veterans" << ""
                                       << QStringList{"tel:18774243838"};
    QTest::newRow("SNAP") << "SNAP (food stamps)" << "food" << none;
    QTest::newRow("WIC") << "WIC" << "food" << none;
    QTest::newRow("Feeding America") << "Feeding America" << "food"
                                     << QStringList{"https://www.feedingamerica.org/find-your-local-foodbank"};
    QTest::newRow("Health Center") << "Find a Health Center" << "health" << none;
    QTest::newRow("Medicaid") << "Medicaid" << "health" << none;
    QTest::newRow("Lifeline") << "Lifeline" << "phone" << QStringList{"tel:18002349473"};
    QTest::newRow("Public libraries") << "Public libraries" << "" << none;
    QTest::newRow("Love's") << "Love's Travel Stops showers" << "showers" << none;
    QTest::newRow("Pilot Flying J") << "Pilot Flying J showers" << "showers" << none;
    QTest::newRow("Planet Fitness") << "Planet Fitness" << "showers" << none;
    QTest::newRow("car repair") << "No national car-repair" << "vehicle" << QStringList{"tel:211"};
    QTest::newRow("California CAP") << "California Consumer Assistance Program" << "vehicle"
                                    << QStringList{"tel:18662729642"};
    QTest::newRow("Modest Needs") << "Modest Needs" << "" << none;
    QTest::newRow("Benefit Finder") << "USAGov Benefit Finder" << "" << QStringList{"https://www.usa.gov/benefits"};
    QTest::newRow("IRS VITA") << "IRS VITA" << "" << QStringList{"tel:18009069887"};
}

void tst_ShippedData::nationalLookups()
{
    QFETCH(QString, prefix);
    QFETCH(QString, category);
    QFETCH(QStringList, urls);

    const std::optional<Listing> found = m_data->national(prefix);
    QVERIFY2(found.has_value(), qPrintable(prefix));
    if (!category.isEmpty())
        QCOMPARE(found->dataCategory, category);
    QVERIFY2(found->name.size() <= 60, qPrintable(found->name));
    const QStringList have = urlsOf(*found);
    for (const QString &url : urls)
        QVERIFY2(have.contains(url), qPrintable(url + QStringLiteral(" not in ") + have.join(u' ')));
    // Web buttons come from full secure addresses, never from a bare domain.
    for (const QString &url : have)
        QVERIFY2(!url.startsWith(QStringLiteral("http://")), qPrintable(url));
}

void tst_ShippedData::crisisLinesAreFlagged()
{
    for (const QString &name : {QStringLiteral("911"), QStringLiteral("988"),
                                QStringLiteral("Veterans Crisis Line"), QStringLiteral("Crisis Text Line"),
                                QStringLiteral("National Domestic Violence"), QStringLiteral("Poison Help"),
                                QStringLiteral("SAMHSA National Helpline")}) {
        bool found = false;
        for (const Listing &l : m_data->crisisListings())
            found = found || l.name.startsWith(name);
        QVERIFY2(found, qPrintable(name));
    }
    // The hunger line's texting number is for texting only.
    const QStringList hunger = urlsOf(*m_data->national(QStringLiteral("USDA National Hunger Hotline")));
    QVERIFY(!hunger.contains(QStringLiteral("tel:19143427744")));
}

void tst_ShippedData::colorado()
{
    const QList<Listing> lines = m_data->stateListings(QStringLiteral("CO"), QStringLiteral("211"));
    const QRegularExpression tollFree(QStringLiteral("\\(8\\d\\d\\) \\d{3}-\\d{4}"));
    bool both = false;
    for (const Listing &l : lines) {
        if (!l.phone.contains(QStringLiteral("211")) || !tollFree.match(l.phone).hasMatch())
            continue;
        const QStringList urls = urlsOf(l);
        bool tenDigit = false;
        for (const QString &u : urls)
            tenDigit = tenDigit || (u.startsWith(QStringLiteral("tel:1")) && u.size() == 15);
        both = urls.contains(QStringLiteral("tel:211")) && tenDigit
               && urls.contains(QStringLiteral("sms:898211"));
    }
    QVERIFY(both);
    QVERIFY(m_data->stateListings(QStringLiteral("CO"), QStringLiteral("food_bank")).size() >= 3);
    QVERIFY(!m_data->stateListings(QStringLiteral("CO"), QStringLiteral("snap_application")).isEmpty());
    QVERIFY(!m_data->stateListings(QStringLiteral("TX"), QStringLiteral("medicaid_application")).isEmpty());
}

void tst_ShippedData::parkingHasEveryState()
{
    for (const ReferenceData::State &s : m_data->states()) {
        const std::optional<Listing> rule = m_data->parkingRule(s.code);
        QVERIFY2(rule.has_value(), qPrintable(s.code));
        QCOMPARE(rule->name, s.name + QStringLiteral(": highway rest areas"));
        QVERIFY2(!detail(*rule, QStringLiteral("Overnight")).isEmpty(), qPrintable(rule->name));
        QVERIFY2(!detail(*rule, QStringLiteral("Time limit")).isEmpty(), qPrintable(rule->name));
    }
    QVERIFY(m_data->parkingRule(QStringLiteral("DC"))->isUnconfirmed());
    QVERIFY(!m_data->parkingGeneral().isEmpty());
}

void tst_ShippedData::jobsListWhatYouNeed()
{
    QSet<QString> names;
    for (const Listing &l : m_data->listings()) {
        if (l.source != SourceFile::jobs)
            continue;
        QVERIFY2(!names.contains(l.name), qPrintable(l.name));
        names.insert(l.name);
        if (l.dataCategory == QStringLiteral("warning"))
            continue;
        const QString start = detail(l, QStringLiteral("What you need to start"));
        QVERIFY2(!start.isEmpty(), qPrintable(l.name));
        QVERIFY2(!start.contains(u'$') || start.contains(QStringLiteral("fee")), qPrintable(l.name));
        for (const Detail &d : l.details)
            QVERIFY2(!d.label.toLower().contains(QStringLiteral("cost")), qPrintable(l.name));
        // Every pay figure names the page it was read on.
        if (!detail(l, QStringLiteral("Typical pay")).isEmpty())
            QVERIFY2(detail(l, QStringLiteral("Pay figures from")).contains(QStringLiteral("://")),
                     qPrintable(l.name));
    }
    QVERIFY(!names.isEmpty());
}

void tst_ShippedData::videosAreWatchLinks()
{
    QSet<QString> urls;
    for (const Video &v : m_data->videos()) {
        QVERIFY2(v.url.startsWith(QStringLiteral("https://www.youtube.com/watch?v=")), qPrintable(v.url));
        QVERIFY2(!urls.contains(v.url), qPrintable(v.url));
        urls.insert(v.url);
        QVERIFY2(Video::categoryOrder().contains(v.category), qPrintable(v.category));
        QVERIFY(!v.title.isEmpty() && !v.channel.isEmpty());
    }
    QVERIFY(!urls.isEmpty());
}

void tst_ShippedData::confidenceAndSources()
{
    const QStringList words = {"verified-official", "verified-secondary", "needs-check"};
    QStringList withoutSource;
    for (const Listing &l : m_data->listings()) {
        QVERIFY2(words.contains(l.confidence), qPrintable(l.name + u' ' + l.confidence));
        if (l.confidence == QStringLiteral("needs-check"))
            QVERIFY2(l.isUnconfirmed(), qPrintable(l.name));
        else
            QVERIFY2(!l.isUnconfirmed(), qPrintable(l.name));
        const QString status = l.linkStatus.toLower();
        if (status.startsWith(QStringLiteral("broken")) || status.startsWith(QStringLiteral("no-response")))
            QVERIFY2(l.isUnconfirmed() && l.linkNote().has_value(), qPrintable(l.name));
        if (l.sourceURL.isEmpty())
            withoutSource << l.name;
        else
            QVERIFY2(l.sourceURL.startsWith(QStringLiteral("http")), qPrintable(l.name));
        QVERIFY2(!l.name.isEmpty() && l.name.size() <= 62, qPrintable(l.name));
        QVERIFY2(l.web.isEmpty() || l.web.startsWith(QStringLiteral("http")), qPrintable(l.web));
        // Addresses in contact texts are written in full, with https.
        for (const ContactAction &a : ContactParser::links(l.contact))
            QVERIFY2(!a.url.startsWith(QStringLiteral("http://")), qPrintable(l.name + u' ' + a.url));
    }
    // Only the District's rest-area row has no source at all, and it is unconfirmed.
    QCOMPARE(withoutSource, QStringList{QStringLiteral("District of Columbia: highway rest areas")});
}

// Rows the second reading of the agencies' own pages corrected or limited: a
// rebuild from older tables must not bring back the old number or drop the
// caveat that says who a number is for.
void tst_ShippedData::stateRowsAfterSecondReading_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("phone");       // the phone cell exactly
    QTest::addColumn<QString>("confidence");
    QTest::addColumn<QString>("says");        // text the hours or notes must hold

    QTest::newRow("FL SNAP") << "FL" << "snap_application" << "(850) 300-4323"
                             << "verified-official" << "automated line";
    QTest::newRow("FL Medicaid") << "FL" << "medicaid_application" << "(850) 300-4323"
                                 << "verified-official" << "automated line";
    QTest::newRow("NH unemployment") << "NH" << "unemployment_insurance" << "(800) 266-2252"
                                     << "needs-check" << "outside New Hampshire";
    QTest::newRow("NJ FamilyCare") << "NJ" << "medicaid_application" << "(800) 701-0710"
                                   << "verified-official" << "Mon and Thu 8 a.m.-8 p.m.";
    QTest::newRow("DC unemployment") << "DC" << "unemployment_insurance" << "(202) 724-7000"
                                     << "verified-official" << "cannot file a first claim by phone";
    QTest::newRow("NY 211") << "NY" << "211" << "211" << "needs-check" << "New York City, call 311";
    // Two pages give Hawaii 211's text route two ways: unconfirmed until checked.
    QTest::newRow("HI 211") << "HI" << "211" << "211" << "needs-check" << "10 p.m.";
}

void tst_ShippedData::stateRowsAfterSecondReading()
{
    QFETCH(QString, state);
    QFETCH(QString, category);
    QFETCH(QString, phone);
    QFETCH(QString, confidence);
    QFETCH(QString, says);

    const QList<Listing> rows = m_data->stateListings(state, category);
    QCOMPARE(rows.size(), 1);
    const Listing &l = rows.first();
    QCOMPARE(l.phone, phone);
    QCOMPARE(l.confidence, confidence);
    QVERIFY2((l.hours + u' ' + l.eligibility).contains(says), qPrintable(l.hours + u'|' + l.eligibility));
    if (confidence != QStringLiteral("needs-check"))
        QVERIFY2(l.sourceURL.startsWith(QStringLiteral("https://")), qPrintable(l.sourceURL));
}

// Hours and notes print on the one-page resources sheet, so they stay short
// and on one line.
void tst_ShippedData::hoursAndNotesStayShort()
{
    int withHours = 0;
    for (const Listing &l : m_data->listings()) {
        if (l.source != SourceFile::state)
            continue;
        QVERIFY2(l.hours.size() <= 120, qPrintable(l.name + u' ' + l.hours));
        QVERIFY2(l.eligibility.size() <= 200, qPrintable(l.name + u' ' + l.eligibility));
        QVERIFY2(!l.hours.contains(u'\n') && !l.eligibility.contains(u'\n'), qPrintable(l.name));
        if (!l.hours.isEmpty())
            ++withHours;
    }
    QVERIFY(withHours > 0);
}

void tst_ShippedData::checkDates()
{
    const QDate checked = QDate::fromString(Badges::dataCheckedISO, Qt::ISODate);
    QVERIFY(checked.isValid());
    auto valid = [&](const QString &text) {
        const QDate d = QDate::fromString(text, Qt::ISODate);
        return text.size() == 10 && d.isValid() && d <= checked;
    };
    for (const Listing &l : m_data->listings())
        QVERIFY2(valid(l.retrievedAt), qPrintable(l.name + u' ' + l.retrievedAt));
    for (const Video &v : m_data->videos())
        QVERIFY2(valid(v.retrievedAt), qPrintable(v.title + u' ' + v.retrievedAt));
    // The code's check date is the latest date of every file.
    for (const FileReport &r : m_data->reports())
        QCOMPARE(r.latestChecked, Badges::dataCheckedISO);
}

QTEST_GUILESS_MAIN(tst_ShippedData)
#include "tst_ShippedData.moc"
