#include "money/Money.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <limits>

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

// The amount rules written out plainly with a regular expression, to hold
// the hand-written parser to.
std::optional<qint64> referenceParse(const QString &typed)
{
    static const QRegularExpression edges(QStringLiteral("\\A[\\t\\p{Zs}]+|[\\t\\p{Zs}]+\\z"));
    static const QRegularExpression amount(QStringLiteral("\\A([0-9]{1,9})?(\\.[0-9]{0,2})?\\z"));
    QString t = typed.trimmed().remove(u'$').remove(u',').remove(edges);
    if (t.isEmpty() || t == QStringLiteral(".") || !amount.match(t).hasMatch())
        return std::nullopt;
    const QStringList parts = t.split(u'.');
    const qint64 dollars = parts.at(0).isEmpty() ? 0 : parts.at(0).toLongLong();
    const QString fraction = parts.size() > 1 ? parts.at(1).leftJustified(2, u'0') : QStringLiteral("00");
    return dollars * 100 + fraction.toLongLong();
}

} // namespace

class tst_Money : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("cents"); // -1: no amount
        const QList<QPair<const char16_t *, qint64>> rows{
            {u"12", 1200}, {u"12.5", 1250}, {u"12.05", 1205}, {u"7.", 700}, {u".5", 50}, {u".05", 5},
            {u"0", 0}, {u"0012", 1200}, {u"  45 ", 4500}, {u"$1,234.56", 123456}, {u"$ 45", 4500},
            {u"12$", 1200}, {u"999999999.99", 99999999999}, {u"1,2,3", 12300}, {u" .75 ", 75},
            {u"\n12\t", 1200}, {u"\u00a012\u2003", 1200}, {u"$\u00a045", 4500},
            {u"", -1}, {u"   ", -1}, {u"$", -1}, {u",", -1}, {u".", -1}, {u"$.", -1}, {u"..", -1},
            {u"1.234", -1}, {u"1234567890", -1}, {u"-5", -1}, {u"+5", -1}, {u"12 34", -1},
            {u"1.2.3", -1}, {u"1e3", -1}, {u"12 dollars", -1}, {u"abc", -1}, {u"$\n45", -1},
            {u"\u0661\u0662", -1}, {u"\uff11\uff12", -1},
            {u"99999999999999999999999", -1},
        };
        for (const auto &[typed, cents] : rows) {
            const QString text = QString::fromUtf16(typed);
            QTest::newRow(qPrintable(QStringLiteral("\"%1\"").arg(text))) << text << cents;
        }
        QTest::newRow("inner NUL") << (QStringLiteral("12") + QChar(0) + QStringLiteral("3")) << qint64(-1);
    }
    void parse()
    {
        QFETCH(QString, typed);
        QFETCH(qint64, cents);
        const std::optional<qint64> expected = cents < 0 ? std::nullopt : std::optional<qint64>(cents);
        QCOMPARE(Money::parse(typed), expected);
    }

    void format_data()
    {
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::newRow("zero") << qint64(0) << QStringLiteral("$0.00") << QStringLiteral("0.00");
        QTest::newRow("cents") << qint64(5) << QStringLiteral("$0.05") << QStringLiteral("0.05");
        QTest::newRow("minus cents") << qint64(-5) << QStringLiteral("-$0.05") << QStringLiteral("-0.05");
        QTest::newRow("minus one") << qint64(-1) << QStringLiteral("-$0.01") << QStringLiteral("-0.01");
        QTest::newRow("dollar") << qint64(100) << QStringLiteral("$1.00") << QStringLiteral("1.00");
        QTest::newRow("no comma yet") << qint64(99999) << QStringLiteral("$999.99") << QStringLiteral("999.99");
        QTest::newRow("first comma") << qint64(100000) << QStringLiteral("$1,000.00") << QStringLiteral("1000.00");
        QTest::newRow("grouped") << qint64(123456) << QStringLiteral("$1,234.56") << QStringLiteral("1234.56");
        QTest::newRow("negative") << qint64(-123456) << QStringLiteral("-$1,234.56") << QStringLiteral("-1234.56");
        QTest::newRow("million") << qint64(100000000) << QStringLiteral("$1,000,000.00") << QStringLiteral("1000000.00");
        QTest::newRow("largest typed") << qint64(99999999999) << QStringLiteral("$999,999,999.99") << QStringLiteral("999999999.99");
        QTest::newRow("123,456,789") << qint64(12345678900) << QStringLiteral("$123,456,789.00") << QStringLiteral("123456789.00");
        QTest::newRow("largest") << kMax << QStringLiteral("$92,233,720,368,547,758.07") << QStringLiteral("92233720368547758.07");
        QTest::newRow("most negative") << kMin << QStringLiteral("-$92,233,720,368,547,758.08")
                                       << QStringLiteral("-92233720368547758.08");
    }
    void format()
    {
        QFETCH(qint64, cents);
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QCOMPARE(Money::text(cents), text);
        QCOMPARE(Money::plain(cents), plain);
        // Every amount a person can type reads back as itself.
        if (cents >= 0 && cents <= 99999999999) {
            QCOMPARE(Money::parse(plain), std::optional<qint64>(cents));
            QCOMPARE(Money::parse(text), std::optional<qint64>(cents));
        }
    }

    void divRound_data()
    {
        QTest::addColumn<qint64>("a");
        QTest::addColumn<qint64>("b");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("half up") << qint64(26) << qint64(52) << qint64(1);
        QTest::newRow("half down, negative") << qint64(-26) << qint64(52) << qint64(-1);
        QTest::newRow("below half") << qint64(25) << qint64(52) << qint64(0);
        QTest::newRow("below half, negative") << qint64(-25) << qint64(52) << qint64(0);
        QTest::newRow("just above half, negative") << qint64(-27) << qint64(52) << qint64(-1);
        QTest::newRow("seven halves") << qint64(7) << qint64(2) << qint64(4);
        QTest::newRow("minus seven halves") << qint64(-7) << qint64(2) << qint64(-4);
        QTest::newRow("minus 182.5") << qint64(-365) << qint64(2) << qint64(-183);
        QTest::newRow("51 of 52") << qint64(51) << qint64(52) << qint64(1);
        QTest::newRow("zero") << qint64(0) << qint64(52) << qint64(0);
        QTest::newRow("daily 14.00 a week") << qint64(511000) << qint64(52) << qint64(9827);
        QTest::newRow("daily 14.00 a month") << qint64(511000) << qint64(12) << qint64(42583);
        QTest::newRow("largest by one") << kMax << qint64(1) << kMax;
        QTest::newRow("largest halved") << kMax << qint64(2) << qint64(4611686018427387904);
        QTest::newRow("most negative by one") << kMin << qint64(1) << kMin;
        QTest::newRow("most negative by 52") << kMin << qint64(52) << qint64(-177372539170284150);
        QTest::newRow("most negative halved") << kMin << qint64(2) << qint64(-4611686018427387904);
        QTest::newRow("negative divisor") << qint64(26) << qint64(-52) << qint64(-1);
        QTest::newRow("both negative") << qint64(-26) << qint64(-52) << qint64(1);
        QTest::newRow("quotient past the top sticks") << kMin << qint64(-1) << kMax;
        QTest::newRow("no divisor") << qint64(5) << qint64(0) << qint64(0);
    }
    void divRound()
    {
        QFETCH(qint64, a);
        QFETCH(qint64, b);
        QFETCH(qint64, expected);
        QCOMPARE(Money::divRound(a, b), expected);
    }

    void divRoundIsSymmetric()
    {
        for (qint64 b : {1, 2, 3, 7, 12, 52, 365}) {
            for (qint64 a = 0; a <= 2000; ++a)
                QCOMPARE(Money::divRound(-a, b), -Money::divRound(a, b));
            QCOMPARE(Money::divRound(-kMax, b), -Money::divRound(kMax, b));
        }
    }

    void fuzzAgainstReference()
    {
        // Characters that matter to the rules, and some that look like them.
        const QString alphabet = QStringLiteral(
            u"0123456789012345.$, \t\n\r-+eE a\u00a0\u2003\u0661\uff11\u2028.,0$9");
        // Every other text mostly digits, so that many of them are amounts.
        const QString amountLike = QStringLiteral("0123456789012345678901234567890123456789.$, ");
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        int accepted = 0;
        for (int i = 0; i < 10000; ++i) {
            const QString &from = i % 2 ? alphabet : amountLike;
            QString typed;
            const int length = random.bounded(16);
            for (int j = 0; j < length; ++j)
                typed += from.at(random.bounded(int(from.size())));
            const std::optional<qint64> got = Money::parse(typed);
            QVERIFY2(got == referenceParse(typed),
                     qPrintable(QStringLiteral("seed %1, text \"%2\"").arg(seed).arg(typed)));
            if (got) {
                ++accepted;
                QCOMPARE(Money::parse(Money::plain(*got)), got);
            }
        }
        QVERIFY2(accepted > 1000, qPrintable(QString::number(accepted)));
    }
};

QTEST_GUILESS_MAIN(tst_Money)
#include "tst_Money.moc"
