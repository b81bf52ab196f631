#pragma once

#include "data/CSV.h"
#include "data/SourceFile.h"

#include <QMap>
#include <QString>

// What loading one data file gave: lets a person and the self-test see that
// every row arrived and how recent the file is.
struct FileReport
{
    SourceFile file;
    int csvRecords = 0;        // rows the CSV reader returned
    int imported = 0;          // rows of the listings table from this file
    int malformed = 0;         // rows the CSV reader counted as malformed
    int independentCount = 0;  // records counted straight from the text
    QMap<QString, int> confidence; // rows per confidence cell, exactly as written
    QString latestChecked;     // greatest retrieved_at text (ISO date)
    int unconfirmed = 0;       // set by the loader once all listings are known

    QString id() const { return file.rawValue(); }

    // Builds the report of one file from its table and its whole text;
    // unconfirmed stays 0. Cannot fail.
    static FileReport make(SourceFile file, const CSV::Table &table, const QString &text,
                           int imported);

    // Matches of the file's counting expression in its text: watch-page links
    // for the video file, "retrieved_at,confidence" pairs for the others.
    static int countRecords(SourceFile file, const QString &text);

    friend bool operator==(const FileReport &, const FileReport &) = default;
};
