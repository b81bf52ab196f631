#include "data/AppCategory.h"
#include "data/Listing.h"
#include "data/SourceFile.h"
#include "data/StableHash.h"
#include "data/Video.h"

#include <QSet>
#include <QtTest>

class tst_Records : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stableHash_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QString() << u"cbf29ce484222325"_qs;
        QTest::newRow("abc") << u"abc"_qs << u"e71fa2190541574b"_qs;
        QTest::newRow("a") << u"a"_qs << u"af63dc4c8601ec8c"_qs;
        // Decomposed and composed é are different bytes, so different hashes.
        QTest::newRow("composed") << u"\u00e9"_qs << StableHash::hex(QString::fromUtf8("\xc3\xa9"));
    }

    void stableHash()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(StableHash::hex(text), expected);
        QVERIFY(StableHash::hex(u"e\u0301"_qs) != StableHash::hex(u"\u00e9"_qs));
    }

    void hashHasNoLeadingZeros()
    {
        // Search for a text whose hash starts with a zero nibble: it must be shorter.
        bool found = false;
        for (int i = 0; i < 2000 && !found; ++i) {
            const QString h = StableHash::hex(QString::number(i));
            QVERIFY(!h.startsWith(u'0'));
            found = h.size() < 16;
        }
        QVERIFY(found);
    }

    void appCategories()
    {
        const QList<AppCategory> &all = AppCategory::allCases();
        QCOMPARE(all.size(), 12);
        QCOMPARE(all.first(), AppCategory::food);
        QCOMPARE(all.last(), AppCategory::veterans);
        QCOMPARE(AppCategory::fromRawValue(u"Food"_qs), std::optional<AppCategory>(AppCategory::food));
        QCOMPARE(AppCategory::fromRawValue(u"food"_qs), std::nullopt);
        QCOMPARE(AppCategory::fromRawValue(u"Shelter & Parking"_qs),
                 std::optional<AppCategory>(AppCategory::shelter));
        for (const AppCategory c : all) {
            QCOMPARE(AppCategory::fromRawValue(c.rawValue()), std::optional<AppCategory>(c));
            QCOMPARE(c.id(), c.rawValue());
            QVERIFY(!c.icon().isEmpty() && !c.blurb().isEmpty());
        }
        for (const AppCategory c : {AppCategory::food, AppCategory::shelter, AppCategory::phones,
                                    AppCategory::mail, AppCategory::startups, AppCategory::veterans})
            QVERIFY(c.videoCategories().isEmpty());
        QCOMPARE(AppCategory(AppCategory::jobs).videoCategories(),
                 (QStringList{u"jobs"_qs, u"money"_qs, u"scams"_qs}));
        QCOMPARE(AppCategory(AppCategory::health).icon(), u"cross.case.fill"_qs);
    }

    void sourceFiles()
    {
        QCOMPARE(SourceFile::allCases().size(), 5);
        QStringList names;
        for (const SourceFile f : SourceFile::allCases()) {
            names << f.fileName();
            QCOMPARE(SourceFile::fromRawValue(f.rawValue()), std::optional<SourceFile>(f));
        }
        QCOMPARE(names, (QStringList{u"national_resources.csv"_qs, u"state_resources.csv"_qs,
                                     u"camping_parking_rules.csv"_qs, u"jobs_and_income.csv"_qs,
                                     u"video_library.csv"_qs}));
        QCOMPARE(SourceFile::fromRawValue(u"national_resources.csv"_qs), std::nullopt);
        QVERIFY(SourceFile(SourceFile::national).title().endsWith(u"jobs\u2026)"_qs));
    }

    void equality()
    {
        Listing a;
        a.uid = u"n:1"_qs;
        a.categories = {AppCategory::food};
        a.details = {Detail{u"Time limit"_qs, u"8 hours"_qs}};
        Listing b = a;
        QCOMPARE(a, b);
        QCOMPARE(qHash(a), qHash(b));
        b.hours = u"9-5"_qs;
        QVERIFY(a != b);
        b = a;
        b.source = SourceFile::state;
        QVERIFY(a != b);
        b = a;
        b.details.first().value = u"4 hours"_qs;
        QVERIFY(a != b);
        QCOMPARE(QSet<Listing>({a, a.withUID(u"n:2"_qs)}).size(), 2);
        const Listing c = a.withUID(u"n:1-2"_qs);
        QCOMPARE(c.uid, u"n:1-2"_qs);
        QCOMPARE(c.withUID(a.uid), a);

        Video v{u"v:1"_qs, u"t"_qs, u"c"_qs, u"u"_qs, u"3:00"_qs, u"x"_qs, u"jobs"_qs, u"n"_qs, u"2026-10-05"_qs};
        Video w = v;
        QCOMPARE(v, w);
        w.note.clear();
        QVERIFY(v != w);
    }
};

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_Records.moc"
