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
        income(u"job"_qs, 10000, F::week, u"Dishwasher shifts (part-time)"_qs),
        income(u"gig"_qs, 9000, F::week, u"Food delivery"_qs),
        income(u"benefits"_qs, 29200, F::month, u"SNAP (food money on EBT)"_qs),
        expense(u"food"_qs, 1400, F::day, u"Groceries and meals"_qs),
        expense(u"fuel"_qs, 7000, F::week, u"Gas"_qs),
        expense(u"phone"_qs, 3000, F::month, u"Prepaid phone plan"_qs),
        expense(u"storage"_qs, 6500, F::month, u"Small storage unit"_qs),
        expense(u"laundry"_qs, 900, F::week, u"Laundromat"_qs),
        expense(u"hygiene"_qs, 1500, F::month, u"Gym membership (showers)"_qs),
        expense(u"campsite"_qs, 2500, F::week, u"Campground fees"_qs),
        expense(u"vehicle"_qs, 11000, F::month, u"Car insurance"_qs),
        expense(u"other"_qs, 2000, F::week, u"Toiletries and small things"_qs),
    }, 18640);
    p.name = u"Kim T. (example)"_qs;
    p.goalName = u"Deposit for a room"_qs;
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
    using testsupport::writeFile;
    return writeFile(folder + u"/national_resources.csv"_qs, national)
        && writeFile(folder + u"/state_resources.csv"_qs, state)
        && writeFile(folder + u"/camping_parking_rules.csv"_qs, parking)
        && writeFile(folder + u"/jobs_and_income.csv"_qs, jobs)
        && writeFile(folder + u"/video_library.csv"_qs, videos);
}

} // namespace moneyfixture
