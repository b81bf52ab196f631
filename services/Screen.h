#pragma once

#include "data/AppCategory.h"
#include "services/UrgentNeed.h"

#include <QHashFunctions>

// The screens of the main window. Two of them carry a payload: an urgent
// need or a help topic. Two screens are equal when they are the same case
// with equal payloads; the payload of the other cases is ignored.
class Screen
{
public:
    enum Case {
        urgent,      // one urgent need
        category,    // one of the twelve help topics
        home,
        search,
        myList,
        sheet,       // My Resources Sheet
        money,       // Money Plan
        guide,       // Survival Guide
        videos,
        dataChecked, // Data last checked
        display,     // Text size & display
    };

    constexpr Screen(Case c = home) : m_case(c) {}
    static constexpr Screen forNeed(UrgentNeed need) { return Screen(urgent, need, AppCategory::food); }
    static constexpr Screen forCategory(AppCategory topic) { return Screen(category, UrgentNeed::food, topic); }

    constexpr Case value() const { return m_case; }
    // The payloads; meaningful only for the urgent and category cases.
    std::optional<UrgentNeed> need() const;
    std::optional<AppCategory> topic() const;

    friend bool operator==(const Screen &a, const Screen &b);

private:
    constexpr Screen(Case c, UrgentNeed n, AppCategory t) : m_case(c), m_need(n), m_topic(t) {}

    Case m_case;
    UrgentNeed m_need = UrgentNeed::food;
    AppCategory m_topic = AppCategory::food;
};

size_t qHash(const Screen &s, size_t seed = 0);
