#pragma once

#include "data/AppCategory.h"
#include "data/Listing.h"

#include <QList>
#include <QString>

#include <optional>

// One money-saving tip as shown: its key, heading and advice, the help
// listings under it and the help topic its card offers to open.
struct MoneyTip
{
    QString id;
    QString title;
    QString text;
    QList<Listing> listings;            // may be empty
    std::optional<AppCategory> topic;

    friend bool operator==(const MoneyTip &, const MoneyTip &) = default;
};
