#include "data/SourceFile.h"

#include "data/RawValue.h"

std::optional<SourceFile> SourceFile::fromRawValue(const QString &text)
{
    return caseWithRawValue<SourceFile>(text);
}

const QList<SourceFile> &SourceFile::allCases()
{
    static const QList<SourceFile> all{national, state, parking, jobs, videos};
    return all;
}

QString SourceFile::rawValue() const
{
    switch (m_case) {
    case national: return QStringLiteral("national_resources");
    case state: return QStringLiteral("state_resources");
    case parking: return QStringLiteral("camping_parking_rules");
    case jobs: return QStringLiteral("jobs_and_income");
    case videos: return QStringLiteral("video_library");
    }
    return {};
}

QString SourceFile::title() const
{
    switch (m_case) {
    case national: return QStringLiteral("Nationwide help (crisis lines, food, health, ID, jobs\u2026)");
    case state:
        return QStringLiteral("State help (211, SNAP, Medicaid, unemployment, homeless contacts, food banks)");
    case parking: return QStringLiteral("Parking and camping rules");
    case jobs: return QStringLiteral("Jobs and ways to earn");
    case videos: return QStringLiteral("Video library");
    }
    return {};
}
