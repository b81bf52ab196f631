#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>

#include <optional>

// The five urgent needs of the home screen's "I need help right now".
// The raw value is the lower-case word that identifies the need.
class UrgentNeed
{
public:
    enum Case {
        food,     // "food"
        shelter,  // "shelter"
        parking,  // "parking"
        medical,  // "medical"
        talk,     // "talk"
    };

    constexpr UrgentNeed(Case c) : m_case(c) {}

    // Exactly one of the five raw values (case-sensitive), else none.
    static std::optional<UrgentNeed> fromRawValue(const QString &text);
    // All five in home-screen order.
    static const QList<UrgentNeed> &allCases();

    constexpr Case value() const { return m_case; }
    QString rawValue() const;
    QString id() const { return rawValue(); }
    QString title() const;
    QString icon() const;  // symbol name
    QString intro() const;

    friend constexpr bool operator==(UrgentNeed, UrgentNeed) = default;

private:
    Case m_case;
};

inline size_t qHash(UrgentNeed n, size_t seed = 0)
{
    return qHash(int(n.value()), seed);
}
