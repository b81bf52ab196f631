#include "money/MoneyActions.h"

#include "money/Log.h"
#include "money/MoneyStore.h"

namespace {

// Folds a store call into done or failed; the store keeps its plan on failure.
template <typename Write>
bool attempt(Write write)
{
    try {
        write();
        return true;
    } catch (const DBError &e) {
        qCWarning(lcMoney, "A change to the Money Plan was not saved: %s", e.what());
        return false;
    }
}

} // namespace

bool MoneyActions::add(MoneyKind kind, const QString &category, const QString &label, qint64 cents,
                       MoneyFrequency frequency, MoneyStore &store)
{
    if (cents < 1)
        return false;
    return attempt([&] { store.add(kind, category, label, cents, frequency); });
}

bool MoneyActions::remove(const QString &id, MoneyStore &store)
{
    return attempt([&] { store.remove(id); });
}

bool MoneyActions::setCash(qint64 cents, MoneyStore &store)
{
    if (cents < 0)
        return false;
    return attempt([&] { store.setCash(cents); });
}

bool MoneyActions::setName(const QString &name, MoneyStore &store)
{
    return attempt([&] { store.setName(name); });
}

bool MoneyActions::setGoal(const QString &name, qint64 cents, qint64 saved, MoneyStore &store)
{
    if (cents < 0 || saved < 0)
        return false;
    return attempt([&] { store.setGoal(name, cents, saved); });
}
