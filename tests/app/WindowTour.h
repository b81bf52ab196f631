#pragma once
// The main window on the shipped data, filled the way a person's would be
// (a state chosen, a search typed, three places saved with notes, a few
// Money Plan lines), and the screens a tour of it opens.

#include "app/ScreenHost.h"
#include "app/TLSetup.h"
#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/kit/Prefs.h"
#include "money/MoneyStore.h"
#include "screens/Page.h"
#include "services/AppModel.h"

#include <QMainWindow>
#include <QTest>

#include <memory>

namespace tour {

struct Stop
{
    const char *name;
    Screen screen;
};

inline const QList<Stop> &stops()
{
    static const QList<Stop> all = {
        {"home", Screen::home},
        {"urgent-food", Screen::forNeed(UrgentNeed::food)},
        {"urgent-medical", Screen::forNeed(UrgentNeed::medical)},
        {"topic-food", Screen::forCategory(AppCategory::food)},
        {"topic-shelter", Screen::forCategory(AppCategory::shelter)},
        {"search", Screen::search},
        {"my-list", Screen::myList},
        {"sheet", Screen::sheet},
        {"money", Screen::money},
        {"guide", Screen::guide},
        {"videos", Screen::videos},
        {"data-checked", Screen::dataChecked},
        {"display", Screen::display},
    };
    return all;
}

// Colorado, "food" typed, three Colorado listings saved (one with a long
// note), a Money Plan with money on hand and a line of each kind. Once.
inline AppModel &filledModel()
{
    AppModel &model = AppModel::shared();
    model.setStateCode(QStringLiteral("CO"));
    model.setSearchText(QStringLiteral("food"));
    FavoritesStore *list = model.favorites();
    if (list && list->items().isEmpty() && model.data()) {
        const QList<Listing> co = model.data()->stateListings(QStringLiteral("CO"), QStringLiteral("food_bank"));
        for (qsizetype i = 0; i < std::min<qsizetype>(3, co.size()); ++i)
            list->add(co.at(i).uid, co.at(i).name);
        if (!co.isEmpty())
            list->setNote(co.first().uid, QStringLiteral("Open Tuesday and Thursday mornings from nine; bring a bag "
                                                         "and an ID if you have one. Ask for Maria at the side door."));
    }
    MoneyStore *money = model.money();
    if (money && money->plan().entries.isEmpty()) {
        money->setCash(12'550);
        money->add(MoneyKind::income, QStringLiteral("gig"), QStringLiteral("Deliveries"), 32'000,
                   MoneyFrequency::week);
        money->add(MoneyKind::expense, QStringLiteral("food"), QStringLiteral("Groceries"), 9'000,
                   MoneyFrequency::week);
    }
    return model;
}

// Fresh settings, the application's look and the filled model; false
// without the shipped data.
inline bool start()
{
    Prefs::shared().clear();
    TLSetup::configure();
    return filledModel().data();
}

// The main window on `model`, showing `screen` at `size`, once laid out.
inline std::unique_ptr<QMainWindow> open(AppModel &model, const Screen &screen, QSize size)
{
    model.setScreen(screen);
    std::unique_ptr<QMainWindow> window(TLSetup::makeMainWindow(model));
    window->resize(size);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return nullptr;
    QTest::qWait(120);
    return window;
}

// The page the screen host shows now (the guide's chapter page for the guide).
inline Page *page(QMainWindow *window)
{
    auto *host = window->findChild<ScreenHost *>();
    if (!host || !host->current())
        return nullptr;
    const QList<Page *> pages = host->current()->findChildren<Page *>();
    return pages.isEmpty() ? nullptr : pages.last();
}

} // namespace tour
