#pragma once

#include "money/MoneyEntry.h"
#include "money/MoneyKind.h"
#include "money/MoneyPeriod.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The whole Money Plan as one value, and every figure the screen, the tips
// and the report show of it. All figures are whole cents: each entry is made
// yearly (365, 52 or 12 times), then divided into weeks or months with
// halves away from zero, before any sum. Figures beyond 64 bits stick at
// the nearest limit instead of wrapping.
struct MoneyPlan
{
    struct CategoryTotal
    {
        QString id;
        QString title;
        qint64 cents = 0;

        friend bool operator==(const CategoryTotal &, const CategoryTotal &) = default;
    };

    QList<MoneyEntry> entries;   // in stored order (added, then id)
    QString name;
    qint64 cashOnHandCents = 0;
    QString goalName;
    qint64 goalCents = 0;
    qint64 savedCents = 0;

    // The entries of one kind, in plan order.
    QList<MoneyEntry> entriesOf(MoneyKind kind) const;
    // The entry's amount per week or month, rounded on its own.
    static qint64 amount(const MoneyEntry &entry, MoneyPeriod period);
    // The sum of the rounded amounts of one kind.
    qint64 total(MoneyKind kind, MoneyPeriod period) const;
    // Income minus spending; negative when more goes out.
    qint64 leftOver(MoneyPeriod period) const;
    // The exact yearly sum of one kind, unrounded.
    qint64 yearly(MoneyKind kind) const;
    // One item per table category with at least one entry, largest first,
    // equal totals in table order. Ids outside the table count in no item.
    QList<CategoryTotal> categoryTotals(MoneyKind kind, MoneyPeriod period) const;

    // Whole days the money on hand lasts at the yearly burn; none when
    // nothing burns (income covers spending), 0 with nothing on hand.
    std::optional<qint64> runwayDays() const;
    // from plus that many calendar days, counted in from's own time zone
    // when it has one, else in local time (a day across a daylight-saving
    // change is still one day). The time of day is kept; on a day whose
    // clocks skip it, the first minute after the skip: always a valid
    // moment. None without a runway or when the calendar has no such date.
    std::optional<QDateTime> runwayDate(const QDateTime &from) const;
    // One sentence: "83 days (around Jan 5, 2027)", or why there is no date.
    QString runwayText(const QDateTime &now = QDateTime::currentDateTime()) const;
    // The money runs out in fewer than 30 days (0 included): the screen and
    // the report show the runway as a warning. False when it does not run out.
    bool runwayIsShort() const;

    // Whole percent of the goal saved, 0 to 100; 0 without a goal.
    int savingsPercent() const;
    bool goalReached() const;
    // Cents still missing to the goal, never negative.
    qint64 stillToSave() const;
    // Weeks to the goal when the weekly left-over is saved; none without a
    // goal, when it is reached or when nothing is left over.
    std::optional<qint64> weeksToGoal() const;
    // One or two sentences about the savings goal.
    QString savingsText() const;
};
