#pragma once

#include "data/CSV.h"
#include "data/Listing.h"
#include "data/Video.h"

#include <QHash>
#include <QString>

// Turns one row of a data file into a Listing or a Video. Cells are used as
// the CSV reader gives them (case kept); a missing column counts as the empty
// text. None of these can fail. Identifiers are not yet unique: the loader
// makes repeated ones unique.
namespace ListingRows {

// A row of national_resources.csv: uid "n:" + hash of "category|name".
Listing nationalRow(const CSV::Row &row);
// A row of state_resources.csv: uid "s:" + state + ":" + hash of seven cells.
Listing stateRow(const CSV::Row &row);
// A row of camping_parking_rules.csv; codes maps a state's full name to its code.
Listing parking(const CSV::Row &row, const QHash<QString, QString> &codes);
// A row of jobs_and_income.csv: uid "j:" + hash of the name.
Listing job(const CSV::Row &row);
// A row of video_library.csv: uid "v:" + hash of the url.
Video video(const CSV::Row &row);

} // namespace ListingRows
