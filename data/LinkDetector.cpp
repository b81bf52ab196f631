#include "data/LinkDetector.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

// Characters RFC 3986 allows in a URL (unreserved, reserved and "%"), and
// letters, digits and marks of any script, as in "café.example.org" or
// "/wiki/Niño": a link cut at such a letter would open another address.
#define URL_CHAR R"([A-Za-z0-9\-._~:/?#\[\]@!$&'()*+,;=%\p{L}\p{N}\p{M}])"
#define LABEL R"([A-Za-z0-9](?:[A-Za-z0-9\-]{0,61}[A-Za-z0-9])?)"
#define PORT_AND_PATH R"((?::[0-9]{1,5})?(?:[/?#])" URL_CHAR "*)?"

// Top-level domains that make a bare address a link.
#define COMMON_TLDS                                                                      \
    "com|org|net|gov|edu|mil|int|us|info|biz|io|co|me|app|dev|tv|ly|ai|online|site|"     \
    "page|help|care|health|jobs|news|church|community|foundation|ngo|legal|law|"         \
    "money|homes|house|today|uk|ca|mx"

const QRegularExpression &linkRegex()
{
    static const QRegularExpression re(
        // 1: an address with a scheme and "//"
        R"((\b[A-Za-z][A-Za-z0-9+.\-]*://)" URL_CHAR R"(+))"
        // 2: an explicit mailto: address
        R"(|(\b[Mm][Aa][Ii][Ll][Tt][Oo]:)" URL_CHAR R"(+))"
        // 3: an e-mail address
        R"(|([A-Za-z0-9._%+\-]+@(?:)" LABEL R"(\.)+[A-Za-z]{2,63}\b))"
        // 4: a "www." address
        R"(|(\b[Ww][Ww][Ww]\.(?:)" LABEL R"(\.)+[A-Za-z]{2,63}\b)" PORT_AND_PATH ")"
        // 5: a bare address with a common top-level domain
        R"(|((?<![@.\-])\b(?:)" LABEL R"(\.)+(?i:)" COMMON_TLDS R"()\b)" PORT_AND_PATH ")",
        QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

#undef URL_CHAR
#undef LABEL
#undef PORT_AND_PATH
#undef COMMON_TLDS

// Drops sentence punctuation after a link, and a closing bracket that has no
// opening one inside it ("(see example.org)").
QString trimTail(QString link)
{
    // Bracket counts kept as the tail is cut, so a long tail costs no more
    // than one pass.
    qsizetype round = link.count(u'(') - link.count(u')');
    qsizetype square = link.count(u'[') - link.count(u']');
    for (;;) {
        if (link.isEmpty())
            return link;
        const QChar last = link.back();
        if (QStringLiteral(".,;:!?'\"*").contains(last)) {
            link.chop(1);
            continue;
        }
        if (last == u')' && round < 0) {
            link.chop(1);
            ++round;
            continue;
        }
        if (last == u']' && square < 0) {
            link.chop(1);
            ++square;
            continue;
        }
        return link;
    }
}

} // namespace

QStringList LinkDetector::links(const QString &text)
{
    QStringList result;
    QRegularExpressionMatchIterator it = linkRegex().globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(1) > 0) {
            const QString link = trimTail(m.captured(1));
            // "http://" followed only by punctuation is no address.
            if (link.size() > link.indexOf(QStringLiteral("://")) + 3)
                result.append(link);
        } else if (m.capturedLength(2) > 0) {
            const QString link = trimTail(m.captured(2));
            if (link.size() > 7)
                result.append(link);
        } else if (m.capturedLength(3) > 0) {
            result.append(QStringLiteral("mailto:") + m.captured(3));
        } else if (m.capturedLength(4) > 0) {
            result.append(QStringLiteral("http://") + trimTail(m.captured(4)));
        } else if (m.capturedLength(5) > 0) {
            result.append(QStringLiteral("http://") + trimTail(m.captured(5)));
        }
    }
    return result;
}

bool LinkDetector::isWebAddress(const QString &url)
{
    // QUrl lowercases the scheme.
    const QUrl u(url, QUrl::StrictMode);
    return u.isValid() && !u.host().isEmpty()
        && (u.scheme() == u"https" || u.scheme() == u"http");
}
