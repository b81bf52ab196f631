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
        QTest::newRow("official") << u"verified-official"_qs << false << false;
        QTest::newRow("official, spaces, case") << u" \tVerified-Official  "_qs << false << false;
        QTest::newRow("secondary mixed case") << u"Verified-Secondary"_qs << false << true;
        QTest::newRow("secondary, leading space") << u" verified-secondary"_qs << false << false;
        QTest::newRow("playable") << u"checked-playable"_qs << false << false;
        QTest::newRow("verified") << u"verified"_qs << true << false;
        QTest::newRow("empty") << QString() << true << false;
        QTest::newRow("needs-check") << u"needs-check"_qs << true << false;
        QTest::newRow("line break is not trimmed") << u"verified-official\n"_qs << true << false;
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
        const QString none = u"Checked date not listed"_qs;
        QTest::newRow("iso") << u"2026-10-05"_qs << u"Checked Oct 2026"_qs;
        QTest::newRow("year and month") << u"2026-10"_qs << u"Checked Oct 2026"_qs;
        QTest::newRow("short month") << u"2026-1-9"_qs << u"Checked Jan 2026"_qs;
        QTest::newRow("empty parts dropped") << u"-2026--03-"_qs << u"Checked Mar 2026"_qs;
        QTest::newRow("december") << u"2025-12-31"_qs << u"Checked Dec 2025"_qs;
        QTest::newRow("month 13") << u"2026-13-01"_qs << none;
        QTest::newRow("month 0") << u"2026-00-01"_qs << none;
        QTest::newRow("bare year") << u"2026"_qs << none;
        QTest::newRow("slashes") << u"2026/10/05"_qs << none;
        QTest::newRow("empty") << QString() << none;
        QTest::newRow("letters") << u"2026-Oct-05"_qs << none;
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
        QTest::newRow("ok") << u"ok"_qs << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("blocked") << u"blocked-bots (403)"_qs << 1;
        QTest::newRow("redirect") << u"Redirect-Loop"_qs << 1;
        QTest::newRow("broken mixed case") << u"Broken 404"_qs << 2;
        QTest::newRow("no response") << u"no-response"_qs << 2;
        QTest::newRow("not a prefix") << u" broken"_qs << 0;
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
            QVERIFY(text->startsWith(u"This website blocks automatic checks"_qs));
        if (note == 2)
            QCOMPARE(*text, u"This website did not open when we checked it (Dec 2026). "
                            "Call instead, or search for the name online."_qs);
    }

    void groupTitle_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("title");
        QTest::newRow("211") << u"211"_qs << u"211 helplines"_qs;
        QTest::newRow("food_bank") << u"food_bank"_qs << u"Food banks"_qs;
        QTest::newRow("camping_rules") << u"camping_rules"_qs << u"Camping and overnight parking rules"_qs;
        QTest::newRow("wrong case") << u"Food_Bank"_qs << u"Food Bank"_qs;
        QTest::newRow("shouting") << u"SHOWERS"_qs << u"Showers"_qs;
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
        QCOMPARE(Badges::synonyms(u"Food_bank"_qs), QString());
        QVERIFY(Badges::synonyms(u"snap_application"_qs).contains(u"food stamps"_qs));
        QCOMPARE(Video::categoryTitle(u"first_aid"_qs), u"First aid"_qs);
        QCOMPARE(Video::categoryTitle(u"home_repair"_qs), u"Home_repair"_qs);

        Listing l;
        QCOMPARE(l.sourceLabel(), u"source not listed"_qs);
        l.name = u"Never in the body"_qs;
        l.summary = u"S"_qs;
        l.stateName = u"Oregon"_qs;
        l.publisher = u"P"_qs;
        l.dataCategory = u"showers"_qs;
        l.categories = {AppCategory::showers, AppCategory::health};
        l.details = {Detail{u"Time limit"_qs, u"8 hours"_qs}};
        QCOMPARE(l.sourceLabel(), u"P"_qs);
        const QStringList parts = l.searchBody().split(u" \n "_qs);
        for (const QString &part : {u"S"_qs, u"Oregon"_qs, u"P"_qs, u"Showers"_qs,
                                    u"shower bathe wash hygiene clean"_qs, u"Showers & Hygiene"_qs,
                                    u"Health"_qs, u"Time limit 8 hours"_qs})
            QVERIFY2(parts.contains(part), qPrintable(part));
        QVERIFY(!l.searchBody().contains(l.name));
    }
};

QTEST_GUILESS_MAIN(tst_Badges)
#include "tst_Badges.moc"
