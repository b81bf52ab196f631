#pragma once

#include "money/MoneyFrequency.h"
#include "money/MoneyKind.h"

#include <QString>

class MoneyStore;

// The one way the Money Plan screen changes the plan: each command refuses
// values the store would take blindly, calls the store, and answers true
// when the change was written, false when refused or when the write failed
// (the screen then beeps). Nothing is written when a value is refused.
namespace MoneyActions {

// Refuses less than one cent.
bool add(MoneyKind kind, const QString &category, const QString &label, qint64 cents,
         MoneyFrequency frequency, MoneyStore &store);
bool remove(const QString &id, MoneyStore &store);
// Refuses a negative amount; 0 is allowed.
bool setCash(qint64 cents, MoneyStore &store);
// Never refuses: an empty name clears it.
bool setName(const QString &name, MoneyStore &store);
// Refuses a negative goal or saved amount; a goal of 0 means no goal.
bool setGoal(const QString &name, qint64 cents, qint64 saved, MoneyStore &store);

} // namespace MoneyActions
