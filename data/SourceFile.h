#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>

#include <optional>

// The five data files. The raw value is the file's base name.
class SourceFile
{
public:
    enum Case {
        national, // "national_resources"
        state,    // "state_resources"
        parking,  // "camping_parking_rules"
        jobs,     // "jobs_and_income"
        videos,   // "video_library"
    };

    constexpr SourceFile(Case c) : m_case(c) {}

    // Exactly one of the five raw values, else none.
    static std::optional<SourceFile> fromRawValue(const QString &text);
    static const QList<SourceFile> &allCases();

    constexpr Case value() const { return m_case; }
    QString rawValue() const;
    QString id() const { return rawValue(); }
    QString fileName() const { return rawValue() + QStringLiteral(".csv"); }
    // The heading under which the data-checked screen lists the file.
    QString title() const;

    friend constexpr bool operator==(SourceFile, SourceFile) = default;

private:
    Case m_case;
};

inline size_t qHash(SourceFile f, size_t seed = 0)
{
    return qHash(f.rawValue(), seed);
}
