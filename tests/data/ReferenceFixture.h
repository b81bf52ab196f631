#pragma once
// A small data folder for the reference-data tests, written into a temporary
// directory. Each file starts from a default text that a test may replace.

#include "TestSupport.h"

#include <QByteArray>
#include <QDir>
#include <QMap>
#include <QTemporaryDir>

namespace fixture {

inline const QByteArray nationalHeader =
    "category,name,what_it_does,how_to_contact,hours,eligibility_notes,cost,source_url,"
    "publisher,retrieved_at,confidence\n";
inline const QByteArray stateHeader =
    "state,state_name,category,name,what_it_does,phone,text,web,address,hours,"
    "eligibility_notes,cost,source_url,publisher,retrieved_at,confidence,link_status\n";
inline const QByteArray parkingHeader =
    "jurisdiction_type,jurisdiction,place_type,status,time_limit,camping,user_warning,"
    "rule_summary,source_url,publisher,retrieved_at,confidence\n";
inline const QByteArray jobsHeader =
    "type,name,what_it_is,needs_phone,needs_computer,needs_vehicle,startup_needs_and_cost,"
    "typical_pay,pay_source,pay_source_url,first_steps,red_flags,source_url,publisher,"
    "retrieved_at,confidence\n";
inline const QByteArray videoHeader = "url,title,channel,length,topic,category,note,retrieved_at\n";

inline QMap<QString, QByteArray> defaultFiles()
{
    return {
        {"national_resources.csv",
         nationalHeader
             + "crisis,988 Suicide & Crisis Lifeline,Free confidential support,Call or text 988,"
               "24/7,Anyone,Free,https://988lifeline.org,988 Lifeline,2026-10-24,verified-official\n"
               "food,SNAP (food stamps),Money for groceries,Apply in your state,,,Free,"
               "https://www.fns.usda.gov,USDA,2026-09-30,verified-official\n"
               "food,Feeding America,Find your local pantry,https://www.feedingamerica.org,,,"
               "Free,https://www.feedingamerica.org,Feeding America,2026-08-15,needs-check\n"
               "housing,HUD Find Shelter,Shelters near you,https://www.hud.gov,,,Free,"
               "https://www.hud.gov,HUD,2026-09-01,verified-secondary\n"},
        {"state_resources.csv",
         stateHeader
             + "CO,Colorado,211,Colorado 211,Help line for rent and shelter,211,,"
               "https://211colorado.org,,,,,https://211colorado.org,United Way,2026-10-01,"
               "verified-official,ok\n"
               "CO,Colorado,snap_application,Colorado PEAK,Apply online,,,https://peak.co.gov,"
               ",,,,https://peak.co.gov,State of Colorado,2026-10-02,verified-official,ok\n"
               "CO,Colorado,food_bank,Food Bank of the Rockies,Supplies pantries,303-371-9250,,"
               ",,,,,https://www.feedingamerica.org,Feeding America,2026-07-19,needs-check,ok\n"
               "TX,Texas,snap_application,Your Texas Benefits,Apply online,,,"
               "https://www.yourtexasbenefits.com,,,,,https://www.yourtexasbenefits.com,"
               "Texas HHS,2026-10-03,verified-official,ok\n"
               "DE,Delaware,211,Delaware 211,Help line,211,,,,,,,https://delaware211.org,"
               "United Way,2026-10-01,verified-official,ok\n"
               "FL,Florida,211,Florida 211,Help line,211,,,,,,,https://211florida.org,"
               "United Way,2026-10-01,verified-official,ok\n"
               "DC,District of Columbia,211,DC 211,Help line,211,,,,,,,https://dc.gov,"
               "DC,2026-10-01,verified-official,ok\n"},
        {"camping_parking_rules.csv",
         parkingHeader
             + "state,Colorado,highway rest areas,Allowed,8 hours,No,Lock your doors,"
               "Rest up to 8 hours,https://codot.gov,CDOT,2026-10-05,verified-official\n"
               "federal,BLM land,dispersed camping,Allowed,14 days,Yes,,Stay up to 14 days,"
               "https://www.blm.gov,BLM,2026-10-06,needs-check\n"},
        {"jobs_and_income.csv",
         jobsHeader
             + "job,Delivery driver,Deliver packages,Yes,No,Company van,License,"
               "$17 an hour,BLS,https://www.bls.gov,Apply online,Pay-first offers,"
               "https://www.bls.gov,BLS,2026-10-07,verified-official\n"
               "warning,Pay-to-work offers,Never pay for a job,,,,,,,,,Fees up front,"
               "https://consumer.ftc.gov,FTC,2026-10-08,verified-official\n"},
        {"video_library.csv",
         videoHeader
             + "https://www.youtube.com/watch?v=abc123,How to use naloxone,Denver Health,2:10,"
               "Giving naloxone,first_aid,Spray it and call 911,2026-10-20\n"
               "https://www.youtube.com/watch?v=def456,Staying safe in the cold,Red Cross,3:00,"
               "Cold weather,everyday,Layers keep you warm,2026-10-21\n"},
    };
}

// A temporary data folder holding the default files, with any of them
// replaced (or left out, when given a null QByteArray).
class DataFolder
{
public:
    explicit DataFolder(const QMap<QString, QByteArray> &changes = {})
    {
        QMap<QString, QByteArray> files = defaultFiles();
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            files[it.key()] = it.value();
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            if (!it.value().isNull())
                testsupport::writeFile(m_dir.filePath(it.key()), it.value());
        }
    }

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace fixture
