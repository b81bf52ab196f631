#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>

#include <optional>

// Whether a Money Plan line is money coming in or going out. The raw value
// is the word stored in the plan file.
class MoneyKind
{
public:
    enum Case {
        income,  // "income"
        expense, // "expense"
    };

    constexpr MoneyKind(Case c) : m_case(c) {}

    // Exactly one of the raw values (case-sensitive), else none.
    static std::optional<MoneyKind> fromRawValue(const QString &text);
    static const QList<MoneyKind> &allCases();

    constexpr Case value() const { return m_case; }
    QString rawValue() const;

    friend constexpr bool operator==(MoneyKind, MoneyKind) = default;

private:
    Case m_case;
};

inline size_t qHash(MoneyKind k, size_t seed = 0)
{
    return qHash(int(k.value()), seed);
}
