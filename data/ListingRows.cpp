#include "data/ListingRows.h"

#include "data/StableHash.h"

#include <QStringList>

namespace ListingRows {

namespace {

QString cell(const CSV::Row &row, const char16_t *column)
{
    return CSV::cell(row, QString::fromUtf16(column));
}

// Appends a labelled line only when the row's cell holds text.
void addDetail(QList<Detail> &details, const CSV::Row &row, const char16_t *label,
               const char16_t *column)
{
    const QString value = cell(row, column);
    if (!value.isEmpty())
        details.append(Detail{QString::fromUtf16(label), value});
}

// Where the row came from: the four cells every data file has.
void setProvenance(Listing &l, const CSV::Row &row)
{
    l.sourceURL = cell(row, u"source_url");
    l.publisher = cell(row, u"publisher");
    l.retrievedAt = cell(row, u"retrieved_at");
    l.confidence = cell(row, u"confidence");
}

QList<AppCategory> nationalTopics(const QString &category)
{
    using A = AppCategory;
    static const QHash<QString, QList<AppCategory>> topics{
        {QStringLiteral("benefits"), {A::jobs}},
        {QStringLiteral("money"), {A::jobs}},
        {QStringLiteral("jobs"), {A::jobs}},
        {QStringLiteral("crisis"), {A::mental}},
        {QStringLiteral("documents"), {A::mail}},
        {QStringLiteral("mail"), {A::mail}},
        {QStringLiteral("email"), {A::phones, A::mail}},
        {QStringLiteral("emergency"), {A::health}},
        {QStringLiteral("food"), {A::food}},
        {QStringLiteral("health"), {A::health}},
        {QStringLiteral("housing"), {A::shelter}},
        {QStringLiteral("legal"), {A::legal}},
        {QStringLiteral("library"), {A::phones}},
        {QStringLiteral("phone"), {A::phones}},
        {QStringLiteral("scams"), {A::jobs, A::legal}},
        {QStringLiteral("showers"), {A::showers}},
        {QStringLiteral("vehicle"), {A::vehicle}},
    };
    return topics.value(category, QList<AppCategory>{A::jobs});
}

// Shared constants: every state listing of a category uses the same list.
const QList<AppCategory> &stateTopics(const QString &category)
{
    using A = AppCategory;
    static const QList<AppCategory> helpline{A::shelter, A::food};
    static const QList<AppCategory> food{A::food};
    static const QList<AppCategory> health{A::health};
    static const QList<AppCategory> jobs{A::jobs};
    static const QList<AppCategory> shelter{A::shelter};
    if (category == u"211")
        return helpline;
    if (category == u"snap_application" || category == u"food_bank")
        return food;
    if (category == u"medicaid_application")
        return health;
    if (category == u"unemployment_insurance")
        return jobs;
    return shelter;
}

} // namespace

Listing nationalRow(const CSV::Row &row)
{
    const QString category = cell(row, u"category");
    const QString name = cell(row, u"name");

    // A list of its own: the name tests append to it, repeats included.
    QList<AppCategory> topics = nationalTopics(category);
    if (name.contains(u"SAMHSA") || name.contains(u"FindTreatment"))
        topics.append(AppCategory::mental);
    if (name.contains(u"Domestic Violence") || name.contains(u"Runaway")
        || name.contains(u"Homeless Veterans"))
        topics.append(AppCategory::shelter);
    if (name.contains(u"Veteran"))
        topics.append(AppCategory::veterans);
    if (name.startsWith(u"211"))
        topics.append(AppCategory::food);

    const bool crisis = category == u"crisis" || category == u"emergency"
        || name.startsWith(u"Poison Help") || name.startsWith(u"SAMHSA National Helpline");

    Listing l;
    l.uid = QStringLiteral("n:") + StableHash::hex(category + u'|' + name);
    l.source = SourceFile::national;
    l.dataCategory = category;
    l.categories = topics;
    l.name = name;
    l.summary = cell(row, u"what_it_does");
    l.contact = cell(row, u"how_to_contact");
    l.hours = cell(row, u"hours");
    l.eligibility = cell(row, u"eligibility_notes");
    l.cost = cell(row, u"cost");
    setProvenance(l, row);
    l.isCrisis = crisis;
    return l;
}

Listing stateRow(const CSV::Row &row)
{
    const QString category = cell(row, u"category");
    const QString state = cell(row, u"state");

    Listing l;
    l.source = SourceFile::state;
    l.state = state;
    l.stateName = cell(row, u"state_name");
    l.dataCategory = category;
    l.categories = stateTopics(category);
    l.name = cell(row, u"name");
    l.summary = cell(row, u"what_it_does");
    l.phone = cell(row, u"phone");
    l.textContact = cell(row, u"text");
    l.web = cell(row, u"web");
    l.address = cell(row, u"address");
    l.hours = cell(row, u"hours");
    l.eligibility = cell(row, u"eligibility_notes");
    l.cost = cell(row, u"cost");
    setProvenance(l, row);
    l.linkStatus = cell(row, u"link_status");

    const QStringList key{state, category, l.name, l.phone, l.web, l.address, l.eligibility};
    l.uid = QStringLiteral("s:") + state + u':' + StableHash::hex(key.join(u'|'));
    return l;
}

Listing parking(const CSV::Row &row, const QHash<QString, QString> &codes)
{
    const QString type = cell(row, u"jurisdiction_type");
    const QString jurisdiction = cell(row, u"jurisdiction");
    const bool isState = type == u"state";

    QList<Detail> details;
    const auto add = [&](const char16_t *label, const char16_t *column) {
        addDetail(details, row, label, column);
    };
    add(u"Overnight", u"status");
    add(u"Time limit", u"time_limit");
    add(u"Camping", u"camping");
    add(u"Important", u"user_warning");

    const QString placeType = cell(row, u"place_type");
    const QStringList key{type, jurisdiction, placeType};

    Listing l;
    l.uid = QStringLiteral("p:") + StableHash::hex(key.join(u'|'));
    l.source = SourceFile::parking;
    l.state = isState ? codes.value(jurisdiction) : QString();
    l.stateName = isState ? jurisdiction : QString();
    l.dataCategory = isState ? QStringLiteral("rest_area") : QStringLiteral("camping_rules");
    l.categories = {AppCategory::shelter, AppCategory::vehicle};
    l.name = jurisdiction + QStringLiteral(": ") + placeType;
    l.summary = cell(row, u"rule_summary");
    l.details = details;
    setProvenance(l, row);
    return l;
}

Listing job(const CSV::Row &row)
{
    const QString type = cell(row, u"type");
    QList<AppCategory> topics;
    if (type == u"low-cost startup")
        topics = {AppCategory::startups};
    else if (type == u"warning")
        topics = {AppCategory::startups, AppCategory::jobs};
    else
        topics = {AppCategory::jobs};

    QList<Detail> details{Detail{QStringLiteral("Kind of work"), type}};
    const auto add = [&](const char16_t *label, const char16_t *column) {
        addDetail(details, row, label, column);
    };
    add(u"Needs a phone", u"needs_phone");
    add(u"Needs a computer", u"needs_computer");
    add(u"Needs a vehicle", u"needs_vehicle");
    add(u"What you need to start", u"startup_needs_and_cost");
    add(u"Typical pay", u"typical_pay");
    const QString paySource = cell(row, u"pay_source");
    if (!paySource.isEmpty()) {
        QStringList pay{paySource};
        const QString payURL = cell(row, u"pay_source_url");
        if (!payURL.isEmpty())
            pay.append(payURL);
        details.append(
            Detail{QStringLiteral("Pay figures from"), pay.join(QStringLiteral(" \u2013 "))});
    }
    add(u"First steps", u"first_steps");
    add(u"Watch out for", u"red_flags");

    const QString name = cell(row, u"name");
    Listing l;
    l.uid = QStringLiteral("j:") + StableHash::hex(name);
    l.source = SourceFile::jobs;
    l.dataCategory = type;
    l.categories = topics;
    l.name = name;
    l.summary = cell(row, u"what_it_is");
    l.details = details;
    setProvenance(l, row);
    return l;
}

Video video(const CSV::Row &row)
{
    Video v;
    v.url = cell(row, u"url");
    v.uid = QStringLiteral("v:") + StableHash::hex(v.url);
    v.title = cell(row, u"title");
    v.channel = cell(row, u"channel");
    v.length = cell(row, u"length");
    v.topic = cell(row, u"topic");
    v.category = cell(row, u"category");
    v.note = cell(row, u"note");
    v.retrievedAt = cell(row, u"retrieved_at");
    return v;
}

} // namespace ListingRows
