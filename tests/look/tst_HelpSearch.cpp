// Help topics: the list shown and the word search.

#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYKit.h"
#include "look/kit/MRBYKitHost.h"

#include <QtTest>

namespace {
QStringList ids(const QList<MRBYHelpTopic> &topics)
{
    QStringList out;
    for (const MRBYHelpTopic &t : topics)
        out << t.id;
    return out;
}

const QList<MRBYHelpTopic> hostTopics = {
    {"start", "Getting started", "Pick your state.\n• Then look at the topics. Your numbers are on the sheet.", {"begin"}},
    {"sheet", "My Resources Sheet", "Print one page with your numbers.", {"print", "pdf"}},
    {"badges", "Reading a listing", "Unconfirmed means we could not check it. Print it too.", {"unconfirmed", "badge"}},
    {"cafe", "Café and Wi-Fi", "Free internet at a café.", {}},
};
} // namespace

class HelpSearchTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void beforeInstall()
    {
        QCOMPARE(ids(MRBYHelp::allTopics()), QStringList({"look", "about"}));
        const MRBYHelpTopic look = MRBYHelp::lookTopic();
        QCOMPARE(look.title, QStringLiteral("Themes and interface zoom"));
        QVERIFY(look.body.contains(QStringLiteral("Zoom Out (Ctrl \u2212)")));
    }

    void installed()
    {
        MRBYKit::install(QStringLiteral("MRBY Tenterly"), hostTopics);
        QCOMPARE(ids(MRBYHelp::allTopics()), QStringList({"start", "sheet", "badges", "cafe", "look", "about"}));
        const MRBYHelpTopic about = MRBYHelp::aboutTopic();
        QVERIFY(about.body.startsWith(QStringLiteral("MRBY Tenterly is made by Marrowby (MRBY).\n\n")));
        QVERIFY(about.body.endsWith(MRBYKitHost::creditURLText()));
        QCOMPARE(about.title, QStringLiteral("About Marrowby"));
        QCOMPARE(about.keywords, (QStringList{"mrby", "support", "contact", "website", "marrowby", "credits"}));
        MRBYKitHost::setAppName(QStringLiteral("Other"));
        QVERIFY(MRBYHelp::aboutTopic().body.startsWith(QStringLiteral("Other is made by")));
        MRBYKitHost::setAppName(QStringLiteral("MRBY Tenterly"));
    }

    void hostReplacesKitTopic()
    {
        const MRBYHelpTopic myAbout{"about", "About us", "Ours.", {}};
        MRBYHelp::setTopics({myAbout, hostTopics.first()});
        QCOMPARE(ids(MRBYHelp::allTopics()), QStringList({"about", "start", "look"}));
        QCOMPARE(MRBYHelp::allTopics().first().title, QStringLiteral("About us"));
        MRBYHelp::setTopics(hostTopics);
    }

    void search_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("expected");
        const QStringList all = {"start", "sheet", "badges", "cafe", "look", "about"};
        QTest::newRow("empty") << "" << all;
        QTest::newRow("blanks only") << " \t\n " << all;
        QTest::newRow("zoom through the title") << "zoom" << QStringList{"look"};
        QTest::newRow("capitals and blanks") << "  ZOOM \t" << QStringList{"look"};
        QTest::newRow("colour through keywords only") << "colour" << QStringList{"look"};
        QTest::newRow("keyword with a blank inside") << "font size" << QStringList{"look"};
        QTest::newRow("both words needed") << "print page" << QStringList{"sheet"};
        QTest::newRow("one word nowhere") << "print zebra" << QStringList{};
        QTest::newRow("no title hits keep order") << "print" << QStringList{"sheet", "badges"};
        QTest::newRow("later title before earlier body") << "sheet" << QStringList{"sheet", "start"};
        QTest::newRow("accent in text") << "cafe" << QStringList{"cafe"};
        QTest::newRow("accent in query") << "INTERNÉT" << QStringList{"cafe"};
        QTest::newRow("part of a word") << "onfirm" << QStringList{"badges"};
        QTest::newRow("punctuation stays") << "wi-fi" << QStringList{"cafe"};
        QTest::newRow("id is not searched") << "badges" << QStringList{};
    }

    void search()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, expected);
        MRBYKit::install(QStringLiteral("MRBY Tenterly"), hostTopics);
        QCOMPARE(ids(MRBYHelp::search(query)), expected);
    }
};

QTEST_MAIN(HelpSearchTest)
#include "tst_HelpSearch.moc"
