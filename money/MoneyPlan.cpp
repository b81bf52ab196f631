#include "money/MoneyPlan.h"

#include "money/Money.h"
#include "money/MoneyCategory.h"
#include "money/WideCents.h"

#include <QLocale>
#include <QTimeZone>

#include <algorithm>

using WideCents::Wide;
using WideCents::saturate;

namespace {

Wide wideAmount(const MoneyEntry &entry, MoneyPeriod period)
{
    return WideCents::divRound(Wide(entry.cents) * entry.frequency.perYear(), period.divisor());
}

Wide wideTotal(const QList<MoneyEntry> &entries, MoneyKind kind, MoneyPeriod period)
{
    Wide sum = 0;
    for (const MoneyEntry &e : entries) {
        if (e.kind == kind)
            sum += wideAmount(e, period);
    }
    return sum;
}

Wide wideYearly(const QList<MoneyEntry> &entries, MoneyKind kind)
{
    Wide sum = 0;
    for (const MoneyEntry &e : entries) {
        if (e.kind == kind)
            sum += Wide(e.cents) * e.frequency.perYear();
    }
    return sum;
}

Wide wideLeftOver(const QList<MoneyEntry> &entries, MoneyPeriod period)
{
    return wideTotal(entries, MoneyKind::income, period) - wideTotal(entries, MoneyKind::expense, period);
}

Wide wideStillToSave(qint64 goal, qint64 saved)
{
    return std::max<Wide>(Wide(goal) - std::max<qint64>(saved, 0), 0);
}

QString plural(qint64 n, const QString &word)
{
    return QString::number(n) + u' ' + word + (n == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

QList<MoneyEntry> MoneyPlan::entriesOf(MoneyKind kind) const
{
    QList<MoneyEntry> out;
    for (const MoneyEntry &e : entries) {
        if (e.kind == kind)
            out << e;
    }
    return out;
}

qint64 MoneyPlan::amount(const MoneyEntry &entry, MoneyPeriod period)
{
    return saturate(wideAmount(entry, period));
}

qint64 MoneyPlan::total(MoneyKind kind, MoneyPeriod period) const
{
    return saturate(wideTotal(entries, kind, period));
}

qint64 MoneyPlan::leftOver(MoneyPeriod period) const
{
    return saturate(wideLeftOver(entries, period));
}

qint64 MoneyPlan::yearly(MoneyKind kind) const
{
    return saturate(wideYearly(entries, kind));
}

QList<MoneyPlan::CategoryTotal> MoneyPlan::categoryTotals(MoneyKind kind, MoneyPeriod period) const
{
    QList<CategoryTotal> items;
    for (const MoneyCategory::Row &row : MoneyCategory::list(kind)) {
        bool found = false;
        Wide sum = 0;
        for (const MoneyEntry &e : entries) {
            if (e.kind == kind && e.category == row.id) {
                found = true;
                sum += wideAmount(e, period);
            }
        }
        if (found)
            items.append({row.id, row.title, saturate(sum)});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const CategoryTotal &a, const CategoryTotal &b) { return a.cents > b.cents; });
    return items;
}

std::optional<qint64> MoneyPlan::runwayDays() const
{
    const Wide burn = wideYearly(entries, MoneyKind::expense) - wideYearly(entries, MoneyKind::income);
    if (burn <= 0)
        return std::nullopt;
    if (cashOnHandCents <= 0)
        return 0;
    return saturate(Wide(cashOnHandCents) * 365 / burn);
}

namespace {

// The moment on the clock it is counted on: its own time zone when it was
// given in one, else local time.
QDateTime onOwnClock(const QDateTime &moment)
{
    return moment.timeSpec() == Qt::TimeZone ? moment : moment.toLocalTime();
}

QDateTime onClockOf(const QDateTime &clock, const QDate &date, const QTime &time)
{
    return clock.timeSpec() == Qt::TimeZone ? QDateTime(date, time, clock.timeZone())
                                            : QDateTime(date, time, Qt::LocalTime);
}

// `date` at `time` on the clock; when the clocks skip that time (they spring
// forward), the first minute after the skip, which is still that day.
QDateTime sameDayAt(const QDateTime &clock, const QDate &date, const QTime &time)
{
    QDateTime moment = onClockOf(clock, date, time);
    for (QTime t = time; !moment.isValid();) {
        const QTime next = t.addSecs(60);
        if (next < t)
            break; // the skip runs to the end of the day
        t = next;
        moment = onClockOf(clock, date, t);
    }
    if (moment.isValid())
        return moment;
    const auto startOf = [&](const QDate &day) {
        return clock.timeSpec() == Qt::TimeZone ? day.startOfDay(clock.timeZone()) : day.startOfDay(Qt::LocalTime);
    };
    // A day the zone left out altogether (a move across the date line) ends
    // where the next one starts.
    moment = startOf(date);
    return moment.isValid() ? moment : startOf(date.addDays(1));
}

} // namespace

std::optional<QDateTime> MoneyPlan::runwayDate(const QDateTime &from) const
{
    const std::optional<qint64> days = runwayDays();
    if (!days)
        return std::nullopt;
    // Calendar days on the date of that clock, the time of day kept; QDate
    // reports a sum beyond its range as invalid, where QDateTime::addDays wraps.
    const QDateTime start = onOwnClock(from);
    const QDate date = start.date().addDays(*days);
    if (!date.isValid())
        return std::nullopt;
    const QDateTime end = sameDayAt(start, date, start.time());
    if (!end.isValid())
        return std::nullopt;
    return end;
}

QString MoneyPlan::runwayText(const QDateTime &now) const
{
    const std::optional<qint64> days = runwayDays();
    if (!days) {
        return entries.isEmpty() ? QStringLiteral("Add what comes in and goes out to see this.")
                                 : QStringLiteral("Your money does not run out at this pace.");
    }
    if (*days == 0) {
        // Some money that lasts less than a day is not "no money on hand".
        return cashOnHandCents > 0
            ? QStringLiteral("0 days. You are spending more than comes in, and the money on hand will not last a full day.")
            : QStringLiteral("0 days. You are spending more than comes in, and there is no money on hand.");
    }
    const QDateTime date = runwayDate(now).value_or(onOwnClock(now));
    // The C locale's month names: fixed English whatever the user's locale.
    return plural(*days, QStringLiteral("day")) + QStringLiteral(" (around ")
        + QLocale::c().toString(date.date(), u"MMM d, yyyy") + u')';
}

bool MoneyPlan::runwayIsShort() const
{
    const std::optional<qint64> days = runwayDays();
    return days && *days < 30;
}

int MoneyPlan::savingsPercent() const
{
    if (goalCents <= 0)
        return 0;
    const Wide percent = Wide(std::max<qint64>(savedCents, 0)) * 100 / goalCents;
    return int(std::min<Wide>(percent, 100));
}

bool MoneyPlan::goalReached() const
{
    return goalCents > 0 && savedCents >= goalCents;
}

qint64 MoneyPlan::stillToSave() const
{
    return saturate(wideStillToSave(goalCents, savedCents));
}

std::optional<qint64> MoneyPlan::weeksToGoal() const
{
    if (goalCents < 1 || savedCents >= goalCents)
        return std::nullopt;
    const Wide perWeek = wideLeftOver(entries, MoneyPeriod::week);
    if (perWeek <= 0)
        return std::nullopt;
    return saturate((wideStillToSave(goalCents, savedCents) + perWeek - 1) / perWeek);
}

QString MoneyPlan::savingsText() const
{
    if (goalCents <= 0)
        return QStringLiteral("No savings goal yet.");
    QString text = Money::text(std::max<qint64>(savedCents, 0)) + QStringLiteral(" of ")
        + Money::text(goalCents) + QStringLiteral(" saved (") + QString::number(savingsPercent())
        + QStringLiteral("%).");
    if (savedCents >= goalCents)
        return text + QStringLiteral(" Goal reached. Well done.");
    if (const std::optional<qint64> weeks = weeksToGoal()) {
        return text + QStringLiteral(" About ") + plural(*weeks, QStringLiteral("week"))
            + QStringLiteral(" to go if you save what is left over each week.");
    }
    return text + u' ' + Money::text(stillToSave()) + QStringLiteral(" to go. Even a few dollars a week helps.");
}
