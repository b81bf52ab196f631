#pragma once
// The figures of the data files that ship with this build, counted from the
// files when it was built (tools/tl_datafigures): what the self-test expects
// of the data it loads.

#include <QList>
#include <QMap>
#include <QString>

#include <utility>

namespace TLDataFigures {

struct File
{
    QString fileName;              // "national_resources.csv"
    int rows = 0;                  // data rows, malformed ones included
    QMap<QString, int> confidence; // rows per confidence cell as written; none for the videos
    int unconfirmed = 0;           // rows whose confidence is none of the checked words
};

// National, state, parking, jobs, videos.
const QList<File> &files();
// State rows per category word.
const QMap<QString, int> &stateCategories();
// Listings whose publisher names the private rest-area summary (Boondockers).
int privateSummaryRows();
// Listings whose web address failed its check (a link status that starts
// with "broken" or "no-response").
int failedWebsiteRows();
// Videos whose title, topic or note names CPR.
int cprVideos();
// Every check date of the rows (ISO), earliest first, with its label
// ("Checked Dec 2026").
const QList<std::pair<QString, QString>> &checkLabels();
// The latest check date, as ISO and written out ("Dec 7, 2026").
QString latestCheckDate();
QString latestCheckDay();

} // namespace TLDataFigures
