#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>

#include <optional>

// The four emergency actions of the emergency bar, in bar order.
// The raw value ("call911", …) is the action's id.
class EmergencyAction
{
public:
    enum Case {
        call911,
        call988,
        text988,
        call211,
    };

    constexpr EmergencyAction(Case c) : m_case(c) {}

    static std::optional<EmergencyAction> fromRawValue(const QString &text);
    // All four in bar order: call 911, call 988, text 988, call 211.
    static const QList<EmergencyAction> &allCases();

    constexpr Case value() const { return m_case; }
    QString rawValue() const;
    QString id() const { return rawValue(); }
    QString number() const;   // "911", "988", "211"
    QString title() const;    // "Call 911"
    QString subtitle() const; // "Emergency"
    QString icon() const;     // symbol name
    QString url() const;      // "tel:911", "sms:988", …
    // The sentence shown under the bar after a tap.
    QString followUp() const;

    // Hands url() to the Opener; always true.
    bool perform() const;

    friend constexpr bool operator==(EmergencyAction, EmergencyAction) = default;

private:
    Case m_case;
};

inline size_t qHash(EmergencyAction a, size_t seed = 0)
{
    return qHash(int(a.value()), seed);
}
