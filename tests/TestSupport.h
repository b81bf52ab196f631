#pragma once
// Small helpers shared by the test programs.

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTimer>

#include <time.h>

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

// The processor time the calling thread has used, in nanoseconds: unlike
// the wall clock, it does not run on while another program holds the core.
inline qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Runs the event loop until `look()` has given the same value for `turns`
// turns in a row, so work done over many turns (a page laid out in steps,
// rows made in slices) is done. A turn ends with a timer of 2 ms, after the
// events posted before it and the shorter timers. Counted in turns, not in
// milliseconds, so a busy machine gets as long as it needs; false when it
// never settles.
template<typename Look>
bool settle(Look look, int turns = 10)
{
    auto last = look();
    for (int same = 0, n = 0; same < turns; ++n) {
        if (n == 3000)
            return false;
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
        auto now = look();
        same = now == last ? same + 1 : 0;
        last = std::move(now);
    }
    return true;
}

} // namespace testsupport
