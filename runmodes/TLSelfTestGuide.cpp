// The self-test's Survival Guide and video sections: the chapters, their
// sources and first-aid facts, the reading level, and the videos' links and
// play action with and without internet.

#include "runmodes/TLSelfTestSections.h"

#include "data/GuideContent.h"
#include "data/ReferenceData.h"
#include "runmodes/TLDataFigures.h"
#include "runmodes/TLTestRun.h"
#include "services/VideoActions.h"

#include <cmath>

namespace {

// The web domains the guide's first-aid chapter was checked against, and
// the start of every video link.
const QString kRedCross = QStringLiteral("redcross.org");
const QString kSamhsa = QStringLiteral("samhsa.gov");
const QString kYouTubeWatch = QStringLiteral("https://www.youtube.com/watch?v=");

const GuideChapter *chapter(int number)
{
    for (const GuideChapter &c : GuideContent::chapters()) {
        if (c.number == number)
            return &c;
    }
    return nullptr;
}

bool citesSource(const GuideChapter &c, const QString &domain, const QString &word = QString())
{
    for (const GuideSource &s : c.sources) {
        if (s.url.contains(domain) && s.url.contains(word))
            return true;
    }
    return false;
}

int shippedVideos()
{
    for (const TLDataFigures::File &f : TLDataFigures::files()) {
        if (f.fileName == SourceFile(SourceFile::videos).fileName())
            return f.rows;
    }
    return -1;
}

} // namespace

namespace TLSelfTest {

void guideChecks(Context &c)
{
    TLTestRun &run = c.run;
    const QList<GuideChapter> &chapters = GuideContent::chapters();

    run.check(QStringLiteral("13 chapters"), [&] {
        QList<int> numbers;
        for (const GuideChapter &ch : chapters)
            numbers << ch.number;
        return numbers == QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    });
    run.check(QStringLiteral("every chapter cites its sources (https links)"), [&] {
        for (const GuideChapter &ch : chapters) {
            if (ch.sources.isEmpty())
                return false;
            for (const GuideSource &s : ch.sources) {
                if (!s.url.startsWith(QStringLiteral("https://")))
                    return false;
            }
        }
        return true;
    });

    const GuideChapter *seven = chapter(7);
    run.check(seven && citesSource(*seven, kRedCross, QStringLiteral("bleeding"))
                  && citesSource(*seven, kRedCross, QStringLiteral("choking")) && citesSource(*seven, kSamhsa),
              QStringLiteral("chapter 7 cites the Red Cross (bleeding, choking) and SAMHSA (overdose) pages it was "
                             "checked against"));
    run.check(QStringLiteral("chapter 7 has the checked 911 thresholds and steps for bleeding, choking and overdose"),
              [&] {
                  if (!seven)
                      return false;
                  const QString text = seven->plainText();
                  for (const char *phrase : {"half a soda can", "5 firm back blows", "5 belly thrusts",
                                             "unresponsive and not breathing", "2 to 3 minutes", "at least 4 hours",
                                             "1-800-222-1222"}) {
                      if (!text.contains(QString::fromUtf8(phrase)))
                          return false;
                  }
                  return true;
              });

    QStringList texts;
    for (const GuideChapter &ch : chapters)
        texts << ch.plainText();
    const GuideContent::Grade grade = GuideContent::gradeLevel(texts.join(QLatin1Char('\n')));
    // A grade that is not a number fails.
    run.check(grade.grade <= 6.5,
              QString::asprintf("plain language: guide reads at about grade %.1f (%.1f words per sentence; target "
                                "about 5th grade)",
                                grade.grade, grade.wordsPerSentence));
}

void videoChecks(Context &c)
{
    TLTestRun &run = c.run;
    const QList<Video> &videos = c.data.videos();
    const int expected = shippedVideos();
    run.check(QStringLiteral("%1 checked videos, all YouTube links").arg(expected), [&] {
        if (videos.size() != expected)
            return false;
        for (const Video &v : videos) {
            if (!v.url.startsWith(kYouTubeWatch))
                return false;
        }
        return true;
    });
    if (videos.isEmpty())
        return;

    const Video &video = videos.first();
    run.check(QStringLiteral("offline: a video says \"Needs internet\" and does not try to open"), [&] {
        c.openedURLs.clear();
        return !VideoActions::play(video, false) && c.openedURLs.isEmpty()
            && VideoActions::label(false) == QStringLiteral("Needs internet");
    });
    run.check(QStringLiteral("online: the video opens"), [&] {
        return VideoActions::play(video, true) && c.openedURLs == QStringList{video.url};
    });
}

} // namespace TLSelfTest
