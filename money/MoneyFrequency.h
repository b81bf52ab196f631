#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>

#include <optional>

// How often a Money Plan line comes or goes. A year counts as 365 days,
// 52 weeks or 12 months.
class MoneyFrequency
{
public:
    enum Case {
        day,   // "day"
        week,  // "week"
        month, // "month"
    };

    constexpr MoneyFrequency(Case c) : m_case(c) {}

    // Exactly one of the raw values (case-sensitive), else none.
    static std::optional<MoneyFrequency> fromRawValue(const QString &text);
    static const QList<MoneyFrequency> &allCases();

    constexpr Case value() const { return m_case; }
    QString rawValue() const;
    QString id() const { return rawValue(); }
    // 365, 52 or 12.
    int perYear() const;
    // "Each day": the choice in the add form and the report's "How often".
    QString title() const;
    // "a day": the words after an amount in an entry row.
    QString shortText() const;

    friend constexpr bool operator==(MoneyFrequency, MoneyFrequency) = default;

private:
    Case m_case;
};

inline size_t qHash(MoneyFrequency f, size_t seed = 0)
{
    return qHash(int(f.value()), seed);
}
