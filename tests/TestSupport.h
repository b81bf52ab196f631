#pragma once
// Small helpers shared by the test programs.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace testsupport {

// The source tree and the build tree, as CMake saw them.
inline QString sourceDir() { return QStringLiteral(TL_SOURCE_DIR); }
inline QString buildDir() { return QStringLiteral(TL_BUILD_DIR); }

// Writes text to a file as UTF-8, creating its folder; returns false on failure.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

// Writes the five files of a data folder; returns false on the first failure.
inline bool writeDataFiles(const QString &folder, const QByteArray &national, const QByteArray &state,
                           const QByteArray &parking, const QByteArray &jobs, const QByteArray &videos)
{
    return writeFile(folder + QStringLiteral("/national_resources.csv"), national)
        && writeFile(folder + QStringLiteral("/state_resources.csv"), state)
        && writeFile(folder + QStringLiteral("/camping_parking_rules.csv"), parking)
        && writeFile(folder + QStringLiteral("/jobs_and_income.csv"), jobs)
        && writeFile(folder + QStringLiteral("/video_library.csv"), videos);
}

} // namespace testsupport
