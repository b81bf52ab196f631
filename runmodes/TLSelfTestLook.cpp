// The self-test's look and wording sections: the themes' contrast, the fixed
// button colours, zoom and text sizes; the help search and help texts, and
// the wording rules every text of the application keeps.

#include "runmodes/TLSelfTestSections.h"

#include "app/TLHelp.h"
#include "data/AppCategory.h"
#include "data/GuideContent.h"
#include "data/ReferenceData.h"
#include "look/app/TLStyle.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYKit.h"
#include "look/kit/MRBYThemes.h"
#include "money/MoneyReport.h"
#include "money/MoneyStore.h"
#include "money/MoneyTips.h"
#include "runmodes/TLDataFigures.h"
#include "runmodes/TLMoneyExample.h"
#include "runmodes/TLTestRun.h"
#include "screens/DataCheckedView.h"
#include "screens/ResourceSheet.h"
#include "services/EmergencyAction.h"
#include "services/TLInfo.h"
#include "services/UrgentNeed.h"

#include <QRegularExpression>

namespace {

using RGB = MRBYTheme::RGB;

double contrast(const RGB &a, const RGB &b)
{
    return RGB::contrast(a, b);
}

bool foundTopic(const QString &query, const QString &id)
{
    for (const MRBYHelpTopic &t : MRBYHelp::search(query)) {
        if (t.id == id)
            return true;
    }
    return false;
}

// The CSV of the example Money Plan's report, or none when its store cannot
// be opened or filled.
std::optional<QString> exampleReportCSV(const TLSelfTest::Context &c)
{
    try {
        MoneyStore store(c.file(QStringLiteral("wording-money.sqlite")));
        TLMoneyExample::fill(store);
        return MoneyReport(store.plan(), QStringLiteral("CO"), &c.data, QDateTime::currentDateTime()).csv();
    } catch (...) {
        return std::nullopt;
    }
}

// Every user-visible sentence source, one piece each, joined with line feeds.
QString wordingCorpus(const TLSelfTest::Context &c)
{
    QStringList pieces;
    for (const MRBYHelpTopic &t : TLHelp::topics())
        pieces << t.title + QLatin1Char('\n') + t.body;
    for (const GuideChapter &ch : GuideContent::chapters())
        pieces << ch.title + QLatin1Char('\n') + ch.body;
    pieces << ResourceSheet::footer() << TLInfo::creditLine << TLInfo::appName << MRBYKit::productName
           << GuideContent::disclaimer();
    for (const MoneyTips::Text &tip : MoneyTips::texts())
        pieces << tip.title + QLatin1Char('\n') + tip.text;
    pieces << MoneyReport::footer();
    if (const std::optional<QString> csv = exampleReportCSV(c))
        pieces << *csv;
    for (const EmergencyAction &a : EmergencyAction::allCases())
        pieces << a.followUp();
    for (const UrgentNeed &n : UrgentNeed::allCases())
        pieces << n.intro();
    for (const AppCategory &category : AppCategory::allCases())
        pieces << category.blurb();
    pieces << DataCheckedView::gaps();
    return pieces.join(QLatin1Char('\n'));
}

const QRegularExpression &freeWording()
{
    static const QRegularExpression re(
        QStringLiteral("\\b(app|version|update|upgrade|software|license)\\b[^.\\n]{0,25}\\bfree\\b"
                       "|\\bfree (version|edition|forever|upgrade|update|app|download)\\b|\\bbecomes? free\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

} // namespace

namespace TLSelfTest {

void lookChecks(Context &c)
{
    TLTestRun &run = c.run;
    MRBYThemes::registerThemes(TLThemes::extras());
    const QList<MRBYTheme> &extras = TLThemes::extras();

    run.check(QStringLiteral("Warm Sand, Evening Ember and High Contrast: text 7:1, secondary text 4.5:1"), [&] {
        for (const MRBYTheme &t : extras) {
            if (contrast(t.text, t.bg) < 7.0 || contrast(t.text, t.panelTop) < 7.0
                || contrast(t.dim, t.panelBottom) < 4.5)
                return false;
        }
        return true;
    });
    for (const MRBYTheme &t : extras) {
        if (t.id != TLThemes::highContrastID)
            continue;
        run.check(contrast(t.text, t.bg) >= 20.0 && contrast(t.accent, t.bg) >= 12.0,
                  QStringLiteral("High Contrast: white on black, yellow highlights"));
        break;
    }
    run.check(QStringLiteral("white text on the 911 / 988 / 211 buttons and badges is readable (4.5:1)"), [] {
        const RGB white(1.0, 1.0, 1.0);
        for (const RGB &fill : {RGB(0.69, 0.13, 0.11), RGB(0.13, 0.33, 0.62), RGB(0.13, 0.43, 0.20),
                                RGB(0.54, 0.29, 0.00), RGB(0.27, 0.33, 0.43)}) {
            if (contrast(white, fill) < 4.5)
                return false;
        }
        return true;
    });
    run.check(MRBYThemes::all().size() == 9 && MRBYThemes::builtIn().size() == 6,
              QStringLiteral("Avery's 6 themes + the 3 calm / accessible ones"));
    run.check(MBZoom::clamp(0.5) == 0.85 && MBZoom::clamp(3.0) == 2.0, QStringLiteral(u"interface zoom 85%–200%"));
    run.check(TLStyle::textSizeNames().size() == 3, QStringLiteral("three text sizes: Normal, Large, Extra large"));
}

void helpChecks(Context &c)
{
    TLTestRun &run = c.run;
    // The kit's help search covers the application's topics only once they
    // are installed, as the normal start does.
    MRBYKit::install(TLInfo::appName, TLHelp::topics(), {});
    const QList<MRBYHelpTopic> &topics = TLHelp::topics();

    run.check(QStringLiteral("help search: \"unconfirmed\" explains the badge"),
              [] { return foundTopic(QStringLiteral("unconfirmed"), QStringLiteral("badges")); });
    run.check(QStringLiteral("help search finds the emergency and print topics"), [] {
        return foundTopic(QStringLiteral("911"), QStringLiteral("emergency"))
            && foundTopic(QStringLiteral("print"), QStringLiteral("sheet"));
    });
    run.check(QStringLiteral("help has start-to-finish steps"), [&] {
        return !topics.isEmpty() && topics.first().id == QStringLiteral("start")
            && topics.first().body.contains(QStringLiteral("Step 8"));
    });
    run.check(QStringLiteral("help text has no stray formatting marks"), [&] {
        for (const MRBYHelpTopic &t : topics) {
            if (t.body.contains(QStringLiteral("**")))
                return false;
        }
        return true;
    });

    const QString corpus = wordingCorpus(c);
    run.check(QStringLiteral("no bare \"Marrowby\" anywhere (always MRBY / Marrowby)"), [&] {
        return !QString(corpus).remove(QStringLiteral("Marrowby")).contains(QStringLiteral("Marrowby"));
    });
    QStringList matched;
    for (auto it = freeWording().globalMatch(corpus); it.hasNext();)
        matched << it.next().captured(0);
    run.check(matched.isEmpty(),
              QStringLiteral("nothing says or hints the app could become free ") + quotedList(matched));

    run.check(QStringLiteral("\"Data last checked\" shows %1 for every file and the 10 known gaps")
                  .arg(TLDataFigures::latestCheckDay()),
              [&] {
                  if (TLInfo::dataCheckedISO != TLDataFigures::latestCheckDate())
                      return false;
                  for (const FileReport &r : c.data.reports()) {
                      if (r.latestChecked != TLInfo::dataCheckedISO)
                          return false;
                  }
                  return DataCheckedView::gaps().size() == 10;
              });
}

} // namespace TLSelfTest
