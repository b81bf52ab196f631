#pragma once
// A small data folder for the resources sheet: Colorado with a 211 line, an
// unconfirmed food bank whose name holds "<", ">" and "&", and a parking
// rule; two of the five nationwide names.

#include "data/ReferenceFixture.h"

namespace sheetfixture {

inline fixture::DataFolder dataFolder()
{
    using namespace fixture;
    return DataFolder({
        {"national_resources.csv",
         nationalHeader
             + "crisis,Crisis Text Line,Text line,Text HOME to 741741.,24/7,,Free,"
               "https://www.crisistextline.org,Crisis Text Line,2026-10-24,verified-official\n"
               "health,Poison Help,Poison line,Call 1-800-222-1222 or visit https://www.poison.org,"
               "24/7,,Free,https://www.poison.org,HRSA,2026-09-30,needs-check\n"
               "phones,Lifeline phone discount,Phone help,\"Call 1-800-234-9473, 1-888-641-8722 or "
               "1-877-555-0100. Text HELP to 55555. See https://www.lifelinesupport.org or "
               "https://www.fcc.gov/lifeline\",,,,https://www.fcc.gov,FCC,2026-10-01,verified-official\n"},
        {"state_resources.csv",
         stateHeader
             + "CO,Colorado,211,Colorado 211,Help line,211,,https://211colorado.org,,,,,"
               "https://211colorado.org,United Way,2026-10-01,verified-official,ok\n"
               "CO,Colorado,food_bank,Food <Bank> & Pantry,Food,303-371-9250,,,,,,,"
               "https://example.org/fb,,2026-07-19,needs-check,ok\n"
               "TX,Texas,211,Texas 211,Help line,211,,,,,,,https://example.org/tx,United Way,"
               "2026-10-01,verified-official,ok\n"},
        {"camping_parking_rules.csv",
         parkingHeader
             + "state,Colorado,highway rest areas,Allowed,8 hours,No,Lock your doors,"
               "Rest up to 8 hours,https://codot.gov,CDOT,2026-10-05,verified-official\n"},
    });
}

} // namespace sheetfixture
