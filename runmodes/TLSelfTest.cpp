#include "runmodes/TLSelfTest.h"

#include "data/Badges.h"
#include "data/ReferenceData.h"
#include "runmodes/TLSelfTestSections.h"
#include "runmodes/TLTestRun.h"
#include "services/Opener.h"
#include "services/TLInfo.h"

#include <QDateTime>
#include <QDir>
#include <QPdfDocument>
#include <QTextStream>
#include <QUuid>

#include <exception>
#include <memory>

namespace {

// Creates a fresh folder under the temporary folder and removes it, with
// everything in it, however the run ends.
class WorkFolder final
{
public:
    WorkFolder()
        : path(QDir::tempPath() + QStringLiteral("/tl-selftest-")
               + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper())
    {
        QDir().mkpath(path); // a failure shows in the checks that write here
    }
    ~WorkFolder() { QDir(path).removeRecursively(); }
    WorkFolder(const WorkFolder &) = delete;
    WorkFolder &operator=(const WorkFolder &) = delete;

    const QString path;
};

QString header(const QString &mutation)
{
    QString line = TLInfo::appName + QStringLiteral(" self-test \u2014 ")
        + QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    if (!mutation.isEmpty())
        line += QStringLiteral(" \u2014 MUTATION \"") + mutation + QStringLiteral("\": failures are EXPECTED");
    return line;
}

// One line naming the checks left out of the run, so a short run is never
// mistaken for a whole one.
std::optional<QString> missingLine(const QList<TLSelfTest::Section> &sections)
{
    QStringList checks;
    for (const TLSelfTest::Section &s : sections) {
        if (!s.missingChecks.isEmpty())
            checks << s.missingChecks;
    }
    if (checks.isEmpty())
        return std::nullopt;
    return QStringLiteral("NOT YET  Not run: ") + checks.join(QStringLiteral("; ")) + QLatin1Char('.');
}

// Runs one section's checks. Each check guards its own work; this is the net
// for work between checks, which still must not end the run.
void runSection(const TLSelfTest::Section &section, TLSelfTest::Context &context)
{
    try {
        section.checks(context);
    } catch (const std::exception &e) {
        context.run.check(false, section.title + QStringLiteral(": stopped early (")
                                     + QString::fromUtf8(e.what()) + QLatin1Char(')'));
    } catch (...) {
        context.run.check(false, section.title + QStringLiteral(": stopped early"));
    }
}

} // namespace

namespace TLSelfTest {

QList<Section> sections()
{
    return {
        {QStringLiteral("Data: every CSV row imports and the counts match the source files"), dataChecks},
        {QStringLiteral("Search (SQLite FTS5)"), searchChecks, cprVideosMissing()},
        {QStringLiteral("Unconfirmed badge"), badgeChecks, failedWebsitesMissing()},
        {QStringLiteral("Emergency buttons and crisis lines"), emergencyChecks},
        {QStringLiteral("My List: kept across a restart"), myListChecks},
        {QStringLiteral("My Resources Sheet: print / PDF / web page / text"), sheetChecks},
        {QStringLiteral("Call / text buttons and \"Report a wrong listing\""), contactChecks},
        {QStringLiteral("Survival Guide"), guideChecks},
        {QStringLiteral("Videos"), videoChecks},
        {QStringLiteral("Look: warm theme, high contrast, large text, zoom"), lookChecks},
        {QStringLiteral("Help and wording rules"), helpChecks},
        {QStringLiteral("Money Plan: totals, weekly / monthly math, runway, savings, saving, PDF / CSV"),
         moneyPlanChecks},
    };
}

int run(QTextStream &out)
{
    const QString mutation = qEnvironmentVariable("TL_SELFTEST_MUTATE");
    if (mutation.contains(QStringLiteral("badge")))
        Badges::mutateForSelfTest = true;

    // Nothing reaches the desktop from here on; the recorder stays for the
    // rest of the process, so the list outlives the run.
    auto opened = std::make_shared<QStringList>();
    Opener::replace([opened](const QString &url) { opened->append(url); });

    TLTestRun run(out);
    run.print(header(mutation));
    const WorkFolder work;

    const QList<Section> all = sections();
    if (const std::optional<QString> line = missingLine(all))
        run.print(*line);

    // The first section loads the data every later one uses.
    const Section &first = all.constFirst();
    run.begin(first.title);
    const QString folder = ReferenceData::bundledDataFolder();
    std::unique_ptr<ReferenceData> data;
    try {
        data = std::make_unique<ReferenceData>(folder);
    } catch (...) {
        run.check(false, QStringLiteral("bundled data loads from ") + folder);
        return run.finish();
    }

    Context context{run, *data, work.path, *opened, folder};
    for (qsizetype i = 0; i < all.size(); ++i) {
        const Section &section = all.at(i);
        if (i > 0)
            run.begin(section.title);
        runSection(section, context);
    }
    return run.finish();
}

PdfRead readPdf(const QString &path)
{
    PdfRead read;
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None)
        return read;
    read.opened = true;
    read.pages = pdf.pageCount();
    for (int p = 0; p < read.pages; ++p)
        read.text += pdf.getAllText(p).text() + QLatin1Char(' ');
    // A phrase may wrap where a column ends.
    read.text = read.text.simplified();
    return read;
}

} // namespace TLSelfTest
