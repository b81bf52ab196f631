#pragma once

#include "money/MoneyKind.h"

#include <QList>
#include <QString>

// The fixed category tables of the Money Plan. The id is what the plan file
// stores and the tips look up; the order is the add form's and breaks ties
// between equal spending totals. "other" stands in both tables with its own
// title, so a lookup always names the kind.
namespace MoneyCategory {

struct Row
{
    QString id;
    QString title;
    QString icon; // symbol name

    friend bool operator==(const Row &, const Row &) = default;
};

const QList<Row> &income();
const QList<Row> &expense();
const QList<Row> &list(MoneyKind kind);

// The row's title; "Other" when the kind's table has no such id (ids match
// case-sensitively).
QString title(MoneyKind kind, const QString &id);
// The row's icon; "circle.fill" when the kind's table has no such id.
QString icon(MoneyKind kind, const QString &id);

} // namespace MoneyCategory
