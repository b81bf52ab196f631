#include "money/MoneyTips.h"

#include "data/ReferenceData.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace {

const MoneyTips::Text *findText(const QString &key)
{
    for (const MoneyTips::Text &t : MoneyTips::texts()) {
        if (t.key == key)
            return &t;
    }
    return nullptr;
}

bool wantsIncomeTip(const MoneyPlan &plan)
{
    bool hasBenefits = false;
    for (const MoneyEntry &e : plan.entriesOf(MoneyKind::income))
        hasBenefits = hasBenefits || e.category == QStringLiteral("benefits");
    return !hasBenefits || plan.total(MoneyKind::income, MoneyPeriod::month) == 0
        || plan.leftOver(MoneyPeriod::month) < 0;
}

// Collects one tip's listings from the three kinds of lookup.
class ListingsFor
{
public:
    ListingsFor(const ReferenceData &data, const QString &state) : m_data(data), m_state(state) {}

    void state(const QString &dataCategory, qsizetype first)
    {
        if (!m_state.isEmpty())
            m_out << m_data.stateListings(m_state, dataCategory).mid(0, first);
    }
    void national(const QString &namePrefix)
    {
        if (const std::optional<Listing> l = m_data.national(namePrefix))
            m_out << *l;
    }
    void parkingRule()
    {
        if (m_state.isEmpty())
            return;
        if (const std::optional<Listing> l = m_data.parkingRule(m_state))
            m_out << *l;
    }
    QList<Listing> take() { return std::exchange(m_out, {}); }

private:
    const ReferenceData &m_data;
    QString m_state;
    QList<Listing> m_out;
};

QList<Listing> listingsFor(const QString &key, ListingsFor &l, const QString &state)
{
    const QString k211 = QStringLiteral("211"); // a state category word and a national name
    const QString coc = QStringLiteral("coc_homeless_contact");
    if (key == u"food") {
        l.state(QStringLiteral("food_bank"), 2);
        l.state(QStringLiteral("snap_application"), 1);
        l.national(QStringLiteral("SNAP (food stamps)"));
        l.national(QStringLiteral("WIC"));
        l.national(QStringLiteral("USDA National Hunger Hotline"));
    } else if (key == u"hygiene") {
        l.national(QStringLiteral("Love's Travel Stops showers"));
        l.national(QStringLiteral("Pilot Flying J showers"));
        l.national(QStringLiteral("Planet Fitness"));
        l.state(k211, 1);
    } else if (key == u"laundry" || key == u"storage") {
        l.state(k211, 1);
        l.national(k211);
        l.state(coc, 1);
    } else if (key == u"phone") {
        l.national(QStringLiteral("Lifeline"));
        l.national(QStringLiteral("Public libraries"));
    } else if (key == u"campsite") {
        l.state(coc, 1);
        l.national(QStringLiteral("HUD Find Shelter"));
        l.parkingRule();
    } else if (key == u"fuel") {
        l.state(k211, 1);
        l.national(k211);
    } else if (key == u"vehicle") {
        l.national(QStringLiteral("No national car-repair"));
        if (state == u"CA")
            l.national(QStringLiteral("California Consumer Assistance Program"));
        l.national(QStringLiteral("Modest Needs"));
        l.state(k211, 1);
    } else if (key == u"income") {
        // The federal benefit finder, by the name the shipped data gives it.
        l.national(QStringLiteral("USAGov Benefit Finder"));
        l.state(QStringLiteral("unemployment_insurance"), 1);
        l.national(QStringLiteral("IRS VITA"));
        l.state(QStringLiteral("snap_application"), 1);
    }
    return l.take();
}

std::optional<AppCategory> topicFor(const QString &key)
{
    if (key == u"food")
        return AppCategory::food;
    if (key == u"hygiene" || key == u"laundry")
        return AppCategory::showers;
    if (key == u"phone")
        return AppCategory::phones;
    if (key == u"campsite" || key == u"storage")
        return AppCategory::shelter;
    if (key == u"fuel" || key == u"vehicle")
        return AppCategory::vehicle;
    if (key == u"income")
        return AppCategory::jobs;
    return std::nullopt;
}

} // namespace

const QList<MoneyTips::Text> &MoneyTips::texts()
{
    static const QList<Text> all{
        {QStringLiteral("food"), QStringLiteral("Spend less on food"),
         QStringLiteral("Food banks and pantries give out food at no cost. SNAP (food stamps) puts money "
                        "for groceries on a card each month. WIC helps with food for young kids and "
                        "pregnant moms. 211 knows where meals are served near you.")},
        {QStringLiteral("hygiene"), QStringLiteral("Spend less on showers"),
         QStringLiteral("Truck stops sell showers, and a low-cost gym membership can cost less than "
                        "paying for each shower. Ask 211 about day centers and shelters with showers.")},
        {QStringLiteral("laundry"), QStringLiteral("Spend less on laundry"),
         QStringLiteral("Some day centers and shelters let you wash clothes. Ask 211 or your local "
                        "homeless help contact what is near you.")},
        {QStringLiteral("phone"), QStringLiteral("Spend less on your phone"),
         QStringLiteral("Lifeline gives a monthly discount on phone or internet service to people who "
                        "get SNAP, Medicaid and some other benefits. Libraries have computers and Wi-Fi "
                        "you can use.")},
        {QStringLiteral("campsite"), QStringLiteral("Spend less on a place to stay"),
         QStringLiteral("Shelters and safe-parking programs may cost nothing. Your local homeless help "
                        "contact and 211 know what is open. Read your state's parking rules before you "
                        "stay overnight.")},
        {QStringLiteral("fuel"), QStringLiteral("Spend less on gas and bus fare"),
         QStringLiteral("Ask 211 if there is help with bus passes or gas near you. Plan trips so one "
                        "drive does several jobs.")},
        {QStringLiteral("vehicle"), QStringLiteral("Car repair costs"),
         QStringLiteral("We found no national program that pays for car repairs. Ask 211 about local "
                        "help. Some charities give small emergency grants.")},
        {QStringLiteral("storage"), QStringLiteral("Spend less on storage"),
         QStringLiteral("Ask 211 or your local homeless help contact if there is low-cost or no-cost "
                        "storage nearby. Keep papers like your ID in one waterproof bag.")},
        {QStringLiteral("income"), QStringLiteral("Bring in more money"),
         QStringLiteral("You may qualify for benefits you don't get yet. The Benefit Finder shows what "
                        "you may get. If you lost a job, file for unemployment in your state. Free tax "
                        "help (VITA) can bring refunds and credits.")},
    };
    return all;
}

QList<MoneyTip> MoneyTips::tips(const MoneyPlan &plan, const QString &state, const ReferenceData *data,
                                int limit)
{
    if (!data)
        return {};

    QStringList keys;
    for (const MoneyPlan::CategoryTotal &item : plan.categoryTotals(MoneyKind::expense, MoneyPeriod::month)) {
        if (findText(item.id))
            keys << item.id;
    }
    if (keys.isEmpty())
        keys = {QStringLiteral("food"), QStringLiteral("hygiene"), QStringLiteral("phone")};
    if (wantsIncomeTip(plan))
        keys.insert(qMin<qsizetype>(1, keys.size()), QStringLiteral("income"));

    ListingsFor lookups(*data, state);
    QList<MoneyTip> out;
    for (const QString &key : std::as_const(keys)) {
        const Text *text = findText(key);
        const bool made = std::any_of(out.cbegin(), out.cend(), [&](const MoneyTip &t) { return t.id == key; });
        if (!text || made)
            continue;
        out.append(MoneyTip{key, text->title, text->text, listingsFor(key, lookups, state), topicFor(key)});
    }
    return out.mid(0, qMax(limit, 0));
}
