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

} // namespace testsupport
