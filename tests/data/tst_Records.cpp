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
        QTest::newRow("empty") << QString() << QStringLiteral("cbf29ce484222325");
        QTest::newRow("abc") << QStringLiteral("abc") << QStringLiteral("e71fa2190541574b");
        QTest::newRow("a") << QStringLiteral("a") << QStringLiteral("af63dc4c8601ec8c");
        // Decomposed and composed é are different bytes, so different hashes.
        QTest::newRow("composed") << QStringLiteral("\u00e9")
                                  << StableHash::hex(QString::fromUtf8("\xc3\xa9"));
    }

    void stableHash()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(StableHash::hex(text), expected);
        QVERIFY(StableHash::hex(QStringLiteral("e\u0301"))
                != StableHash::hex(QStringLiteral("\u00e9")));
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
        QCOMPARE(AppCategory::fromRawValue(QStringLiteral("Shelter & Parking")),
                 std::optional<AppCategory>(AppCategory::shelter));
        QCOMPARE(AppCategory::fromRawValue(QStringLiteral("food")), std::nullopt);
        for (const AppCategory c : AppCategory::allCases())
            QCOMPARE(AppCategory::fromRawValue(c.rawValue()), std::optional<AppCategory>(c));
        QCOMPARE(AppCategory(AppCategory::jobs).videoCategories(),
                 (QStringList{QStringLiteral("jobs"), QStringLiteral("money"),
                              QStringLiteral("scams")}));
        for (const SourceFile f : SourceFile::allCases())
            QCOMPARE(SourceFile::fromRawValue(f.rawValue()), std::optional<SourceFile>(f));
        QCOMPARE(SourceFile(SourceFile::parking).fileName(),
                 QStringLiteral("camping_parking_rules.csv"));
        QCOMPARE(SourceFile::fromRawValue(QStringLiteral("national_resources.csv")), std::nullopt);
    }

    void equalityAndWithUID()
    {
        Listing a;
        a.uid = QStringLiteral("n:1");
        a.details = {Detail{QStringLiteral("Time limit"), QStringLiteral("8 hours")}};
        Listing b = a;
        QCOMPARE(qHash(a), qHash(b));
        b.details.first().value = QStringLiteral("4 hours");
        QVERIFY(a != b);
        QCOMPARE(QSet<Listing>({a, a.withUID(QStringLiteral("n:2"))}).size(), 2);
        const Listing c = a.withUID(QStringLiteral("n:1-2"));
        QCOMPARE(c.uid, QStringLiteral("n:1-2"));
        QCOMPARE(c.withUID(a.uid), a);
    }
};

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_Records.moc"
