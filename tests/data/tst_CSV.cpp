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
        QTest::newRow("blank lines only") << QStringLiteral("\n\r\n\n") << QList<QStringList>{};
        QTest::newRow("no final line break")
            << QStringLiteral("a,b")
            << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("b")}};
        QTest::newRow("final line break adds nothing")
            << QStringLiteral("a,b\n")
            << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("b")}};
        QTest::newRow("quoted comma, doubled quote, line break")
            << QStringLiteral("\"x, \"\"y\"\"\nz\",w\n")
            << QList<QStringList>{{QStringLiteral("x, \"y\"\nz"), QStringLiteral("w")}};
        QTest::newRow("quote in the middle opens quoting")
            << QStringLiteral("ab\"c,d\"e,f")
            << QList<QStringList>{{QStringLiteral("abc,de"), QStringLiteral("f")}};
        QTest::newRow("carriage return ignored everywhere")
            << QStringLiteral("a\r,b\rc\r\n")
            << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("bc")}};
        QTest::newRow("carriage return kept inside quotes")
            << QStringLiteral("\"a\r\nb\"") << QList<QStringList>{{QStringLiteral("a\r\nb")}};
        QTest::newRow("bom only at the start")
            << QStringLiteral("\uFEFFa,\uFEFFb")
            << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("\uFEFFb")}};
        QTest::newRow("unterminated quote runs to the end")
            << QStringLiteral("a,\"b\nc,d")
            << QList<QStringList>{{QStringLiteral("a"), QStringLiteral("b\nc,d")}};
        QTest::newRow("quote as last character closes")
            << QStringLiteral("\"a\"") << QList<QStringList>{{QStringLiteral("a")}};
        QTest::newRow("empty quoted cell line dropped")
            << QStringLiteral("a\n\"\"\nb")
            << QList<QStringList>{{QStringLiteral("a")}, {QStringLiteral("b")}};
        QTest::newRow("only commas kept")
            << QStringLiteral(",\n") << QList<QStringList>{{QString(), QString()}};
        QTest::newRow("cells not trimmed")
            << QStringLiteral(" a ,\tb")
            << QList<QStringList>{{QStringLiteral(" a "), QStringLiteral("\tb")}};
        QTest::newRow("surrogate pairs pass through")
            << QStringLiteral("\U0001F600,\"\U0001F690\"")
            << QList<QStringList>{{QStringLiteral("\U0001F600"), QStringLiteral("\U0001F690")}};
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

        const QStringList ab{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("empty") << QString() << QStringList{} << Rows{} << 0;
        QTest::newRow("crlf") << QStringLiteral("a,b\r\n1,2\r\n") << ab
                              << Rows{{{QStringLiteral("a"), QStringLiteral("1")},
                                       {QStringLiteral("b"), QStringLiteral("2")}}}
                              << 0;
        QTest::newRow("lf") << QStringLiteral("a,b\n1,2\n") << ab
                            << Rows{{{QStringLiteral("a"), QStringLiteral("1")},
                                     {QStringLiteral("b"), QStringLiteral("2")}}}
                            << 0;
        QTest::newRow("bom") << QStringLiteral("\uFEFFa,b\n1,2") << ab
                             << Rows{{{QStringLiteral("a"), QStringLiteral("1")},
                                      {QStringLiteral("b"), QStringLiteral("2")}}}
                             << 0;
        QTest::newRow("long row") << QStringLiteral("a,b\n1,2,3") << ab
                                  << Rows{{{QStringLiteral("a"), QStringLiteral("1")},
                                           {QStringLiteral("b"), QStringLiteral("2")}}}
                                  << 1;
        QTest::newRow("short row") << QStringLiteral("a,b\n1") << ab
                                   << Rows{{{QStringLiteral("a"), QStringLiteral("1")}}} << 1;
        QTest::newRow("blank lines are not rows")
            << QStringLiteral("a,b\n\n1,2\n\r\n\n") << ab
            << Rows{{{QStringLiteral("a"), QStringLiteral("1")},
                     {QStringLiteral("b"), QStringLiteral("2")}}}
            << 0;
        QTest::newRow("only a comma")
            << QStringLiteral("a,b\n,") << ab
            << Rows{{{QStringLiteral("a"), QString()}, {QStringLiteral("b"), QString()}}} << 0;
        QTest::newRow("trimming") << QStringLiteral(" a\t,\tb \n\" 1\n\",2") << ab
                                  << Rows{{{QStringLiteral("a"), QStringLiteral("1")},
                                           {QStringLiteral("b"), QStringLiteral("2")}}}
                                  << 0;
        QTest::newRow("header keeps line breaks")
            << QStringLiteral("\"a\n\",b\n1,2")
            << QStringList{QStringLiteral("a\n"), QStringLiteral("b")}
            << Rows{{{QStringLiteral("a\n"), QStringLiteral("1")},
                     {QStringLiteral("b"), QStringLiteral("2")}}}
            << 0;
        QTest::newRow("header only") << QStringLiteral("a,b") << ab << Rows{} << 0;
        QTest::newRow("repeated name")
            << QStringLiteral("a,a\n1,2") << QStringList{QStringLiteral("a"), QStringLiteral("a")}
            << Rows{{{QStringLiteral("a"), QStringLiteral("2")}}} << 0;
        QTest::newRow("unterminated quote is a short row")
            << QStringLiteral("a,b\n\"1,2\n3,4") << ab
            << Rows{{{QStringLiteral("a"), QStringLiteral("1,2\n3,4")}}} << 1;
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
