#pragma once
// A small data folder for the app-model tests: one state (Colorado) with five
// 211 lines, a handful of nationwide rows and two camping rules.

#include "TestSupport.h"

#include "services/AppModel.h"

#include <QString>

#include <memory>

namespace appfixture {

inline bool writeDataFolder(const QString &folder)
{
    const QByteArray national =
        "name,category,what_it_does,how_to_contact,hours,eligibility_notes,cost,source_url,publisher,retrieved_at,confidence\n"
        "911,emergency,Police fire ambulance,Call 911.,24/7,,Free,https://www.fcc.gov/911,FCC,2026-10-01,verified-official\n"
        "988 Suicide & Crisis Lifeline,crisis,Crisis line,\"Call or text 988, or chat at 988lifeline.org/chat.\",24/7,,Free,https://988lifeline.org,988 Lifeline,2026-10-01,verified-official\n"
        "Crisis Text Line,crisis,Text line,Text HOME to 741741.,24/7,,Free,https://example.org/ctl,CTL,2026-10-01,verified-secondary\n"
        "Veterans Crisis Line,crisis,Vets,Dial 988 then press 1.,,,,https://example.org/vcl,VA,2026-10-01,verified-official\n"
        "USDA National Hunger Hotline,food,Food line,Call 1-866-348-6479.,,,,https://example.org/usda,USDA,2026-10-01,needs-check\n"
        "SNAP (food stamps),benefits,Food money,Apply in your state.,,,,https://example.org/snap,USDA,2026-10-01,verified-official\n"
        "WIC,food,Women infants children,Apply in your state.,,,,https://example.org/wic,USDA,2026-10-01,verified-official\n"
        "Feeding America,food,Food banks,Find a food bank.,,,,https://example.org/fa,Feeding America,2026-10-01,verified-official\n"
        "211 (United Way 211 network),housing,Referral line,Dial 211.,,,,https://example.org/211,United Way,2026-10-01,verified-official\n"
        "HUD Find Shelter,housing,Shelter finder,Use the website.,,,,https://example.org/hud,HUD,2026-10-01,verified-official\n"
        "National Domestic Violence Hotline,crisis,DV help,Call 1-800-799-7233.,,,,https://example.org/dv,OVC,2026-10-01,verified-official\n"
        "National Runaway Safeline,crisis,Youth help,Text 66008.,,,,https://example.org/nrs,NRS,2026-10-01,verified-official\n"
        "National Call Center for Homeless Veterans,housing,Vets housing,Call 1-877-424-3838.,,,,https://example.org/nchv,VA,2026-10-01,verified-official\n"
        "Poison Help,health,Poison line,Call 1-800-222-1222.,,,,https://example.org/poison,HRSA,2026-10-01,verified-official\n"
        "Find a Health Center,health,Clinics,Use the website.,,,,https://example.org/fahc,HRSA,2026-10-01,verified-official\n"
        "Medicaid,health,Coverage,Apply in your state.,,,,https://example.org/medicaid,CMS,2026-10-01,verified-official\n"
        "SAMHSA National Helpline,health,Treatment referral,Call 1-800-662-4357.,,,,https://example.org/samhsa,SAMHSA,2026-10-01,verified-official\n";
    const QByteArray state =
        "state,state_name,category,name,what_it_does,phone,text,web,address,hours,eligibility_notes,cost,source_url,publisher,retrieved_at,confidence,link_status\n"
        "CO,Colorado,211,CO 211 one,Help,211,,,,,,,https://example.org/co1,United Way,2026-10-01,verified-official,ok\n"
        "CO,Colorado,211,CO 211 two,Help,211,,,,,,,https://example.org/co2,United Way,2026-10-01,verified-official,ok\n"
        "CO,Colorado,211,CO 211 three,Help,211,,,,,,,https://example.org/co3,United Way,2026-10-01,verified-official,ok\n"
        "CO,Colorado,211,CO 211 four,Help,211,,,,,,,https://example.org/co4,United Way,2026-10-01,verified-official,ok\n"
        "CO,Colorado,211,CO 211 five,Help,211,,,,,,,https://example.org/co5,United Way,2026-10-01,verified-official,ok\n"
        "CO,Colorado,food_bank,CO food bank one,Food,(303) 555-0101,,,,,,,https://example.org/fb1,Feeding America,2026-10-01,verified-official,ok\n"
        "CO,Colorado,food_bank,CO food bank two,Food,(303) 555-0102,,,,,,,https://example.org/fb2,Feeding America,2026-10-01,verified-official,ok\n"
        "CO,Colorado,snap_application,CO SNAP,Apply,,,https://example.org/cosnap,,,,,https://example.org/cosnap,CDHS,2026-10-01,verified-official,ok\n"
        "CO,Colorado,medicaid_application,CO Medicaid,Apply,,,https://example.org/comed,,,,,https://example.org/comed,HCPF,2026-10-01,verified-official,ok\n"
        "CO,Colorado,coc_homeless_contact,CO CoC,Plans services,(303) 555-0199,,,,,,,https://example.org/coc,HUD,2026-10-01,verified-official,ok\n"
        "TX,Texas,211,TX 211,Help,211,,,,,,,https://example.org/tx,United Way,2026-10-01,verified-official,ok\n";
    const QByteArray parking =
        "jurisdiction_type,jurisdiction,place_type,status,time_limit,camping,user_warning,rule_summary,source_url,publisher,retrieved_at,confidence\n"
        "state,Colorado,Highway rest areas,Allowed,8 hours,No,,Rest only,https://example.org/cor,CDOT,2026-10-01,verified-secondary\n"
        "federal,BLM land,Dispersed camping,Allowed,14 days,Yes,,Camp away from roads,https://example.org/blm,BLM,2026-10-01,verified-official\n"
        "private,Store lots,Parking lots,Ask,,,,Ask the manager,https://example.org/store,,2026-10-01,needs-check\n";
    const QByteArray jobs =
        "name,type,what_it_is,source_url,publisher,retrieved_at,confidence\n"
        "Dog walking,low-cost startup,Walk dogs,https://example.org/dogs,BLS,2026-10-01,verified-official\n";
    const QByteArray videos =
        "url,title,channel,length,topic,category,note,retrieved_at\n"
        "https://www.youtube.com/watch?v=abcdefghijk,CPR basics,Red Cross,3:00,CPR,first_aid,,2026-10-01\n";
    return testsupport::writeDataFiles(folder, national, state, parking, jobs, videos);
}

// The folder written under dir/data and a model on it, My List beside it.
inline std::unique_ptr<AppModel> makeModel(const QString &dir)
{
    if (!writeDataFolder(dir + QStringLiteral("/data")))
        return nullptr;
    return std::make_unique<AppModel>(dir + QStringLiteral("/data"), dir + QStringLiteral("/my-list.sqlite"));
}

} // namespace appfixture
