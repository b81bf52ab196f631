#pragma once
// An app model on the small test data folder with its own My List and Money
// Plan files, and the example plan written into its store.

#include "services/AppFixture.h"

#include "money/MoneyStore.h"
#include "services/AppModel.h"

#include <memory>

namespace moneyui {

inline std::unique_ptr<AppModel> makeModel(const QString &dir, const QString &dataFolder = QString())
{
    const QString data = dataFolder.isEmpty() ? dir + QStringLiteral("/data") : dataFolder;
    if (dataFolder.isEmpty() && !appfixture::writeDataFolder(data))
        return nullptr;
    return std::make_unique<AppModel>(data, dir + QStringLiteral("/my-list.sqlite"),
                                      dir + QStringLiteral("/money-plan.sqlite"));
}

// Kim's example plan, line by line, as the example mode writes it.
inline void fillExample(MoneyStore &store)
{
    using F = MoneyFrequency;
    const auto in = MoneyKind::income;
    const auto out = MoneyKind::expense;
    store.setName(QStringLiteral("Kim T. (example)"));
    store.setCash(18640);
    store.add(in, QStringLiteral("job"), QStringLiteral("Dishwasher shifts (part-time)"), 10000, F::week);
    store.add(in, QStringLiteral("gig"), QStringLiteral("Food delivery"), 9000, F::week);
    store.add(in, QStringLiteral("benefits"), QStringLiteral("SNAP (food money on EBT)"), 29200, F::month);
    store.add(out, QStringLiteral("food"), QStringLiteral("Groceries and meals"), 1400, F::day);
    store.add(out, QStringLiteral("fuel"), QStringLiteral("Gas"), 7000, F::week);
    store.add(out, QStringLiteral("phone"), QStringLiteral("Prepaid phone plan"), 3000, F::month);
    store.add(out, QStringLiteral("storage"), QStringLiteral("Small storage unit"), 6500, F::month);
    store.add(out, QStringLiteral("laundry"), QStringLiteral("Laundromat"), 900, F::week);
    store.add(out, QStringLiteral("hygiene"), QStringLiteral("Gym membership (showers)"), 1500, F::month);
    store.add(out, QStringLiteral("campsite"), QStringLiteral("Campground fees"), 2500, F::week);
    store.add(out, QStringLiteral("vehicle"), QStringLiteral("Car insurance"), 11000, F::month);
    store.add(out, QStringLiteral("other"), QStringLiteral("Toiletries and small things"), 2000, F::week);
    store.setGoal(QStringLiteral("Deposit for a room"), 60000, 8500);
}

} // namespace moneyui
