#pragma once
// The self-test ("--selftest"): checks the data, the stores, the exports, the
// look and the Money Plan in one window-less process, one PASS or FAIL line
// per check; and the child operations through which it proves that the
// stores survive a restart of the application.

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class QTextStream;
class ReferenceData;
class TLTestRun;

namespace TLSelfTest {

// What every section of one run works with.
struct Context
{
    TLTestRun &run;
    const ReferenceData &data;
    QString workFolder;        // removed with its files when the run ends
    QStringList &openedURLs;   // every URL the application asked to open
    QString dataFolder = {};   // where `data` was loaded from

    // A file of the work folder.
    QString file(const QString &name) const { return workFolder + QLatin1Char('/') + name; }
};

// One section: its title and its checks.
struct Section
{
    QString title;
    void (*checks)(Context &) = nullptr;
    // The checks of a section this build has only in part, when some are missing.
    QString missingChecks = {};
};

// The twelve sections in running order.
QList<Section> sections();

// Runs every section; prints the header, the lines of each section and the
// result line to `out`. Exit status: 0 when no check failed, else 1. Needs
// the application object.
int run(QTextStream &out);

// The child operation the arguments ask for ("--tl-child-fav-write PATH" and
// its siblings); its exit code, or none when no child option is there. Needs
// no application object.
std::optional<int> handleChild(const QStringList &arguments);

// Starts this executable with the arguments and waits however long it takes;
// the exit status (a crash is never 0; 99: no executable, 98: it did not
// start) and its standard output when that is valid UTF-8, else the empty text.
std::pair<int, QString> runChild(const QStringList &arguments);
// The same with another program (tests).
std::pair<int, QString> runChild(const QString &program, const QStringList &arguments);

} // namespace TLSelfTest
