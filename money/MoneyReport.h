#pragma once

#include "money/MoneyEntry.h"
#include "money/MoneyPlan.h"
#include "money/MoneyTip.h"

#include <QDateTime>
#include <QList>
#include <QString>

class ReferenceData;

// One Money Plan frozen for printing or saving: the plan, its tips for the
// chosen state, the state's name and the moment of making. Every date the
// report shows comes from `now`, never from the clock, so a report made
// twice from one value reads the same.
struct MoneyReport
{
    MoneyPlan plan;
    QList<MoneyTip> tips;   // at most five
    QString stateName;      // empty when no state is chosen
    QDateTime now;

    // The tips come from MoneyTips with a limit of five; the state's name
    // from the data, or the code itself without data.
    MoneyReport(const MoneyPlan &plan, const QString &state, const ReferenceData *data,
                const QDateTime &now = QDateTime::currentDateTime());

    // "MRBY Tenterly by Marrowby — " and the maker's web site: the last row
    // of the CSV and the foot of every PDF page.
    static QString footer();

    // "Money Plan", or "Money Plan — " and the plan's name.
    QString title() const;
    // "January 5, 2027" in local time, English month names.
    QString dateText() const;
    // "$14.00 a day = $98.27 a week · $425.83 a month".
    static QString entryLine(const MoneyEntry &entry);

    // One CSV cell: an apostrophe before a text that a spreadsheet would
    // take for a formula (unless it is a plain number, such as -12.50), then
    // quotes around a text holding a comma, quote or line break.
    static QString csvField(const QString &cell);
    // The report as rows of eight cells, before escaping.
    QList<QStringList> csvRows() const;
    // Every cell escaped, cells joined by ",", each row ended by "\n".
    QString csv() const;
};
