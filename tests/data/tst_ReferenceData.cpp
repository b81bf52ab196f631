#include "ReferenceFixture.h"

#include "data/GuideContent.h"
#include "data/ReferenceData.h"
#include "data/StableHash.h"

#include <QtTest>

using fixture::DataFolder;

class tst_ReferenceData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingFile_data()
    {
        QTest::addColumn<QStringList>("absent");
        QTest::addColumn<QString>("corrupt");
        QTest::addColumn<QString>("expected");
        const QStringList all{"national_resources.csv", "state_resources.csv",
                              "camping_parking_rules.csv", "jobs_and_income.csv",
                              "video_library.csv"};
        QTest::newRow("no files") << all << QString() << "Missing data file state_resources.csv";
        QTest::newRow("no national") << QStringList{"national_resources.csv"} << QString()
                                     << "Missing data file national_resources.csv";
        QTest::newRow("only videos missing") << QStringList{"video_library.csv"} << QString()
                                             << "Missing data file video_library.csv";
        QTest::newRow("jobs not UTF-8") << QStringList{} << "jobs_and_income.csv"
                                        << "Missing data file jobs_and_income.csv";
        QTest::newRow("jobs cut inside a character") << QStringList{} << "jobs cut"
                                                     << "Missing data file jobs_and_income.csv";
        QTest::newRow("parking is a folder") << QStringList{} << "camping_parking_rules.csv"
                                             << "Missing data file camping_parking_rules.csv";
    }

    void missingFile()
    {
        QFETCH(QStringList, absent);
        QFETCH(QString, corrupt);
        QFETCH(QString, expected);
        QMap<QString, QByteArray> changes;
        for (const QString &f : absent)
            changes[f] = QByteArray();
        if (corrupt == u"jobs_and_income.csv")
            changes[corrupt] = fixture::jobsHeader + "job,Caf\xe9 work,x\n";
        else if (corrupt == u"jobs cut") // ends in the first two bytes of "€"
            changes["jobs_and_income.csv"] = fixture::jobsHeader + "job,Work,x\n\xe2\x82";
        else if (!corrupt.isEmpty())
            changes[corrupt] = QByteArray();
        DataFolder folder(changes);
        if (corrupt == u"camping_parking_rules.csv")
            QVERIFY(QDir(folder.path()).mkdir(corrupt));
        try {
            ReferenceData data(folder.path());
            QFAIL("loading should have failed");
        } catch (const DBError &e) {
            QCOMPARE(e.description, expected);
        }
    }

    void loadsEveryRow()
    {
        DataFolder folder;
        const ReferenceData data(folder.path());
        QCOMPARE(data.listings().size(), 4 + 7 + 2 + 2);
        QCOMPARE(data.byUID().size(), data.listings().size());
        // File order: national first, then state, parking and jobs rows.
        QCOMPARE(data.listings().first().name, u"988 Suicide & Crisis Lifeline");
        QCOMPARE(data.listings().at(4).name, u"Colorado 211");
        QCOMPARE(data.listings().last().name, u"Pay-to-work offers");
        // The parking row of a named state gets that state's code.
        QCOMPARE(data.listings().at(11).state, u"CO");
        QCOMPARE(data.stateCategoryCounts().value("211"), 4);
        QCOMPARE(data.stateCategoryCounts().value("snap_application"), 2);
        QCOMPARE(data.db().scalar("SELECT COUNT(*) FROM listings"), qint64(15 + 2));
        QCOMPARE(data.db().scalar("SELECT COUNT(*) FROM fts"),
                 qint64(15 + 2 + GuideContent::chapters().size()));

        // Videos go into the index as listings of their own source.
        const Video &v = data.videos().first();
        QCOMPARE(v.uid, "v:" + StableHash::hex("https://www.youtube.com/watch?v=abc123"));
        const QList<SQLiteDB::Row> rows =
            data.db().rows("SELECT source, state, category, name, confidence FROM listings WHERE uid = ?",
                           {v.uid});
        QCOMPARE(rows, (QList<SQLiteDB::Row>{
                           {"video_library", "", "first_aid", "How to use naloxone", "checked-playable"}}));
    }

    void duplicateListingIdentifiers()
    {
        const QByteArray row = "food,Food Line,Free food,Call,,,Free,https://x.org,X,2026-10-01,"
                               "verified-official\n";
        // The second copy differs in its hours only: still the same identifier text.
        const QByteArray row2 = "food,Food Line,Free food,Call,9-5,,Free,https://x.org,X,2026-10-01,"
                                "verified-official\n";
        DataFolder folder({{"national_resources.csv", fixture::nationalHeader + row + row2 + row}});
        const ReferenceData data(folder.path());
        const QString base = "n:" + StableHash::hex("food|Food Line");
        const QStringList expected{base, base + "-2", base + "-3"};
        QStringList uids;
        for (const Listing &l : data.listings())
            if (l.name == u"Food Line")
                uids << l.uid;
        QCOMPARE(uids, expected);
        QCOMPARE(data.byUID().value(base + "-2").hours, u"9-5");
        for (const QString &uid : expected) {
            QCOMPARE(data.db().scalar("SELECT COUNT(*) FROM listings WHERE uid = ?", {uid}), 1);
            QCOMPARE(data.db().scalar("SELECT COUNT(*) FROM fts WHERE uid = ?", {uid}), 1);
        }
    }

    void repeatedVideos()
    {
        const QByteArray a = "https://www.youtube.com/watch?v=aaa,A,Ch,1:00,T,everyday,N,2026-10-01\n";
        const QByteArray b = "https://www.youtube.com/watch?v=bbb,B,Ch,1:00,T,everyday,N,2026-10-01\n";
        DataFolder folder({{"video_library.csv", fixture::videoHeader + a + a + b + a}});
        const ReferenceData data(folder.path());
        const QString hashA = "v:" + StableHash::hex("https://www.youtube.com/watch?v=aaa");
        QStringList uids;
        for (const Video &v : data.videos())
            uids << v.uid;
        QCOMPARE(uids, (QStringList{hashA, hashA + "-1",
                                    "v:" + StableHash::hex("https://www.youtube.com/watch?v=bbb"),
                                    hashA + "-3"}));
        QCOMPARE(data.reports().last().imported, 4);
    }

    void headerOnlyFile()
    {
        DataFolder folder({{"jobs_and_income.csv", fixture::jobsHeader}});
        const ReferenceData data(folder.path());
        const FileReport &jobs = data.reports().at(3);
        QCOMPARE(jobs, (FileReport{SourceFile::jobs, 0, 0, 0, 0, {}, {}, 0}));
        for (const Listing &l : data.listings())
            QVERIFY(l.source != SourceFile::jobs);
    }

    void statesSortedByName()
    {
        DataFolder folder({{"state_resources.csv",
                            fixture::stateHeader
                                + "FL,Florida,211,A,,,,,,,,,,,2026-10-01,verified-official,ok\n"
                                  "DC,District of Columbia,211,B,,,,,,,,,,,2026-10-01,verified-official,ok\n"
                                  "XX,Delaware,211,C,,,,,,,,,,,2026-10-01,verified-official,ok\n"
                                  "DE,Delaware,211,D,,,,,,,,,,,2026-10-01,verified-official,ok\n"
                                  ",Nowhere,211,E,,,,,,,,,,,2026-10-01,verified-official,ok\n"
                                  "ZZ\n"}});
        const ReferenceData data(folder.path());
        using S = ReferenceData::State;
        QCOMPARE(data.states(), (QList<S>{{"DE", "Delaware"}, {"DC", "District of Columbia"},
                                          {"FL", "Florida"}}));
        // The row without a code is still a listing; so is the short, malformed one.
        QCOMPARE(data.stateListings("", "211").size(), 1);
        QCOMPARE(data.stateListings("", "211").first().uid.left(3), u"s::");
        QCOMPARE(data.reports().at(1).csvRecords, 6);
        QCOMPARE(data.reports().at(1).malformed, 1);
        QCOMPARE(data.stateCategoryCounts().value(""), 1);
    }

    void reportsAgree()
    {
        DataFolder folder;
        const ReferenceData data(folder.path());
        QCOMPARE(data.reports().size(), 5);
        for (const FileReport &r : data.reports()) {
            QVERIFY2(r.csvRecords > 0, qPrintable(r.id()));
            QCOMPARE(r.imported, r.csvRecords);
            QCOMPARE(r.independentCount, r.csvRecords);
            QCOMPARE(r.malformed, 0);
            int confidenceRows = 0;
            for (int n : r.confidence)
                confidenceRows += n;
            QCOMPARE(confidenceRows, r.csvRecords);
            int unconfirmed = 0;
            for (const Listing &l : data.listings())
                unconfirmed += (l.source == r.file && l.isUnconfirmed()) ? 1 : 0;
            QCOMPARE(r.unconfirmed, unconfirmed);
        }
        QCOMPARE(data.reports().at(0).latestChecked, u"2026-10-24");
        QCOMPARE(data.reports().at(0).unconfirmed, 1);
        QCOMPARE(data.reports().at(0).confidence,
                 (QMap<QString, int>{{"verified-official", 2}, {"needs-check", 1},
                                     {"verified-secondary", 1}}));
        QCOMPARE(data.reports().at(4).latestChecked, u"2026-10-21");
    }

    void reportCounting()
    {
        // A quoted date, a confidence word with a space before it, an empty date
        // and a row with no confidence cell at all.
        const QByteArray text = fixture::parkingHeader
            + "x,A,p,,,,,,,,2026-09-30,verified-official\n"
              "x,B,p,,,,,,,,\"2026-10-24\",verified-official\n"
              "x,C,p,,,,,,,,2026-10-01, verified-official\n"
              "x,D,p,,,,,,,,,needs-check\n"
              "x,E,p,,,,,,,,2026-01-01\n"
              "x,F,\"note ,2026-01-01,needs-check\",,,,,,,,2026-01-01,needs-check\n";
        DataFolder folder({{"camping_parking_rules.csv", text}});
        const ReferenceData data(folder.path());
        const FileReport &r = data.reports().at(2);
        QCOMPARE(r.csvRecords, 6);
        QCOMPARE(r.imported, 6);
        QCOMPARE(r.malformed, 1);
        QCOMPARE(r.independentCount, 3); // A, and F twice (once inside its quoted cell)
        QCOMPARE(r.latestChecked, u"2026-10-24");
        // The CSV reader trims cells, so the space before C's word is gone.
        QCOMPARE(r.confidence, (QMap<QString, int>{{"verified-official", 3},
                                                   {"needs-check", 2},
                                                   {"checked-playable", 1}}));
        // D, F and E, whose confidence is missing.
        QCOMPARE(r.unconfirmed, 3);
    }

    void guideChapterRows()
    {
        DataFolder folder;
        const ReferenceData data(folder.path());
        const QList<GuideChapter> &chapters = GuideContent::chapters();
        const QList<SQLiteDB::Row> rows =
            data.db().rows("SELECT uid, kind, state, title, body FROM fts WHERE kind = 'guide'");
        QCOMPARE(rows.size(), chapters.size());
        for (qsizetype i = 0; i < chapters.size(); ++i) {
            const GuideChapter &c = chapters.at(i);
            const QString n = QString::number(c.number);
            QCOMPARE(rows.at(i), (SQLiteDB::Row{"g:" + n, "guide", "", "Chapter " + n + ". " + c.title,
                                                c.plainText() + " survival guide chapter"}));
        }
        QCOMPARE(data.db().scalar("SELECT COUNT(*) FROM listings WHERE uid LIKE 'g:%'"), 0);
    }

    void dataFolderFromEnvironment()
    {
        const QByteArray saved = qgetenv("TL_DATA_DIR");
        qputenv("TL_DATA_DIR", "/some/where/odd ");
        QCOMPARE(ReferenceData::bundledDataFolder(), u"/some/where/odd ");
        qputenv("TL_DATA_DIR", "");
        const QString fallback = ReferenceData::bundledDataFolder();
        QVERIFY(fallback.endsWith(u"/data"));
        QVERIFY(fallback.startsWith(QCoreApplication::applicationDirPath()));
        qputenv("TL_DATA_DIR", saved);
    }
};

QTEST_GUILESS_MAIN(tst_ReferenceData)
#include "tst_ReferenceData.moc"
