#include "money/Money.h"

#include "data/HorizontalSpace.h"
#include "money/WideCents.h"

namespace {

// |cents| without overflow, also for the most negative value.
quint64 magnitude(qint64 cents)
{
    return cents < 0 ? 0 - quint64(cents) : quint64(cents);
}

QString twoDigits(quint64 rest)
{
    return QString::number(rest).rightJustified(2, u'0');
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The length of the run of ASCII digits that starts at from.
qsizetype digitRun(const QString &text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && isAsciiDigit(text.at(end)))
        ++end;
    return end - from;
}

} // namespace

qint64 Money::divRound(qint64 a, qint64 b)
{
    return WideCents::saturate(WideCents::divRound(a, b));
}

QString Money::text(qint64 cents)
{
    const quint64 m = magnitude(cents);
    const QString digits = QString::number(m / 100);
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += u',';
        grouped += digits.at(i);
    }
    const QString prefix = cents < 0 ? QStringLiteral("-$") : QStringLiteral("$");
    return prefix + grouped + u'.' + twoDigits(m % 100);
}

QString Money::plain(qint64 cents)
{
    const quint64 m = magnitude(cents);
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    return sign + QString::number(m / 100) + u'.' + twoDigits(m % 100);
}

std::optional<qint64> Money::parse(const QString &typed)
{
    QString text = typed.trimmed();
    text.remove(u'$');
    text.remove(u',');
    text = trimmedHorizontal(text);
    if (text.isEmpty() || text == QStringLiteral("."))
        return std::nullopt;

    // The whole text is 0 to 9 digits, then optionally a point and 0 to 2 digits.
    const qsizetype dollarDigits = digitRun(text, 0);
    if (dollarDigits > 9)
        return std::nullopt;
    qsizetype at = dollarDigits;
    qsizetype fractionDigits = 0;
    if (at < text.size() && text.at(at) == u'.') {
        fractionDigits = digitRun(text, at + 1);
        if (fractionDigits > 2)
            return std::nullopt;
        at += 1 + fractionDigits;
    }
    if (at != text.size())
        return std::nullopt;

    qint64 dollars = 0;
    for (qsizetype i = 0; i < dollarDigits; ++i)
        dollars = dollars * 10 + text.at(i).unicode() - u'0';
    qint64 fraction = 0;
    for (qsizetype i = 0; i < 2; ++i) {
        const qsizetype pos = dollarDigits + 1 + i;
        fraction = fraction * 10 + (i < fractionDigits ? text.at(pos).unicode() - u'0' : 0);
    }
    return dollars * 100 + fraction;
}
