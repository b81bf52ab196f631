#include "data/AppCategory.h"

#include "data/RawValue.h"

namespace {

struct Entry
{
    const char16_t *title;
    const char *icon;
    const char16_t *blurb;
    QStringList videoCategories;
};

const Entry &entry(AppCategory::Case c)
{
    using S = QStringList;
    static const Entry table[] = {
        {u"Food", "fork.knife", u"Free food, food banks and SNAP (food stamps).", S{}},
        {u"Shelter & Parking", "house.fill",
         u"A place to stay, homeless help lines and where you may park.", S{}},
        {u"Showers & Hygiene", "shower.fill", u"Places to shower and keep clean.",
         S{QStringLiteral("everyday")}},
        {u"Health", "cross.case.fill", u"Doctors, clinics, health coverage and poison help.",
         S{QStringLiteral("emergency"), QStringLiteral("first_aid")}},
        {u"Mental Health", "heart.text.square.fill",
         u"Someone to talk to, any time. Crisis lines and support.",
         S{QStringLiteral("mental_health")}},
        {u"Phones & Internet", "iphone", u"Phone discounts, free email and places to get online.",
         S{}},
        {u"Mail & ID", "envelope.fill", u"Get mail with no address. Replace your ID and papers.",
         S{}},
        {u"Jobs & Money", "briefcase.fill",
         u"Work, job boards, unemployment, benefits and scams to avoid.",
         S{QStringLiteral("jobs"), QStringLiteral("money"), QStringLiteral("scams")}},
        {u"Low-cost Startups", "hammer.fill", u"Small ways to earn money with little gear.", S{}},
        {u"Vehicle & RV Help", "car.fill", u"Keep your car or RV running. Help with repairs.",
         S{QStringLiteral("vehicle")}},
        {u"Legal Help", "building.columns.fill", u"Free legal help and your rights.",
         S{QStringLiteral("rights")}},
        {u"Veterans", "star.fill", u"Help just for Veterans and their families.", S{}},
    };
    return table[c];
}

} // namespace

std::optional<AppCategory> AppCategory::fromRawValue(const QString &text)
{
    return caseWithRawValue<AppCategory>(text);
}

const QList<AppCategory> &AppCategory::allCases()
{
    static const QList<AppCategory> all{food,  shelter, showers,  health,  mental, phones,
                                        mail,  jobs,    startups, vehicle, legal,  veterans};
    return all;
}

QString AppCategory::rawValue() const
{
    return QString::fromUtf16(entry(m_case).title);
}

QString AppCategory::icon() const
{
    return QString::fromLatin1(entry(m_case).icon);
}

QString AppCategory::blurb() const
{
    return QString::fromUtf16(entry(m_case).blurb);
}

QStringList AppCategory::videoCategories() const
{
    return entry(m_case).videoCategories;
}
