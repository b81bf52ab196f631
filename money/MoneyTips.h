#pragma once

#include "money/MoneyPlan.h"
#include "money/MoneyTip.h"

#include <QList>
#include <QString>

class ReferenceData;

// Short advice for the kinds of spending that cost the most, each with help
// listings of the chosen state. Pure: reads the plan's entries and the
// reference data, keeps and writes nothing.
namespace MoneyTips {

struct Text
{
    QString key;   // an expense category id, or "income"
    QString title;
    QString text;
};

// The nine tips' texts, in their fixed order.
const QList<Text> &texts();

// At most limit tips: the plan's spending categories by monthly total,
// largest first (food, hygiene and phone when it has none), with "Bring in
// more money" second when the plan has no benefits line, no income, or
// spends more than comes in. No reference data gives no tips; an empty
// state leaves out the state's listings.
QList<MoneyTip> tips(const MoneyPlan &plan, const QString &state, const ReferenceData *data,
                     int limit = 5);

} // namespace MoneyTips
