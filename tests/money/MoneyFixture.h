#pragma once
// Plans and a small data folder for the Money Plan tests.

#include "TestSupport.h"

#include "money/MoneyPlan.h"

#include <QUuid>

namespace moneyfixture {

inline MoneyEntry entry(MoneyKind kind, const QString &category, qint64 cents, MoneyFrequency frequency,
                        const QString &label = QString(), double added = 0)
{
    return MoneyEntry{QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper(), kind, category, label,
                      cents, frequency, added};
}

inline MoneyEntry income(const QString &category, qint64 cents, MoneyFrequency frequency,
                         const QString &label = QString())
{
    return entry(MoneyKind::income, category, cents, frequency, label);
}

inline MoneyEntry expense(const QString &category, qint64 cents, MoneyFrequency frequency,
                          const QString &label = QString())
{
    return entry(MoneyKind::expense, category, cents, frequency, label);
}

inline MoneyPlan plan(const QList<MoneyEntry> &entries, qint64 cash = 0)
{
    MoneyPlan p;
    p.entries = entries;
    p.cashOnHandCents = cash;
    return p;
}

// Kim's example plan, as the example mode writes it.
inline MoneyPlan example()
{
    using F = MoneyFrequency;
    MoneyPlan p = plan({
        income(QStringLiteral("job"), 10000, F::week, QStringLiteral("Dishwasher shifts (part-time)")),
        income(QStringLiteral("gig"), 9000, F::week, QStringLiteral("Food delivery")),
        income(QStringLiteral("benefits"), 29200, F::month, QStringLiteral("SNAP (food money on EBT)")),
        expense(QStringLiteral("food"), 1400, F::day, QStringLiteral("Groceries and meals")),
        expense(QStringLiteral("fuel"), 7000, F::week, QStringLiteral("Gas")),
        expense(QStringLiteral("phone"), 3000, F::month, QStringLiteral("Prepaid phone plan")),
        expense(QStringLiteral("storage"), 6500, F::month, QStringLiteral("Small storage unit")),
        expense(QStringLiteral("laundry"), 900, F::week, QStringLiteral("Laundromat")),
        expense(QStringLiteral("hygiene"), 1500, F::month, QStringLiteral("Gym membership (showers)")),
        expense(QStringLiteral("campsite"), 2500, F::week, QStringLiteral("Campground fees")),
        expense(QStringLiteral("vehicle"), 11000, F::month, QStringLiteral("Car insurance")),
        expense(QStringLiteral("other"), 2000, F::week, QStringLiteral("Toiletries and small things")),
    }, 18640);
    p.name = QStringLiteral("Kim T. (example)");
    p.goalName = QStringLiteral("Deposit for a room");
    p.goalCents = 60000;
    p.savedCents = 8500;
    return p;
}

// A data folder with only the rows the tips look up: Colorado has two 211
// lines, three food banks and the rest one each; California has a 211 line.
inline bool writeDataFolder(const QString &folder)
{
    const QByteArray national =
        "category,name,what_it_does,how_to_contact,hours,eligibility_notes,cost,source_url,publisher,retrieved_at,confidence\n"
        "food,SNAP (food stamps),Food money,Apply.,,,,https://example.org/1,USDA,2026-10-01,verified-official\n"
        "food,WIC,Food,Apply.,,,,https://example.org/2,USDA,2026-10-01,verified-official\n"
        "food,USDA National Hunger Hotline,Line,Call.,,,,https://example.org/3,USDA,2026-10-01,verified-official\n"
        "showers,Love's Travel Stops showers,Showers,Visit.,,,,https://example.org/4,Love's,2026-10-01,verified-official\n"
        "showers,Pilot Flying J showers,Showers,Visit.,,,,https://example.org/5,Pilot,2026-10-01,verified-official\n"
        "showers,Planet Fitness (showers with membership),Gym,Visit.,,,,https://example.org/6,PF,2026-10-01,verified-official\n"
        "housing,211 (United Way 211 network),Referral,Dial 211.,,,,https://example.org/7,UW,2026-10-01,verified-official\n"
        "phones,Lifeline phone and internet discount (FCC),Discount,Apply.,,,,https://example.org/8,FCC,2026-10-01,verified-official\n"
        "phones,Public libraries (free internet and computers),Libraries,Visit.,,,,https://example.org/9,IMLS,2026-10-01,verified-official\n"
        "housing,HUD Find Shelter,Finder,Web.,,,,https://example.org/10,HUD,2026-10-01,verified-official\n"
        "vehicle,No national car-repair program,None,Ask 211.,,,,https://example.org/11,Us,2026-10-01,verified-official\n"
        "vehicle,California Consumer Assistance Program (smog repair),Repair,Apply.,,,,https://example.org/12,BAR,2026-10-01,verified-official\n"
        "vehicle,Modest Needs,Grants,Apply.,,,,https://example.org/13,MN,2026-10-01,verified-official\n"
        "benefits,USAGov Benefit Finder,Finder,Web.,,,,https://example.org/14,GSA,2026-10-01,verified-official\n"
        "benefits,IRS VITA free tax help,Tax help,Call.,,,,https://example.org/15,IRS,2026-10-01,verified-official\n";
    const QByteArray state =
        "state,state_name,category,name,what_it_does,phone,text,web,address,hours,eligibility_notes,cost,source_url,publisher,retrieved_at,confidence,link_status\n"
        "CO,Colorado,211,CO 211 one,Help,211,,,,,,,https://example.org/a,UW,2026-10-01,verified-official,ok\n"
        "CO,Colorado,211,CO 211 two,Help,211,,,,,,,https://example.org/b,UW,2026-10-01,verified-official,ok\n"
        "CO,Colorado,food_bank,CO food bank one,Food,1,,,,,,,https://example.org/c,FA,2026-10-01,verified-official,ok\n"
        "CO,Colorado,food_bank,CO food bank two,Food,1,,,,,,,https://example.org/d,FA,2026-10-01,verified-official,ok\n"
        "CO,Colorado,food_bank,CO food bank three,Food,1,,,,,,,https://example.org/e,FA,2026-10-01,verified-official,ok\n"
        "CO,Colorado,snap_application,CO SNAP,Apply,,,,,,,,https://example.org/f,CDHS,2026-10-01,verified-official,ok\n"
        "CO,Colorado,coc_homeless_contact,CO CoC,Plans,1,,,,,,,https://example.org/g,HUD,2026-10-01,verified-official,ok\n"
        "CO,Colorado,unemployment_insurance,CO UI,Claims,1,,,,,,,https://example.org/h,CDLE,2026-10-01,verified-official,ok\n"
        "CA,California,211,CA 211,Help,211,,,,,,,https://example.org/i,UW,2026-10-01,verified-official,ok\n";
    const QByteArray parking =
        "jurisdiction_type,jurisdiction,place_type,status,time_limit,camping,user_warning,rule_summary,source_url,publisher,retrieved_at,confidence\n"
        "state,Colorado,Highway rest areas,Allowed,8 hours,No,,Rest only,https://example.org/j,CDOT,2026-10-01,verified-secondary\n";
    const QByteArray jobs = "name,type,what_it_is,source_url,publisher,retrieved_at,confidence\n";
    const QByteArray videos = "url,title,channel,length,topic,category,note,retrieved_at\n";
    return testsupport::writeDataFiles(folder, national, state, parking, jobs, videos);
}

} // namespace moneyfixture
