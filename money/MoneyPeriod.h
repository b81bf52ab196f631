#pragma once

#include "money/MoneyFrequency.h"

#include <QHashFunctions>
#include <QList>
#include <QString>

#include <optional>

// The period in which the Money Plan shows its totals: a week or a month.
class MoneyPeriod
{
public:
    enum Case {
        week,  // "week"
        month, // "month"
    };

    constexpr MoneyPeriod(Case c) : m_case(c) {}

    // "week" or "month" exactly, else none ("day" is no period).
    static std::optional<MoneyPeriod> fromRawValue(const QString &text);
    static const QList<MoneyPeriod> &allCases();

    constexpr Case value() const { return m_case; }
    QString rawValue() const;
    QString id() const { return rawValue(); }
    // "Each week" or "Each month".
    QString title() const;
    MoneyFrequency frequency() const;
    // What a yearly figure is divided by: 52 or 12.
    int divisor() const { return frequency().perYear(); }

    friend constexpr bool operator==(MoneyPeriod, MoneyPeriod) = default;

private:
    Case m_case;
};

inline size_t qHash(MoneyPeriod p, size_t seed = 0)
{
    return qHash(int(p.value()), seed);
}
