#include "money/MoneyCategory.h"

namespace {

const MoneyCategory::Row *find(MoneyKind kind, const QString &id)
{
    for (const MoneyCategory::Row &row : MoneyCategory::list(kind)) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

} // namespace

const QList<MoneyCategory::Row> &MoneyCategory::income()
{
    static const QList<Row> rows{
        {QStringLiteral("job"), QStringLiteral("Job"), QStringLiteral("briefcase.fill")},
        {QStringLiteral("gig"), QStringLiteral("Gig work"), QStringLiteral("bolt.fill")},
        {QStringLiteral("benefits"), QStringLiteral("Benefits"), QStringLiteral("building.columns.fill")},
        {QStringLiteral("other"), QStringLiteral("Other income"), QStringLiteral("plus.circle.fill")},
    };
    return rows;
}

const QList<MoneyCategory::Row> &MoneyCategory::expense()
{
    static const QList<Row> rows{
        {QStringLiteral("food"), QStringLiteral("Food"), QStringLiteral("fork.knife")},
        {QStringLiteral("fuel"), QStringLiteral("Fuel & transit"), QStringLiteral("fuelpump.fill")},
        {QStringLiteral("phone"), QStringLiteral("Phone"), QStringLiteral("iphone")},
        {QStringLiteral("storage"), QStringLiteral("Storage"), QStringLiteral("shippingbox.fill")},
        {QStringLiteral("laundry"), QStringLiteral("Laundry"), QStringLiteral("washer.fill")},
        {QStringLiteral("hygiene"), QStringLiteral("Hygiene"), QStringLiteral("shower.fill")},
        {QStringLiteral("campsite"), QStringLiteral("Campsite & shelter fees"), QStringLiteral("tent.fill")},
        {QStringLiteral("vehicle"), QStringLiteral("Vehicle"), QStringLiteral("car.fill")},
        {QStringLiteral("other"), QStringLiteral("Other"), QStringLiteral("ellipsis.circle.fill")},
    };
    return rows;
}

const QList<MoneyCategory::Row> &MoneyCategory::list(MoneyKind kind)
{
    return kind == MoneyKind::income ? income() : expense();
}

QString MoneyCategory::title(MoneyKind kind, const QString &id)
{
    const Row *row = find(kind, id);
    return row ? row->title : QStringLiteral("Other");
}

QString MoneyCategory::icon(MoneyKind kind, const QString &id)
{
    const Row *row = find(kind, id);
    return row ? row->icon : QStringLiteral("circle.fill");
}
