#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Reads the comma-separated data files. It never fails: odd rows are kept and
// counted, an unterminated quote runs to the end of the text.
namespace CSV {

// One data row, keyed by header name, each cell trimmed of white space.
// A column the row lacks is absent.
using Row = QHash<QString, QString>;

struct Table
{
    QStringList header;  // first row, each name trimmed of spaces and tabs
    QList<Row> rows;     // one per data row, in file order
    int malformed = 0;   // data rows whose cell count differs from the header's
};

// Cuts the text into rows of raw cells (quotes removed, nothing trimmed);
// rows that are a single empty cell are dropped.
QList<QStringList> parse(const QString &text);

// Parses the text and maps every later row onto the first row's names.
Table table(const QString &text);

// A row's cell, or the empty text when the column is missing.
inline QString cell(const Row &row, const QString &column)
{
    return row.value(column);
}

} // namespace CSV
