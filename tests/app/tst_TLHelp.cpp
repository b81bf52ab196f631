#include "TestSupport.h"

#include "app/TLHelp.h"
#include "data/ReferenceData.h"
#include "look/kit/MRBYHelp.h"
#include "services/TLInfo.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

class tst_TLHelp : public QObject
{
    Q_OBJECT

private:
    static const MRBYHelpTopic *topic(const QString &id)
    {
        for (const MRBYHelpTopic &t : TLHelp::topics()) {
            if (t.id == id)
                return &t;
        }
        return nullptr;
    }

private Q_SLOTS:
    void topicsInOrderWithTheirTitles()
    {
        QStringList ids, titles;
        for (const MRBYHelpTopic &t : TLHelp::topics()) {
            ids << t.id;
            titles << t.title;
        }
        QCOMPARE(ids, (QStringList{"start", "emergency", "state", "search", "topics", "badges", "mylist",
                                   "sheet", "money", "guide", "videos", "offline", "display", "data",
                                   "report", "privacy"}));
        QCOMPARE(titles.at(1), QStringLiteral("The emergency buttons: 911, 988 and 211"));
        QCOMPARE(titles.at(12), QStringLiteral("Bigger text, high contrast, themes and zoom"));
        QCOMPARE(titles.at(14), QStringLiteral("Report a wrong listing"));
    }

    void bodiesAreCleanLineMarkup()
    {
        // The platform's own words only, and no stray marks.
        static const QRegularExpression otherPlatform(
            QStringLiteral("\\bMac\\b|Finder|Command|⌘|FaceTime|Messages|iPhone"));
        for (const MRBYHelpTopic &t : TLHelp::topics()) {
            QVERIFY2(!t.body.isEmpty(), qPrintable(t.id));
            QVERIFY2(!t.body.contains(QStringLiteral("**")), qPrintable(t.id));
            QVERIFY2(!otherPlatform.match(t.body).hasMatch(), qPrintable(t.id));
            QVERIFY2(!t.body.contains(QStringLiteral("\n\n\n")) && !t.body.endsWith(QLatin1Char('\n')),
                     qPrintable(t.id));
        }
    }

    void nothingHintsTheAppCouldBecomeFree()
    {
        static const QRegularExpression re(
            QStringLiteral("\\b(app|version|update|upgrade|software|license)\\b[^.\\n]{0,25}\\bfree\\b"
                           "|\\bfree (version|edition|forever|upgrade|update|app|download)\\b"
                           "|\\bbecomes? free\\b"),
            QRegularExpression::CaseInsensitiveOption);
        for (const MRBYHelpTopic &t : TLHelp::topics()) {
            const QString text = t.title + QLatin1Char('\n') + t.body;
            QVERIFY2(!re.match(text).hasMatch(), qPrintable(re.match(text).captured()));
        }
    }

    void fixedPoints()
    {
        QVERIFY(TLHelp::topics().first().body.contains(QStringLiteral("Step 8")));
        QCOMPARE(topic(QStringLiteral("report"))->body.count(TLInfo::supportEmail), 1);
        QVERIFY(topic(QStringLiteral("money"))->body.contains(QStringLiteral("Days until money runs out")));
        QVERIFY(topic(QStringLiteral("display"))
                    ->body.contains(QStringLiteral("dark theme. The six MRBY themes are there too. The Theme menu "
                                                   "has the same list.\n• Zoom: View → Zoom In (Ctrl +) or Zoom "
                                                   "Out (Ctrl −), from 85% to 200%.")));
        // The check date is written out in words ("… checked (December 7, 2026).").
        QCOMPARE(TLInfo::dataCheckedLongDate(), QStringLiteral("December 7, 2026"));
        const QString data = topic(QStringLiteral("data"))->body;
        QVERIFY(!data.contains(TLInfo::dataCheckedISO));
        QVERIFY(data.contains(QStringLiteral("checked (") + TLInfo::dataCheckedLongDate()
                              + QStringLiteral(").")));
    }

    // The figures the help gives about the data are those of the shipped files.
    void figuresMatchTheShippedData()
    {
        const QString folder = testsupport::sourceDir() + QStringLiteral("/resources/data");
        if (!QFileInfo::exists(folder + QStringLiteral("/camping_parking_rules.csv")))
            QSKIP("the shipped data files are not there yet");
        const ReferenceData data(folder);

        int privateOnly = 0;
        for (const Listing &l : data.listings()) {
            if (l.dataCategory != QStringLiteral("rest_area")
                || !l.publisher.contains(QStringLiteral("private compilation")))
                continue;
            ++privateOnly;
            QVERIFY2(l.isUnconfirmed(), qPrintable(l.name));
        }
        QVERIFY(topic(QStringLiteral("badges"))->body.contains(
            QStringLiteral("Rest-area rules for %1 states come only from a private summary. They all "
                           "show the Unconfirmed badge.").arg(privateOnly)));

        // Every video's maker is named ("University of Nevada, Las Vegas (UNLV)" by its name).
        const QString videos = topic(QStringLiteral("videos"))->body;
        QVERIFY(!data.videos().isEmpty());
        for (const Video &v : data.videos()) {
            const QString maker = v.channel.section(QStringLiteral(" ("), 0, 0);
            QVERIFY2(videos.contains(maker), qPrintable(maker));
        }
    }

    // A topic's keywords are how the help search finds it by words its text lacks.
    void keywordsFindTheirTopic_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("id");
        QTest::newRow("unconfirmed") << "unconfirmed" << "badges";
        QTest::newRow("911") << "911" << "emergency";
        QTest::newRow("print") << "print" << "sheet";
        QTest::newRow("runway") << "runway" << "money";
        QTest::newRow("two words") << "getting started" << "start";
        QTest::newRow("spelling variant") << "favourite" << "mylist";
        QTest::newRow("hyphen") << "wi-fi" << "offline";
        QTest::newRow("short capitals") << "RV" << "topics";
        QTest::newRow("privacy") << "tracking" << "privacy";
    }
    void keywordsFindTheirTopic()
    {
        QFETCH(QString, query);
        QFETCH(QString, id);
        QVERIFY(topic(id)->keywords.contains(query));
        MRBYHelp::setTopics(TLHelp::topics());
        QStringList found;
        for (const MRBYHelpTopic &t : MRBYHelp::search(query))
            found << t.id;
        QVERIFY2(found.contains(id), qPrintable(found.join(QLatin1Char(' '))));
    }
};

QTEST_GUILESS_MAIN(tst_TLHelp)
#include "tst_TLHelp.moc"
