#include "TestSupport.h"

#include "app/TLHelp.h"
#include "app/TLInfo.h"
#include "data/ReferenceData.h"
#include "look/kit/MRBYHelp.h"

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
    void sixteenTopicsInOrder()
    {
        QStringList ids;
        for (const MRBYHelpTopic &t : TLHelp::topics())
            ids << t.id;
        QCOMPARE(ids, (QStringList{"start", "emergency", "state", "search", "topics", "badges", "mylist",
                                   "sheet", "money", "guide", "videos", "offline", "display", "data",
                                   "report", "privacy"}));
    }

    void titlesAndKeywords_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("keywords");
        QTest::newRow("start") << "start" << "Start here: using the app, step by step"
            << QStringList{"begin", "how", "use", "tutorial", "first", "steps", "getting started", "new"};
        QTest::newRow("emergency") << "emergency" << "The emergency buttons: 911, 988 and 211"
            << QStringList{"911", "988", "211", "crisis", "suicide", "emergency", "call", "text", "phone",
                           "ambulance", "police", "help now"};
        QTest::newRow("state") << "state" << "Choosing your state"
            << QStringList{"state", "location", "where", "travel", "change state", "local"};
        QTest::newRow("search") << "search" << "Searching everything"
            << QStringList{"find", "look", "search", "word", "type"};
        QTest::newRow("topics") << "topics" << "Help by topic (the 12 topics)"
            << QStringList{"category", "categories", "topic", "food", "shelter", "parking", "showers",
                           "health", "jobs", "veterans", "legal", "vehicle", "RV"};
        QTest::newRow("badges") << "badges" << "Reading a listing: badges, dates and sources"
            << QStringList{"unconfirmed", "badge", "checked", "source", "date", "old", "wrong", "trust",
                           "verified", "rest area"};
        QTest::newRow("mylist") << "mylist" << "My List and notes"
            << QStringList{"favorites", "favourite", "save", "bookmark", "note", "notes", "my list", "list"};
        QTest::newRow("sheet") << "sheet" << "Print or save your one-page resources sheet"
            << QStringList{"print", "printer", "pdf", "export", "save", "sheet", "paper", "one page",
                           "resources"};
        QTest::newRow("money") << "money" << "Money Plan: a simple budget"
            << QStringList{"money", "budget", "budgeting", "spending", "income", "expenses", "savings",
                           "save money", "goal", "runway", "days", "run out", "csv", "spreadsheet", "cash",
                           "bills", "plan"};
        QTest::newRow("guide") << "guide" << "The Survival Guide"
            << QStringList{"guide", "chapter", "read", "first aid", "survival", "learn", "bleeding",
                           "choking", "overdose"};
        QTest::newRow("videos") << "videos" << "Videos (need internet)"
            << QStringList{"video", "videos", "youtube", "watch", "cpr", "internet", "offline"};
        QTest::newRow("offline") << "offline" << "Working without internet"
            << QStringList{"offline", "internet", "wifi", "wi-fi", "no signal", "connection"};
        QTest::newRow("display") << "display" << "Bigger text, high contrast, themes and zoom"
            << QStringList{"text size", "bigger", "large", "read", "contrast", "high contrast", "theme",
                           "zoom", "eyes", "vision", "accessibility"};
        QTest::newRow("data") << "data" << "Where the information comes from"
            << QStringList{"data", "sources", "checked", "date", "where", "accurate", "missing", "gaps",
                           "official"};
        QTest::newRow("report") << "report" << "Report a wrong listing"
            << QStringList{"report", "wrong", "error", "mistake", "fix", "contact", "support", "email",
                           "broken"};
        QTest::newRow("privacy") << "privacy" << "Your privacy"
            << QStringList{"privacy", "private", "safe", "tracking", "data", "secret"};
    }
    void titlesAndKeywords()
    {
        QFETCH(QString, id);
        QFETCH(QString, title);
        QFETCH(QStringList, keywords);
        const MRBYHelpTopic *t = topic(id);
        QVERIFY(t);
        QCOMPARE(t->title, title);
        QCOMPARE(t->keywords, keywords);
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
        QCOMPARE(TLHelp::topics().first().id, QStringLiteral("start"));
        QVERIFY(TLHelp::topics().first().body.contains(QStringLiteral("Step 8")));
        QCOMPARE(topic(QStringLiteral("report"))->body.count(TLInfo::supportEmail), 1);
        QVERIFY(topic(QStringLiteral("money"))->body.contains(QStringLiteral("Days until money runs out")));
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
            if (l.dataCategory != QLatin1String("rest_area")
                || !l.publisher.contains(QLatin1String("private compilation")))
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

    void kitSearchFindsTheTopics_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("id");
        QTest::newRow("unconfirmed") << "unconfirmed" << "badges";
        QTest::newRow("911") << "911" << "emergency";
        QTest::newRow("print") << "print" << "sheet";
        QTest::newRow("budget") << "budget" << "money";
        QTest::newRow("runway") << "runway" << "money";
    }
    void kitSearchFindsTheTopics()
    {
        QFETCH(QString, query);
        QFETCH(QString, id);
        MRBYHelp::setTopics(TLHelp::topics());
        QStringList found;
        for (const MRBYHelpTopic &t : MRBYHelp::search(query))
            found << t.id;
        QVERIFY2(found.contains(id), qPrintable(found.join(QLatin1Char(' '))));
    }
};

QTEST_GUILESS_MAIN(tst_TLHelp)
#include "tst_TLHelp.moc"
