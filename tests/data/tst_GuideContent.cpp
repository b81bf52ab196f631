#include "data/CSV.h"
#include "data/GuideContent.h"

#include "TestSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>

namespace {

const GuideChapter &chapter(int number)
{
    return GuideContent::chapters().at(number - 1);
}

QStringList linesWithMark(const QString &body, const QString &mark)
{
    QStringList found;
    for (const QString &line : body.split(u'\n')) {
        if (line.startsWith(mark))
            found << line.mid(mark.size());
    }
    return found;
}

// The guide's plain text as the self-test measures it.
QString wholeGuide()
{
    QStringList parts;
    for (const GuideChapter &c : GuideContent::chapters())
        parts << c.plainText();
    return parts.join(u'\n');
}

// Syllables of one word, read back from the grade of "a <word>.": two
// words, one sentence, so Y = (grade + 15.59 - 0.78) * 2 / 11.8.
int syllablesOf(const QString &word)
{
    const auto g = GuideContent::gradeLevel(QStringLiteral("a ") + word + u'.');
    return int(std::lround((g.grade + 15.59 - 0.39 * 2) * 2 / 11.8)) - 1;
}

} // namespace

class tst_GuideContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chaptersAreNumberedOneToThirteen();
    void chapterShape_data();
    void chapterShape();
    void bodiesUseOnlyTheLightMarkup_data();
    void bodiesUseOnlyTheLightMarkup();
    void chapterSevenSources();
    void chapterSevenPhrases_data();
    void chapterSevenPhrases();
    void namedFacts_data();
    void namedFacts();
    void sourcesAreListedInTheSourceSheet();
    void everyChapterReadsAtAboutFifthGrade_data();
    void everyChapterReadsAtAboutFifthGrade();
    void wholeGuideReadsAtAboutFifthGrade();
    void wordingRules();
    void plainText_data();
    void plainText();
    void gradeLevelCounts_data();
    void gradeLevelCounts();
    void syllables_data();
    void syllables();
    void disclaimer();
};

void tst_GuideContent::chaptersAreNumberedOneToThirteen()
{
    const QList<GuideChapter> &all = GuideContent::chapters();
    QCOMPARE(all.size(), 13);
    for (int i = 0; i < all.size(); ++i) {
        QCOMPARE(all.at(i).number, i + 1);
        QCOMPARE(all.at(i).id(), all.at(i).number);
    }
    // Built once and shared.
    QCOMPARE(&GuideContent::chapters(), &all);
}

void tst_GuideContent::chapterShape_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<int>("sources");
    QTest::addColumn<int>("bytes");

    const QStringList none;
    QTest::newRow("1") << 1 << "You Are Not Alone: Your First Three Calls"
                       << QStringList{"Three calls that can help today", "Keep your numbers safe"}
                       << 0 << 3 << 717;
    QTest::newRow("2") << 2 << "Staying Safe Where You Sleep"
                       << QStringList{"Know the rules where you park",
                                      "Carbon monoxide: a hidden danger", "Stay in touch"}
                       << 1 << 4 << 1037;
    QTest::newRow("3") << 3 << "Staying Warm and Staying Cool"
                       << QStringList{"Cold: watch for hypothermia",
                                      "Heat: know the two kinds of heat sickness"}
                       << 1 << 2 << 906;
    QTest::newRow("4") << 4 << "Clean Water" << none << 0 << 1 << 487;
    QTest::newRow("5") << 5 << "Keeping Clean" << none << 0 << 4 << 535;
    QTest::newRow("6") << 6 << "Food When Money Is Gone" << none << 0 << 5 << 758;
    QTest::newRow("7") << 7 << "Health and First Aid: When to Call 911"
                       << QStringList{"Call 911 right away for:", "Bad bleeding", "Choking",
                                      "Opioid overdose", "Not sure? Call Poison Help",
                                      "Everyday care"}
                       << 0 << 8 << 3126;
    QTest::newRow("8") << 8 << "Taking Care of Your Mind" << none << 0 << 4 << 459;
    QTest::newRow("9") << 9 << "Your Papers, ID and Mail" << none << 0 << 5 << 608;
    QTest::newRow("10") << 10 << "Taking Care of Your Vehicle on a Budget" << none << 0 << 3 << 590;
    QTest::newRow("11") << 11 << "If Police Stop You: Stay Calm, Know Your Rights" << none << 0
                        << 2 << 831;
    QTest::newRow("12") << 12 << "Making Money the Honest Way" << none << 0 << 3 << 454;
    QTest::newRow("13") << 13 << "Scams to Watch For" << none << 0 << 4 << 574;
}

void tst_GuideContent::chapterShape()
{
    QFETCH(int, number);
    QFETCH(QString, title);
    QFETCH(QStringList, headings);
    QFETCH(int, warnings);
    QFETCH(int, sources);
    QFETCH(int, bytes);

    const GuideChapter &c = chapter(number);
    QCOMPARE(c.title, title);
    QCOMPARE(linesWithMark(c.body, QStringLiteral("## ")), headings);
    QCOMPARE(linesWithMark(c.body, QStringLiteral("! ")).size(), warnings);
    QCOMPARE(c.sources.size(), sources);
    if (number != 7)
        QCOMPARE(c.checked, GuideChapter::defaultChecked());

    // About the planned length: a chapter cut short or doubled shows here.
    const qsizetype size = c.body.toUtf8().size();
    QVERIFY2(size > bytes * 0.75 && size < bytes * 1.25,
             qPrintable(QStringLiteral("%1 bytes, planned about %2").arg(size).arg(bytes)));

    // Every body opens with a paragraph.
    const QString first = c.body.section(u'\n', 0, 0);
    QVERIFY(!first.isEmpty());
    for (const char *mark : {"## ", "• ", "! "})
        QVERIFY(!first.startsWith(QString::fromUtf8(mark)));

    // Chapter 3 closes with its warning, chapter 1 with a paragraph.
    const QString last = c.body.section(u'\n', -1);
    if (number == 3)
        QVERIFY(last.startsWith(QStringLiteral("! ")));
    if (number == 1)
        QVERIFY(!last.startsWith(QStringLiteral("• ")) && !last.startsWith(QStringLiteral("## ")));

    // The one warning line sits under the second heading.
    if (warnings == 1) {
        const QStringList lines = c.body.split(u'\n');
        int heading = 0;
        for (const QString &line : lines) {
            if (line.startsWith(QStringLiteral("## ")))
                ++heading;
            if (line.startsWith(QStringLiteral("! ")))
                QCOMPARE(heading, 2);
        }
    }
}

void tst_GuideContent::bodiesUseOnlyTheLightMarkup_data()
{
    QTest::addColumn<int>("number");
    for (const GuideChapter &c : GuideContent::chapters())
        QTest::newRow(qPrintable(QString::number(c.number))) << c.number;
}

void tst_GuideContent::bodiesUseOnlyTheLightMarkup()
{
    QFETCH(int, number);
    const GuideChapter &c = chapter(number);
    static const QRegularExpression link(
        QStringLiteral(R"(https?:|www\.|\.(gov|org|com|net)\b|\]\(|<[a-z/])"),
        QRegularExpression::CaseInsensitiveOption);
    QVERIFY2(!link.match(c.body).hasMatch(), qPrintable(link.match(c.body).captured()));
    QVERIFY(!c.body.contains(u'\r'));
    QVERIFY(!c.body.endsWith(u'\n'));
    for (const QString &line : c.body.split(u'\n')) {
        QVERIFY2(line.count(QStringLiteral("**")) % 2 == 0, qPrintable(line));
        QVERIFY2(line == line.trimmed(), qPrintable(line));
        // No other inline marks: a single star or underscore would show as is.
        QVERIFY2(!QString(line).remove(QStringLiteral("**")).contains(u'*'), qPrintable(line));
        QVERIFY2(!line.contains(u'_') && !line.contains(u'`'), qPrintable(line));
    }
}

void tst_GuideContent::chapterSevenSources()
{
    const GuideChapter &c = chapter(7);
    QStringList titles;
    for (const GuideSource &s : c.sources)
        titles << s.title;
    QCOMPARE(titles, (QStringList{
        "American Red Cross, Life-Threatening External Bleeding",
        "American Red Cross, Adult/Child Choking",
        "SAMHSA, Opioid Overdose Prevention Toolkit: Five Essential Steps for First Responders",
        "American Stroke Association, Stroke Symptoms",
        "American Heart Association, Heart Attack Warning Signs",
        "Epilepsy Foundation, Seizure First Aid",
        "HRSA, Poison Help",
        "HRSA, What Is a Health Center"}));
    QVERIFY(c.sources.at(0).url.contains(QStringLiteral("redcross.org")));
    QVERIFY(c.sources.at(0).url.contains(QStringLiteral("bleeding")));
    QVERIFY(c.sources.at(1).url.contains(QStringLiteral("redcross.org")));
    QVERIFY(c.sources.at(1).url.contains(QStringLiteral("choking")));
    QVERIFY(c.sources.at(2).url.contains(QStringLiteral("samhsa.gov")));
    QCOMPARE(c.checked,
             QStringLiteral("Checked Dec 2026 · bleeding, choking and overdose steps checked "
                            "against the Red Cross and SAMHSA on Dec 7, 2026"));
}

void tst_GuideContent::chapterSevenPhrases_data()
{
    QTest::addColumn<QString>("phrase");
    for (const char *p : {"half a soda can", "5 firm back blows", "5 belly thrusts",
                          "unresponsive and not breathing", "2 to 3 minutes",
                          "at least 4 hours", "1-800-222-1222",
                          "Someone is unresponsive and not breathing."})
        QTest::newRow(p) << QString::fromUtf8(p);
}

void tst_GuideContent::chapterSevenPhrases()
{
    QFETCH(QString, phrase);
    QVERIFY(chapter(7).plainText().contains(phrase));
}

void tst_GuideContent::namedFacts_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("1: 211") << 1 << "Dial 211";
    QTest::newRow("1: 988") << 1 << "Call or text 988";
    QTest::newRow("1: Veterans") << 1 << "Homeless Veterans";
    QTest::newRow("1: sheet") << 1 << "My Resources Sheet";
    QTest::newRow("2: carbon monoxide") << 2 << "carbon monoxide";
    QTest::newRow("2: 14 days") << 2 << "14 days";
    QTest::newRow("2: exhaust") << 2 << "exhaust once a year";
    QTest::newRow("3: 103") << 3 << "103°F";
    QTest::newRow("3: heat stroke") << 3 << "heat stroke";
    QTest::newRow("4: one minute") << 4 << "one full minute";
    QTest::newRow("4: bleach") << 4 << "plain household bleach";
    QTest::newRow("6: SNAP 2025") << 6 << "2025";
    QTest::newRow("6: hotline") << 6 << "National Hunger Hotline";
    QTest::newRow("7: points to chapter 3") << 7 << "Chapter 3";
    QTest::newRow("9: 30 days") << 9 << "30 days";
    QTest::newRow("10: grants") << 10 << "free car repair grants";
    QTest::newRow("13: ACP ended") << 13 << "ended";
    QTest::newRow("13: Lifeline") << 13 << "still active";
}

void tst_GuideContent::namedFacts()
{
    QFETCH(int, number);
    QFETCH(QString, phrase);
    QVERIFY2(chapter(number).plainText().contains(phrase, Qt::CaseInsensitive),
             qPrintable(phrase));
}

void tst_GuideContent::sourcesAreListedInTheSourceSheet()
{
    // The sheet of checked guide sources lives beside the project.
    const QString path = testsupport::sourceDir()
        + QStringLiteral("/../shared/data-sources/guide-sources/guide_sources.csv");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("the guide source sheet is not beside the project");
    const CSV::Table sheet = CSV::table(QString::fromUtf8(file.readAll()));
    QCOMPARE(sheet.malformed, 0);

    int cited = 0;
    for (const GuideChapter &c : GuideContent::chapters()) {
        QList<GuideSource> listed;
        for (const CSV::Row &row : sheet.rows) {
            if (CSV::cell(row, QStringLiteral("chapter")).trimmed() != QString::number(c.number))
                continue;
            const QString verdict = CSV::cell(row, QStringLiteral("verdict"));
            QVERIFY2(verdict == u"seen" || verdict == u"cited", qPrintable(verdict));
            listed << GuideSource{CSV::cell(row, QStringLiteral("title")),
                                  CSV::cell(row, QStringLiteral("url"))};
        }
        // Same sources, same order, nothing left out or added.
        QCOMPARE(c.sources, listed);
        for (const GuideSource &s : c.sources) {
            QVERIFY2(s.url.startsWith(QStringLiteral("https://")), qPrintable(s.url));
            QVERIFY(!s.title.trimmed().isEmpty());
            ++cited;
        }
    }
    QCOMPARE(cited, 48);
}

void tst_GuideContent::everyChapterReadsAtAboutFifthGrade_data()
{
    bodiesUseOnlyTheLightMarkup_data();
}

void tst_GuideContent::everyChapterReadsAtAboutFifthGrade()
{
    QFETCH(int, number);
    const auto g = GuideContent::gradeLevel(chapter(number).plainText());
    QVERIFY2(g.grade <= 6.5 && g.wordsPerSentence < 15,
             qPrintable(QStringLiteral("grade %1, %2 words per sentence")
                            .arg(g.grade, 0, 'f', 1).arg(g.wordsPerSentence, 0, 'f', 1)));
}

void tst_GuideContent::wholeGuideReadsAtAboutFifthGrade()
{
    const auto g = GuideContent::gradeLevel(wholeGuide());
    qInfo("plain language: guide reads at about grade %.1f (%.1f words per sentence; "
          "target about 5th grade)", g.grade, g.wordsPerSentence);
    QVERIFY(!std::isnan(g.grade));
    QVERIFY(g.grade > 0);
    QVERIFY(g.grade <= 6.5);
}

void tst_GuideContent::wordingRules()
{
    // The same rules the self-test applies to every text of the application.
    static const QRegularExpression freeHint(
        QStringLiteral(R"(\b(app|version|update|upgrade|software|license)\b[^.\n]{0,25}\bfree\b)"
                       R"(|\bfree (version|edition|forever|upgrade|update|app|download)\b)"
                       R"(|\bbecomes? free\b)"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList corpus;
    for (const GuideChapter &c : GuideContent::chapters())
        corpus << c.title + u'\n' + c.body;
    corpus << GuideContent::disclaimer();
    const QString text = corpus.join(u'\n');
    QVERIFY2(!freeHint.match(text).hasMatch(), qPrintable(freeHint.match(text).captured()));
    QVERIFY(!text.contains(QStringLiteral("Marrowby")));
}

void tst_GuideContent::plainText_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("plain");
    QTest::newRow("bold bullet") << "• **Call 911.**" << "Call 911.";
    QTest::newRow("heading") << "## Choking" << "Choking";
    QTest::newRow("warning") << "! Heat stroke is an emergency." << "Heat stroke is an emergency.";
    QTest::newRow("blank lines stay") << "One.\n\nTwo." << "One.\n\nTwo.";
    QTest::newRow("bold mid-line") << "Give **5 firm back blows** now." << "Give 5 firm back blows now.";
    QTest::newRow("heading then bullet") << "## • Both" << "Both";
    QTest::newRow("marks in wrong order keep one") << "• ## Kept" << "## Kept";
    QTest::newRow("blanks trimmed first") << " \t## Title\t " << "Title";
    QTest::newRow("bold before a mark") << "**## **x" << "x";
    QTest::newRow("mark without space") << "##Tight" << "##Tight";
    QTest::newRow("bullet in the middle") << "a • b" << "a • b";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("trailing line feed") << "Line\n" << "Line\n";
}

void tst_GuideContent::plainText()
{
    QFETCH(QString, body);
    QFETCH(QString, plain);
    GuideChapter c{1, QStringLiteral("T"), body, {}};
    QCOMPARE(c.checked, QStringLiteral("Checked Dec 2026"));
    QCOMPARE(c.plainText(), plain);
}

void tst_GuideContent::gradeLevelCounts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wordsPerSentence");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("single words only") << "Choking\nBleeding.\nHelp!" << 0.0;
    QTest::newRow("digits only") << "911 988\n211 211." << 0.0;
    QTest::newRow("two sentences") << "Call for help. Stay with them!" << 3.0;
    QTest::newRow("apostrophe splits") << "I don't." << 3.0;
    QTest::newRow("hyphen splits") << "A jump-start." << 3.0;
    QTest::newRow("number is no word but counts a part") << "Call 911." << 1.0;
    QTest::newRow("tabs do not part a piece") << "one\ttwo.\nthree four." << 4.0;
    QTest::newRow("line feed ends a sentence") << "Go now\nStay here" << 2.0;
}

void tst_GuideContent::gradeLevelCounts()
{
    QFETCH(QString, text);
    QFETCH(double, wordsPerSentence);
    const auto g = GuideContent::gradeLevel(text);
    QCOMPARE(g.wordsPerSentence, wordsPerSentence);
    if (wordsPerSentence == 0.0)
        QCOMPARE(g.grade, 0.0);
}

void tst_GuideContent::syllables_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("count");
    QTest::newRow("the") << "the" << 1;
    QTest::newRow("make") << "make" << 1;
    QTest::newRow("table") << "table" << 2;
    QTest::newRow("rhythm") << "rhythm" << 1;
    QTest::newRow("t") << "t" << 1;
    QTest::newRow("queue") << "queue" << 1;
    QTest::newRow("capitals") << "ALARM" << 2;
    QTest::newRow("beautiful") << "beautiful" << 3;
    QTest::newRow("monoxide") << "monoxide" << 3;
}

void tst_GuideContent::syllables()
{
    QFETCH(QString, word);
    QFETCH(int, count);
    QCOMPARE(syllablesOf(word), count);
}

void tst_GuideContent::disclaimer()
{
    QCOMPARE(GuideContent::disclaimer(),
             QStringLiteral("This guide is general information, not medical or legal advice. "
                            "In an emergency, call 911."));
}

QTEST_GUILESS_MAIN(tst_GuideContent)
#include "tst_GuideContent.moc"
