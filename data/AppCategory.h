#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The twelve help topics. The raw value is the display title
// ("Shelter & Parking"); there is no separate title.
class AppCategory
{
public:
    enum Case {
        food,
        shelter,
        showers,
        health,
        mental,
        phones,
        mail,
        jobs,
        startups,
        vehicle,
        legal,
        veterans,
    };

    constexpr AppCategory(Case c) : m_case(c) {}

    // The topic whose title equals text exactly (case-sensitive).
    static std::optional<AppCategory> fromRawValue(const QString &text);
    // All twelve in sidebar order, food first, veterans last.
    static const QList<AppCategory> &allCases();

    constexpr Case value() const { return m_case; }
    QString rawValue() const;
    QString id() const { return rawValue(); }
    QString icon() const;  // symbol name
    QString blurb() const;
    // Video category words whose videos the topic screen shows.
    QStringList videoCategories() const;

    friend constexpr bool operator==(AppCategory, AppCategory) = default;

private:
    Case m_case;
};

inline size_t qHash(AppCategory c, size_t seed = 0)
{
    return qHash(int(c.value()), seed);
}
