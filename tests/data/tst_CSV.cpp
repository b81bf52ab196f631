#include "data/CSV.h"

#include <QtTest>

using Rows = QList<CSV::Row>;

class tst_CSV : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("expected");
        QTest::newRow("empty") << QString() << QList<QStringList>{};
        QTest::newRow("blank lines only") << u"\n\r\n\n"_qs << QList<QStringList>{};
        QTest::newRow("no final line break") << u"a,b"_qs << QList<QStringList>{{u"a"_qs, u"b"_qs}};
        QTest::newRow("final line break adds nothing")
            << u"a,b\n"_qs << QList<QStringList>{{u"a"_qs, u"b"_qs}};
        QTest::newRow("quoted comma, doubled quote, line break")
            << u"\"x, \"\"y\"\"\nz\",w\n"_qs << QList<QStringList>{{u"x, \"y\"\nz"_qs, u"w"_qs}};
        QTest::newRow("quote in the middle opens quoting")
            << u"ab\"c,d\"e,f"_qs << QList<QStringList>{{u"abc,de"_qs, u"f"_qs}};
        QTest::newRow("carriage return ignored everywhere")
            << u"a\r,b\rc\r\n"_qs << QList<QStringList>{{u"a"_qs, u"bc"_qs}};
        QTest::newRow("carriage return kept inside quotes")
            << u"\"a\r\nb\""_qs << QList<QStringList>{{u"a\r\nb"_qs}};
        QTest::newRow("bom only at the start")
            << u"\uFEFFa,\uFEFFb"_qs << QList<QStringList>{{u"a"_qs, u"\uFEFFb"_qs}};
        QTest::newRow("unterminated quote runs to the end")
            << u"a,\"b\nc,d"_qs << QList<QStringList>{{u"a"_qs, u"b\nc,d"_qs}};
        QTest::newRow("quote as last character closes")
            << u"\"a\""_qs << QList<QStringList>{{u"a"_qs}};
        QTest::newRow("empty quoted cell line dropped")
            << u"a\n\"\"\nb"_qs << QList<QStringList>{{u"a"_qs}, {u"b"_qs}};
        QTest::newRow("only commas kept")
            << u",\n"_qs << QList<QStringList>{{QString(), QString()}};
        QTest::newRow("cells not trimmed")
            << u" a ,\tb"_qs << QList<QStringList>{{u" a "_qs, u"\tb"_qs}};
        QTest::newRow("surrogate pairs pass through")
            << u"\U0001F600,\"\U0001F690\""_qs << QList<QStringList>{{u"\U0001F600"_qs, u"\U0001F690"_qs}};
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, expected);
        QCOMPARE(CSV::parse(text), expected);
    }

    void table_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("malformed");

        const QStringList ab{u"a"_qs, u"b"_qs};
        QTest::newRow("empty") << QString() << QStringList{} << Rows{} << 0;
        QTest::newRow("crlf") << u"a,b\r\n1,2\r\n"_qs << ab << Rows{{{u"a"_qs, u"1"_qs}, {u"b"_qs, u"2"_qs}}} << 0;
        QTest::newRow("lf") << u"a,b\n1,2\n"_qs << ab << Rows{{{u"a"_qs, u"1"_qs}, {u"b"_qs, u"2"_qs}}} << 0;
        QTest::newRow("bom") << u"\uFEFFa,b\n1,2"_qs << ab
                             << Rows{{{u"a"_qs, u"1"_qs}, {u"b"_qs, u"2"_qs}}} << 0;
        QTest::newRow("long row") << u"a,b\n1,2,3"_qs << ab
                                  << Rows{{{u"a"_qs, u"1"_qs}, {u"b"_qs, u"2"_qs}}} << 1;
        QTest::newRow("short row") << u"a,b\n1"_qs << ab << Rows{{{u"a"_qs, u"1"_qs}}} << 1;
        QTest::newRow("blank lines are not rows") << u"a,b\n\n1,2\n\r\n\n"_qs << ab
                                                  << Rows{{{u"a"_qs, u"1"_qs}, {u"b"_qs, u"2"_qs}}} << 0;
        QTest::newRow("only a comma") << u"a,b\n,"_qs << ab
                                      << Rows{{{u"a"_qs, QString()}, {u"b"_qs, QString()}}} << 0;
        QTest::newRow("trimming") << u" a\t,\tb \n\" 1\n\",2"_qs << ab
                                  << Rows{{{u"a"_qs, u"1"_qs}, {u"b"_qs, u"2"_qs}}} << 0;
        QTest::newRow("header keeps line breaks") << u"\"a\n\",b\n1,2"_qs << QStringList{u"a\n"_qs, u"b"_qs}
                                                  << Rows{{{u"a\n"_qs, u"1"_qs}, {u"b"_qs, u"2"_qs}}} << 0;
        QTest::newRow("header only") << u"a,b"_qs << ab << Rows{} << 0;
        QTest::newRow("repeated name") << u"a,a\n1,2"_qs << QStringList{u"a"_qs, u"a"_qs}
                                       << Rows{{{u"a"_qs, u"2"_qs}}} << 0;
        QTest::newRow("unterminated quote is a short row")
            << u"a,b\n\"1,2\n3,4"_qs << ab << Rows{{{u"a"_qs, u"1,2\n3,4"_qs}}} << 1;
    }

    void table()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, header);
        QFETCH(Rows, rows);
        QFETCH(int, malformed);
        const CSV::Table t = CSV::table(text);
        QCOMPARE(t.header, header);
        QCOMPARE(t.rows, rows);
        QCOMPARE(t.malformed, malformed);
    }
};

QTEST_GUILESS_MAIN(tst_CSV)
#include "tst_CSV.moc"
