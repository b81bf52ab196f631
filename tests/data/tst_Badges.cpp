#include "data/Badges.h"
#include "data/Listing.h"
#include "data/Video.h"

#include <QtTest>

class tst_Badges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Badges::mutateForSelfTest = false; }

    void unconfirmed_data()
    {
        QTest::addColumn<QString>("confidence");
        QTest::addColumn<bool>("unconfirmed");
        QTest::addColumn<bool>("secondary");
        QTest::newRow("official") << QStringLiteral("verified-official") << false << false;
        QTest::newRow("official, spaces, case")
            << QStringLiteral(" \tVerified-Official  ") << false << false;
        QTest::newRow("secondary mixed case")
            << QStringLiteral("Verified-Secondary") << false << true;
        QTest::newRow("secondary, leading space")
            << QStringLiteral(" verified-secondary") << false << false;
        QTest::newRow("playable") << QStringLiteral("checked-playable") << false << false;
        QTest::newRow("verified") << QStringLiteral("verified") << true << false;
        QTest::newRow("empty") << QString() << true << false;
        QTest::newRow("needs-check") << QStringLiteral("needs-check") << true << false;
        QTest::newRow("line break is not trimmed")
            << QStringLiteral("verified-official\n") << true << false;
    }

    void unconfirmed()
    {
        QFETCH(QString, confidence);
        QFETCH(bool, unconfirmed);
        QFETCH(bool, secondary);
        Listing l;
        l.confidence = confidence;
        QCOMPARE(Badges::isUnconfirmed(confidence), unconfirmed);
        QCOMPARE(l.isUnconfirmed(), unconfirmed);
        QCOMPARE(l.isSecondary(), secondary);
        Badges::mutateForSelfTest = true;
        QVERIFY(!l.isUnconfirmed());
    }

    void checkedLabel_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("label");
        const QString none = QStringLiteral("Checked date not listed");
        QTest::newRow("iso") << QStringLiteral("2026-10-05") << QStringLiteral("Checked Oct 2026");
        QTest::newRow("year and month")
            << QStringLiteral("2026-10") << QStringLiteral("Checked Oct 2026");
        QTest::newRow("short month")
            << QStringLiteral("2026-1-9") << QStringLiteral("Checked Jan 2026");
        QTest::newRow("empty parts dropped")
            << QStringLiteral("-2026--03-") << QStringLiteral("Checked Mar 2026");
        QTest::newRow("december") << QStringLiteral("2025-12-31")
                                  << QStringLiteral("Checked Dec 2025");
        QTest::newRow("month 13") << QStringLiteral("2026-13-01") << none;
        QTest::newRow("month 0") << QStringLiteral("2026-00-01") << none;
        QTest::newRow("bare year") << QStringLiteral("2026") << none;
        QTest::newRow("slashes") << QStringLiteral("2026/10/05") << none;
        QTest::newRow("empty") << QString() << none;
        QTest::newRow("letters") << QStringLiteral("2026-Oct-05") << none;
    }

    void checkedLabel()
    {
        QFETCH(QString, date);
        QFETCH(QString, label);
        QCOMPARE(Badges::checkedLabel(date), label);
        Listing l;
        l.retrievedAt = date;
        QCOMPARE(l.checkedLabel(), label);
        Video v;
        v.retrievedAt = date;
        QCOMPARE(v.checkedLabel(), label);
    }

    void linkNote_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("note"); // 0 none, 1 blocks checks, 2 did not open
        QTest::newRow("ok") << QStringLiteral("ok") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("blocked") << QStringLiteral("blocked-bots (403)") << 1;
        QTest::newRow("redirect") << QStringLiteral("Redirect-Loop") << 1;
        QTest::newRow("broken mixed case") << QStringLiteral("Broken 404") << 2;
        QTest::newRow("no response") << QStringLiteral("no-response") << 2;
        QTest::newRow("not a prefix") << QStringLiteral(" broken") << 0;
    }

    void linkNote()
    {
        QFETCH(QString, status);
        QFETCH(int, note);
        Listing l;
        l.linkStatus = status;
        const std::optional<QString> text = l.linkNote();
        QCOMPARE(text.has_value(), note != 0);
        if (note == 1)
            QVERIFY(text->startsWith(QStringLiteral("This website blocks automatic checks")));
        if (note == 2)
            QCOMPARE(*text, QStringLiteral("This website did not open when we checked it (Dec 2026). "
                                           "Call instead, or search for the name online."));
    }

    void groupTitle_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("title");
        QTest::newRow("211") << QStringLiteral("211") << QStringLiteral("211 helplines");
        QTest::newRow("food_bank") << QStringLiteral("food_bank") << QStringLiteral("Food banks");
        QTest::newRow("camping_rules") << QStringLiteral("camping_rules")
                                       << QStringLiteral("Camping and overnight parking rules");
        QTest::newRow("wrong case") << QStringLiteral("Food_Bank") << QStringLiteral("Food Bank");
        QTest::newRow("shouting") << QStringLiteral("SHOWERS") << QStringLiteral("Showers");
        QTest::newRow("empty") << QString() << QString();
    }

    void groupTitle()
    {
        QFETCH(QString, category);
        QFETCH(QString, title);
        QCOMPARE(Badges::groupTitle(category), title);
    }

    void labelsAndSearchBody()
    {
        QCOMPARE(Badges::synonyms(QStringLiteral("Food_bank")), QString());
        QVERIFY(Badges::synonyms(QStringLiteral("snap_application"))
                    .contains(QStringLiteral("food stamps")));
        QCOMPARE(Video::categoryTitle(QStringLiteral("first_aid")), QStringLiteral("First aid"));
        QCOMPARE(Video::categoryTitle(QStringLiteral("home_repair")),
                 QStringLiteral("Home_repair"));

        Listing l;
        QCOMPARE(l.sourceLabel(), QStringLiteral("source not listed"));
        l.name = QStringLiteral("Never in the body");
        l.summary = QStringLiteral("S");
        l.stateName = QStringLiteral("Oregon");
        l.publisher = QStringLiteral("P");
        l.dataCategory = QStringLiteral("showers");
        l.categories = {AppCategory::showers, AppCategory::health};
        l.details = {Detail{QStringLiteral("Time limit"), QStringLiteral("8 hours")}};
        QCOMPARE(l.sourceLabel(), QStringLiteral("P"));
        const QStringList parts = l.searchBody().split(QStringLiteral(" \n "));
        for (const QString &part :
             {QStringLiteral("S"), QStringLiteral("Oregon"), QStringLiteral("P"),
              QStringLiteral("Showers"), QStringLiteral("shower bathe wash hygiene clean"),
              QStringLiteral("Showers & Hygiene"), QStringLiteral("Health"),
              QStringLiteral("Time limit 8 hours")})
            QVERIFY2(parts.contains(part), qPrintable(part));
        QVERIFY(!l.searchBody().contains(l.name));
    }
};

QTEST_GUILESS_MAIN(tst_Badges)
#include "tst_Badges.moc"
