#include "data/AppCategory.h"
#include "data/Listing.h"
#include "data/SourceFile.h"
#include "data/StableHash.h"

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

    void rawValues()
    {
        // The names My List and the screens look categories and files up by.
        QCOMPARE(AppCategory::allCases().size(), 12);
        QCOMPARE(AppCategory::fromRawValue(u"Shelter & Parking"_qs),
                 std::optional<AppCategory>(AppCategory::shelter));
        QCOMPARE(AppCategory::fromRawValue(u"food"_qs), std::nullopt);
        for (const AppCategory c : AppCategory::allCases())
            QCOMPARE(AppCategory::fromRawValue(c.rawValue()), std::optional<AppCategory>(c));
        QCOMPARE(AppCategory(AppCategory::jobs).videoCategories(),
                 (QStringList{u"jobs"_qs, u"money"_qs, u"scams"_qs}));
        for (const SourceFile f : SourceFile::allCases())
            QCOMPARE(SourceFile::fromRawValue(f.rawValue()), std::optional<SourceFile>(f));
        QCOMPARE(SourceFile(SourceFile::parking).fileName(), u"camping_parking_rules.csv"_qs);
        QCOMPARE(SourceFile::fromRawValue(u"national_resources.csv"_qs), std::nullopt);
    }

    void equalityAndWithUID()
    {
        Listing a;
        a.uid = u"n:1"_qs;
        a.details = {Detail{u"Time limit"_qs, u"8 hours"_qs}};
        Listing b = a;
        QCOMPARE(qHash(a), qHash(b));
        b.details.first().value = u"4 hours"_qs;
        QVERIFY(a != b);
        QCOMPARE(QSet<Listing>({a, a.withUID(u"n:2"_qs)}).size(), 2);
        const Listing c = a.withUID(u"n:1-2"_qs);
        QCOMPARE(c.uid, u"n:1-2"_qs);
        QCOMPARE(c.withUID(a.uid), a);
    }
};

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_Records.moc"
