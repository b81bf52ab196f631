#pragma once

#include "money/MoneyFrequency.h"
#include "money/MoneyKind.h"

#include <QHashFunctions>
#include <QString>

// One line of the Money Plan: an amount in cents that comes in or goes out
// so often. Taken as given; the store trims the label and the edit commands
// check the amount. Equality is over all seven fields.
struct MoneyEntry
{
    QString id;              // upper-case UUID text, fixed once made
    MoneyKind kind = MoneyKind::expense;
    QString category;        // an id of the kind's table; others show as "Other"
    QString label;           // may be empty
    qint64 cents = 0;        // each time
    MoneyFrequency frequency = MoneyFrequency::month;
    double added = 0;        // seconds since 1970 (UTC); orders the lines

    // cents times 365, 52 or 12, exact; stuck at the 64-bit limit beyond it.
    qint64 yearlyCents() const;
    QString categoryTitle() const;
    // The label, or the category's title when there is none.
    QString displayLabel() const;

    friend bool operator==(const MoneyEntry &, const MoneyEntry &) = default;
};

inline size_t qHash(const MoneyEntry &e, size_t seed = 0)
{
    return qHashMulti(seed, e.id, e.kind, e.category, e.label, e.cents, e.frequency, e.added);
}
