// The self-test's sections 1 to 11: the real executable passes every check
// with the shipped data, the badge mutation fails exactly the checks that
// look at the badge, and changed data files fail the checks that compare
// with the files the application was built with.

#include "data/ReferenceData.h"
#include "runmodes/TLSelfTest.h"
#include "runmodes/TLSelfTestSections.h"
#include "runmodes/TLTestRun.h"
#include "services/Opener.h"

#include "RunBinary.h"
#include "TestSupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

const QString kData = testsupport::sourceDir() + QStringLiteral("/resources/data");

const QStringList kSectionTitles = {
    QStringLiteral("Data: every CSV row imports and the counts match the source files"),
    QStringLiteral("Search (SQLite FTS5)"),
    QStringLiteral("Unconfirmed badge"),
    QStringLiteral("Emergency buttons and crisis lines"),
    QStringLiteral("My List: kept across a restart"),
    QStringLiteral("My Resources Sheet: print / PDF / web page / text"),
    QStringLiteral("Call / text buttons and \"Report a wrong listing\""),
    QStringLiteral("Survival Guide"),
    QStringLiteral("Videos"),
    QStringLiteral("Look: warm theme, high contrast, large text, zoom"),
    QStringLiteral("Help and wording rules"),
    QStringLiteral("Money Plan: totals, weekly / monthly math, runway, savings, saving, PDF / CSV"),
};

// Data rows of a CSV file, counted here apart from the application's reader:
// line ends outside quotes, less the header line.
int records(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    bool quoted = false;
    bool content = false;
    int lines = 0;
    for (const char ch : f.readAll()) {
        if (ch == '"')
            quoted = !quoted;
        if (ch == '\n' && !quoted) {
            lines += content;
            content = false;
        } else {
            content = true;
        }
    }
    return lines + content - 1;
}

runbinary::Result selfTest(const QString &mutation = QString())
{
    return runbinary::run({QStringLiteral("--selftest")}, [&](QProcessEnvironment &env) {
        if (!mutation.isEmpty())
            env.insert(QStringLiteral("TL_SELFTEST_MUTATE"), mutation);
    });
}

QStringList checkNames(const QStringList &lines, const QString &word)
{
    QStringList names;
    for (const QString &line : lines) {
        if (line.startsWith(word + QStringLiteral("  ")))
            names << line.mid(word.size() + 2);
    }
    return names;
}

// The lines of some sections run in this process on the data of a folder.
QStringList runSections(const QString &dataFolder, const QList<void (*)(TLSelfTest::Context &)> &sections)
{
    const ReferenceData data(dataFolder);
    QTemporaryDir work;
    QString text;
    QTextStream out(&text);
    TLTestRun run(out);
    QStringList opened;
    // Nothing reaches the desktop, as in the real run.
    const Opener::Function desktop = Opener::replace([&](const QString &url) { opened << url; });
    TLSelfTest::Context context{run, data, work.path(), opened, dataFolder};
    for (const auto section : sections)
        section(context);
    Opener::replace(desktop);
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A copy of the shipped data with one text of one file replaced.
bool copyDataWith(const QString &folder, const QString &file, const QString &from, const QString &to)
{
    for (const QString &name : QDir(kData).entryList({QStringLiteral("*.csv")})) {
        QFile in(kData + QLatin1Char('/') + name);
        if (!in.open(QIODevice::ReadOnly))
            return false;
        QString text = QString::fromUtf8(in.readAll());
        if (name == file) {
            if (!text.contains(from))
                return false;
            text.replace(text.indexOf(from), from.size(), to);
        }
        if (!testsupport::writeFile(folder + QLatin1Char('/') + name, text.toUtf8()))
            return false;
    }
    return true;
}

} // namespace

class tst_SelfTestChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_plain = selfTest();
        m_mutated = selfTest(QStringLiteral("badge"));
        QVERIFY(!m_plain.crashed && !m_mutated.crashed);
    }

    void everySectionRunsAndPasses()
    {
        QCOMPARE(m_plain.code, 0);
        const QStringList lines = m_plain.lines();
        QStringList titles;
        for (const QString &line : lines) {
            if (line.startsWith(QStringLiteral("== ")))
                titles << line.mid(3);
        }
        QCOMPARE(titles, kSectionTitles);
        QCOMPARE(checkNames(lines, QStringLiteral("FAIL")), QStringList());
        // No section is empty: each title is followed by a check.
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            if (lines.at(i).startsWith(QStringLiteral("== ")))
                QVERIFY2(lines.at(i + 1).startsWith(QStringLiteral("PASS  ")), qPrintable(lines.at(i)));
        }
        const int passed = int(checkNames(lines, QStringLiteral("PASS")).size());
        QVERIFY(passed >= 110);
        QCOMPARE(lines.last(), QStringLiteral("RESULT: ALL %1 CHECKS PASSED").arg(passed));
    }

    void figuresAreThoseOfTheShippedFiles()
    {
        const QStringList passed = checkNames(m_plain.lines(), QStringLiteral("PASS"));
        for (const char *file : {"national_resources.csv", "state_resources.csv", "camping_parking_rules.csv",
                                 "jobs_and_income.csv", "video_library.csv"}) {
            const int n = records(kData + QLatin1Char('/') + QLatin1String(file));
            QVERIFY(n > 0);
            const QString line = QStringLiteral("%1: %2 imported = %2 CSV records = %2 counted straight from the "
                                                "file text (expected %2); 0 malformed")
                                     .arg(QLatin1String(file))
                                     .arg(n);
            QVERIFY2(passed.contains(line), qPrintable(line));
        }
        const int videos = records(kData + QStringLiteral("/video_library.csv"));
        QVERIFY(passed.contains(QStringLiteral("%1 checked videos, all YouTube links").arg(videos)));
    }

    void checksTheDataCannotFeedAreNamedNotRun()
    {
        const QStringList lines = m_plain.lines();
        const QString notYet = lines.filter(QRegularExpression(QStringLiteral("^NOT YET  "))).value(0);
        const QStringList made = checkNames(lines, QStringLiteral("PASS")) + checkNames(lines, QStringLiteral("FAIL"));

        QFile videos(kData + QStringLiteral("/video_library.csv"));
        QVERIFY(videos.open(QIODevice::ReadOnly));
        const bool cprVideo = QString::fromUtf8(videos.readAll()).contains(QStringLiteral("CPR"), Qt::CaseInsensitive);
        QCOMPARE(TLSelfTest::cprVideosMissing().isEmpty(), cprVideo);
        QCOMPARE(made.contains(QStringLiteral("\"CPR\" finds the CPR videos")), cprVideo);

        const bool failedRun =
            !made.filter(QRegularExpression(QStringLiteral("^rows whose website failed are unconfirmed"))).isEmpty();
        QCOMPARE(failedRun, TLSelfTest::failedWebsitesMissing().isEmpty());

        for (const QString &missing : {TLSelfTest::cprVideosMissing(), TLSelfTest::failedWebsitesMissing()})
            QVERIFY2(notYet.contains(missing), qPrintable(missing));
    }

    void badgeMutationFailsExactlyTheBadgeChecks()
    {
        QCOMPARE(m_mutated.code, 1);
        const QStringList failed = checkNames(m_mutated.lines(), QStringLiteral("FAIL"));
        const QList<QRegularExpression> badgeChecks = {
            QRegularExpression(QStringLiteral(
                "^\\d+ rows show \"Unconfirmed: call or check before you go\" \\(\\d+ nationwide \\+ \\d+ state "
                "\\+ \\d+ parking \\+ \\d+ jobs?\\): \\d+$")),
            QRegularExpression(QStringLiteral("^every needs-check row shows the badge$")),
            QRegularExpression(QStringLiteral(
                "^the \\d+ rest-area states from the 2021 private summary are all labelled unconfirmed \\(\\d+\\)$")),
            QRegularExpression(QStringLiteral("^Colorado's unconfirmed rest-area rule carries the badge on the sheet$")),
            QRegularExpression(QStringLiteral("^web page and text versions are written too$")),
        };
        QCOMPARE(failed.size(), badgeChecks.size());
        for (qsizetype i = 0; i < failed.size(); ++i)
            QVERIFY2(badgeChecks.at(i).match(failed.at(i)).hasMatch(), qPrintable(failed.at(i)));
        // No listing counts as unconfirmed.
        QVERIFY(failed.first().endsWith(QStringLiteral(": 0")));

        // Every other check passes in both runs.
        QStringList plain = checkNames(m_plain.lines(), QStringLiteral("PASS"));
        QStringList mutated = checkNames(m_mutated.lines(), QStringLiteral("PASS"));
        plain.removeIf([&](const QString &name) {
            for (const QRegularExpression &re : badgeChecks) {
                if (re.match(name).hasMatch())
                    return true;
            }
            return false;
        });
        QCOMPARE(mutated, plain);
    }

    void changedDataFailsItsChecks_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("failing"); // a part of each FAIL line, in order

        QTest::newRow("a video's short link")
            << "video_library.csv" << "https://www.youtube.com/watch?v=" << "https://youtu.be/"
            << QStringList{"video_library.csv: ", " checked videos, all YouTube links"};
        QTest::newRow("a checked row marked unconfirmed")
            << "jobs_and_income.csv" << ",verified-official\n" << ",needs-check\n"
            << QStringList{"jobs_and_income.csv: confidence counts match the notes file ",
                           " rows show \"Unconfirmed: call or check before you go\" "};
        QTest::newRow("an undated row")
            << "national_resources.csv" << ",2026-12-07,verified-official" << ",,verified-official"
            << QStringList{"national_resources.csv: ", "every listing and video shows "};
    }

    void changedDataFailsItsChecks()
    {
        QFETCH(QString, file);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, failing);
        QTemporaryDir dir;
        QVERIFY(copyDataWith(dir.path(), file, from, to));
        const QStringList lines =
            runSections(dir.path(), {TLSelfTest::dataChecks, TLSelfTest::searchChecks, TLSelfTest::badgeChecks,
                                     TLSelfTest::guideChecks, TLSelfTest::videoChecks});
        const QStringList failed = checkNames(lines, QStringLiteral("FAIL"));
        QCOMPARE(failed.size(), failing.size());
        for (qsizetype i = 0; i < failed.size(); ++i)
            QVERIFY2(failed.at(i).contains(failing.at(i)), qPrintable(failed.at(i)));
    }

    void workThatCannotBeWrittenFailsItsChecksAndGoesOn()
    {
        // Every file of the work folder lies below a regular file.
        QTemporaryDir dir;
        QVERIFY(testsupport::writeFile(dir.filePath(QStringLiteral("plain.txt")), "x"));
        const ReferenceData data(kData);
        QString text;
        QTextStream out(&text);
        TLTestRun run(out);
        QStringList opened;
        TLSelfTest::Context context{run, data, dir.filePath(QStringLiteral("plain.txt/work")), opened, kData};
        TLSelfTest::sheetChecks(context);
        TLSelfTest::contactChecks(context);
        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(checkNames(lines, QStringLiteral("FAIL")).first(), QStringLiteral("Colorado sheet is a one-page PDF"));
        QVERIFY(checkNames(lines, QStringLiteral("FAIL")).contains(QStringLiteral("a sheet with no state chosen still works")));
        // The contact checks need no file and still run.
        QCOMPARE(lines.last(), QStringLiteral("PASS  support address is the one the other MRBY apps and the website use"));
    }

private:
    runbinary::Result m_plain;
    runbinary::Result m_mutated;
};

QTEST_MAIN(tst_SelfTestChecks)
#include "tst_SelfTestChecks.moc"
