#pragma once
// Pours lines of text into equal columns, top to bottom, one column after
// another: a line goes into the current column when its bottom stays within
// the column height, else it opens the next column. A line taller than a
// whole column still gets a column of its own (and is cut there). Lines that
// find no column within the limit are left out. Pure arithmetic.

#include <QList>

struct FlowLine
{
    double height = 0;   // the line itself
    double gapAfter = 0; // room below it when another line follows in its column
};

struct FlowPlace
{
    int column = 0;
    double y = 0;        // top of the line within its column
    friend bool operator==(const FlowPlace &, const FlowPlace &) = default;
};

struct ColumnFlow
{
    int columns = 1;          // columns holding at least one line; at least 1
    QList<FlowPlace> places;  // one per placed line, in order; a prefix of the lines
};

ColumnFlow flowColumns(const QList<FlowLine> &lines, double columnHeight, int maxColumns);

// Pages needed for `columns` columns at `perPage` columns a page (at least 1).
int pagesFor(int columns, int perPage);
