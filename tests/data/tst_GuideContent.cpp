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

int linesStartingWith(const QString &body, const QString &mark)
{
    int n = 0;
    for (const QString &line : body.split(u'\n'))
        n += line.startsWith(mark) ? 1 : 0;
    return n;
}

} // namespace

class tst_GuideContent : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chapterShape_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("headings");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<int>("sources");
        QTest::addColumn<int>("bytes");
        const int rows[13][4] = {{2, 0, 3, 717}, {3, 1, 4, 1037}, {2, 1, 2, 906}, {0, 0, 1, 487},
                                 {0, 0, 4, 535}, {0, 0, 5, 758},  {6, 0, 8, 3126}, {0, 0, 4, 459},
                                 {0, 0, 5, 608}, {0, 0, 3, 590},  {0, 0, 2, 831}, {0, 0, 3, 454},
                                 {0, 0, 4, 574}};
        for (int i = 0; i < 13; ++i)
            QTest::newRow(qPrintable(QString::number(i + 1)))
                << i + 1 << rows[i][0] << rows[i][1] << rows[i][2] << rows[i][3];
    }

    void chapterShape()
    {
        QFETCH(int, number);
        QFETCH(int, headings);
        QFETCH(int, warnings);
        QFETCH(int, sources);
        QFETCH(int, bytes);

        QCOMPARE(GuideContent::chapters().size(), 13);
        QCOMPARE(&GuideContent::chapters(), &GuideContent::chapters()); // built once; hits point into it
        const GuideChapter &c = chapter(number);
        QCOMPARE(c.number, number);
        QCOMPARE(c.id(), number);
        QVERIFY(!c.title.isEmpty());
        QCOMPARE(linesStartingWith(c.body, QStringLiteral("## ")), headings);
        QCOMPARE(linesStartingWith(c.body, QStringLiteral("! ")), warnings);
        QCOMPARE(c.sources.size(), sources);

        // About the planned length: a chapter cut short or doubled shows here.
        const qsizetype size = c.body.toUtf8().size();
        QVERIFY2(size > bytes * 0.75 && size < bytes * 1.25,
                 qPrintable(QStringLiteral("%1 bytes, planned about %2").arg(size).arg(bytes)));

        // Every body opens with a paragraph; the one warning sits under the second heading.
        const QStringList lines = c.body.split(u'\n');
        for (const char *mark : {"## ", "• ", "! "})
            QVERIFY(!lines.first().isEmpty() && !lines.first().startsWith(QString::fromUtf8(mark)));
        int heading = 0;
        for (const QString &line : lines) {
            heading += line.startsWith(QStringLiteral("## ")) ? 1 : 0;
            if (line.startsWith(QStringLiteral("! ")))
                QCOMPARE(heading, 2);
        }
        if (number == 3)
            QVERIFY(lines.last().startsWith(QStringLiteral("! ")));

        // Only the light markup: no links, no stray marks, no untrimmed lines.
        static const QRegularExpression link(
            QStringLiteral(R"(https?:|www\.|\.(gov|org|com|net)\b|\]\(|<[a-z/])"),
            QRegularExpression::CaseInsensitiveOption);
        QVERIFY2(!link.match(c.body).hasMatch(), qPrintable(link.match(c.body).captured()));
        QVERIFY(!c.body.contains(u'\r') && !c.body.endsWith(u'\n'));
        for (const QString &line : lines) {
            QVERIFY2(line.count(QStringLiteral("**")) % 2 == 0, qPrintable(line));
            QVERIFY2(line == line.trimmed(), qPrintable(line));
            QVERIFY2(!QString(line).remove(QStringLiteral("**")).contains(u'*'), qPrintable(line));
            QVERIFY2(!line.contains(u'_') && !line.contains(u'`'), qPrintable(line));
        }

        const auto g = GuideContent::gradeLevel(c.plainText());
        QVERIFY2(g.grade <= 6.5 && g.wordsPerSentence < 15,
                 qPrintable(QStringLiteral("grade %1, %2 words per sentence")
                                .arg(g.grade, 0, 'f', 1).arg(g.wordsPerSentence, 0, 'f', 1)));
    }

    void namedFacts_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("1: 211") << 1 << "Dial 211";
        QTest::newRow("1: 988") << 1 << "Call or text 988";
        QTest::newRow("7: bleeding") << 7 << "half a soda can";
        QTest::newRow("7: 911 rule") << 7 << "Someone is unresponsive and not breathing.";
        QTest::newRow("7: naloxone wait") << 7 << "2 to 3 minutes";
        QTest::newRow("7: poison help") << 7 << "1-800-222-1222";
    }

    void namedFacts()
    {
        QFETCH(int, number);
        QFETCH(QString, phrase);
        QVERIFY2(chapter(number).plainText().contains(phrase, Qt::CaseInsensitive),
                 qPrintable(phrase));
    }

    void chapterSevenSourcesAndDate()
    {
        const GuideChapter &c = chapter(7);
        QCOMPARE(c.sources.first().title,
                 u"American Red Cross, Life-Threatening External Bleeding");
        QVERIFY(c.sources.at(2).url.contains(QStringLiteral("samhsa.gov")));
        QCOMPARE(c.checked,
                 QStringLiteral("Checked Dec 2026 · bleeding, choking and overdose steps checked "
                                "against the Red Cross and SAMHSA on Dec 7, 2026"));
        QCOMPARE(chapter(1).checked, GuideChapter::defaultChecked());
        QCOMPARE(GuideContent::disclaimer(),
                 QStringLiteral("This guide is general information, not medical or legal advice. "
                                "In an emergency, call 911."));
    }

    void sourcesAreListedInTheSourceSheet()
    {
        // The sheet of checked guide sources lives beside the project.
        QFile file(testsupport::sourceDir()
                   + QStringLiteral("/../shared/data-sources/guide-sources/guide_sources.csv"));
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

    void wholeGuideReadsAtAboutFifthGrade()
    {
        QStringList parts;
        for (const GuideChapter &c : GuideContent::chapters())
            parts << c.plainText();
        const auto g = GuideContent::gradeLevel(parts.join(u'\n'));
        qInfo("plain language: guide reads at about grade %.1f (%.1f words per sentence; "
              "target about 5th grade)", g.grade, g.wordsPerSentence);
        QVERIFY(!std::isnan(g.grade) && g.grade > 0 && g.grade <= 6.5);
    }

    void wordingRules()
    {
        // The same rules the self-test applies to every text of the application.
        static const QRegularExpression freeHint(
            QStringLiteral(R"(\b(app|version|update|upgrade|software|license)\b[^.\n]{0,25}\bfree\b)"
                           R"(|\bfree (version|edition|forever|upgrade|update|app|download)\b)"
                           R"(|\bbecomes? free\b)"),
            QRegularExpression::CaseInsensitiveOption);
        QStringList corpus{GuideContent::disclaimer()};
        for (const GuideChapter &c : GuideContent::chapters())
            corpus << c.title + u'\n' + c.body;
        const QString text = corpus.join(u'\n');
        QVERIFY2(!freeHint.match(text).hasMatch(), qPrintable(freeHint.match(text).captured()));
        QVERIFY(!text.contains(QStringLiteral("Marrowby")));
    }

    void plainText_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("plain");
        QTest::newRow("bold bullet") << "• **Call 911.**" << "Call 911.";
        QTest::newRow("warning") << "! Heat stroke is an emergency." << "Heat stroke is an emergency.";
        QTest::newRow("blank lines stay") << "One.\n\nTwo." << "One.\n\nTwo.";
        QTest::newRow("bold mid-line") << "Give **5 firm back blows** now." << "Give 5 firm back blows now.";
        QTest::newRow("heading then bullet") << "## • Both" << "Both";
        QTest::newRow("marks in wrong order keep one") << "• ## Kept" << "## Kept";
        QTest::newRow("blanks trimmed first") << " \t## Title\t " << "Title";
        QTest::newRow("bold before a mark") << "**## **x" << "x";
        QTest::newRow("mark without space") << "##Tight" << "##Tight";
        QTest::newRow("bullet in the middle") << "a • b" << "a • b";
        QTest::newRow("trailing line feed") << "Line\n" << "Line\n";
    }

    void plainText()
    {
        QFETCH(QString, body);
        QFETCH(QString, plain);
        QCOMPARE((GuideChapter{1, QStringLiteral("T"), body, {}}).plainText(), plain);
    }

    void gradeLevel_data()
    {
        // A row with a syllable count is "a <word>." and checks that word's syllables.
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wordsPerSentence");
        QTest::addColumn<int>("syllables");
        QTest::newRow("empty") << "" << 0.0 << -1;
        QTest::newRow("single words only") << "Choking\nBleeding.\nHelp!" << 0.0 << -1;
        QTest::newRow("digits only") << "911 988\n211 211." << 0.0 << -1;
        QTest::newRow("two sentences") << "Call for help. Stay with them!" << 3.0 << -1;
        QTest::newRow("apostrophe splits") << "I don't." << 3.0 << -1;
        QTest::newRow("hyphen splits") << "A jump-start." << 3.0 << -1;
        QTest::newRow("number is no word but counts a part") << "Call 911." << 1.0 << -1;
        QTest::newRow("tabs do not part a piece") << "one\ttwo.\nthree four." << 4.0 << -1;
        QTest::newRow("line feed ends a sentence") << "Go now\nStay here" << 2.0 << -1;
        for (const auto &[word, count] : {std::pair{"make", 1}, {"table", 2}, {"rhythm", 1}, {"t", 1},
                                          {"queue", 1}, {"ALARM", 2}, {"beautiful", 3}})
            QTest::newRow(word) << QStringLiteral("a %1.").arg(QLatin1String(word)) << 2.0 << count;
    }

    void gradeLevel()
    {
        QFETCH(QString, text);
        QFETCH(double, wordsPerSentence);
        QFETCH(int, syllables);
        const auto g = GuideContent::gradeLevel(text);
        QCOMPARE(g.wordsPerSentence, wordsPerSentence);
        if (wordsPerSentence == 0.0)
            QCOMPARE(g.grade, 0.0);
        // Two words, one sentence: grade = 0.39 * 2 + 11.8 * (1 + syllables) / 2 - 15.59.
        if (syllables >= 0)
            QCOMPARE(int(std::lround((g.grade + 15.59 - 0.78) * 2 / 11.8)) - 1, syllables);
    }
};

QTEST_GUILESS_MAIN(tst_GuideContent)
#include "tst_GuideContent.moc"
