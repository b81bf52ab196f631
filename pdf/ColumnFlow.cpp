#include "pdf/ColumnFlow.h"

namespace {
// Layout arithmetic in doubles: a line that ends on the bottom edge fits.
constexpr double slack = 1e-6;
}

ColumnFlow flowColumns(const QList<FlowLine> &lines, double columnHeight, int maxColumns)
{
    ColumnFlow flow;
    if (maxColumns < 1)
        return flow;
    int column = 0;
    double y = 0;
    for (const FlowLine &line : lines) {
        if (y > 0 && y + line.height > columnHeight + slack) {
            ++column;
            y = 0;
        }
        if (column >= maxColumns)
            break;
        flow.places.append({column, y});
        y += line.height + line.gapAfter;
    }
    flow.columns = flow.places.isEmpty() ? 1 : flow.places.last().column + 1;
    return flow;
}

int pagesFor(int columns, int perPage)
{
    if (perPage < 1 || columns < 1)
        return 1;
    return (columns + perPage - 1) / perPage;
}
