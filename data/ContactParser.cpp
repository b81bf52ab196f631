#include "data/ContactParser.h"

#include "data/HorizontalSpace.h"
#include "data/LinkDetector.h"
#include "data/Listing.h"

#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <algorithm>

namespace {

using Kind = ContactAction::Kind;

constexpr QRegularExpression::PatternOptions kOptions =
    QRegularExpression::UseUnicodePropertiesOption;

// A ten-digit North American number, optionally with a leading 1 or +1.
// Groups: area code, exchange, line number.
const QRegularExpression &phoneRegex()
{
    static const QRegularExpression re(
        QStringLiteral(R"((?:\+?1[\s.-]?)?\(?\b(\d{3})\)?[\s.-]?(\d{3})[\s.-](\d{4})\b)"), kOptions);
    return re;
}

// "Text HOME to 741741", "text a keyword … to …", "text your zip code to …".
// Groups: keyword or phrase, number. The phrase after "a keyword" is at most
// 200 characters and never ends in a blank (the shortest phrase never does),
// so a long text without a number is read once, not once per character.
const QRegularExpression &textToRegex()
{
    static const QRegularExpression re(
        QStringLiteral(R"([Tt]ext\s+(?:the\s+word\s+)?([A-Z]{2,10}|a keyword[^0-9]{0,200}?(?<!\s)|your zip code)\s+to\s+([0-9][0-9-]{3,11}[0-9]))"),
        kOptions);
    return re;
}

// 211, 988 or 911 not joined to a digit or hyphen on either side. Group: the number.
const QRegularExpression &shortRegex()
{
    static const QRegularExpression re(
        QStringLiteral(R"((?:^|[^\d-])(211|988|911)(?![\d-]))"), kOptions);
    return re;
}

QList<ContactAction> dedupe(const QList<ContactAction> &actions)
{
    QList<ContactAction> kept;
    QSet<QString> seen;
    for (const ContactAction &action : actions) {
        const QString key = action.url.toLower();
        if (seen.contains(key))
            continue;
        seen.insert(key);
        kept.append(action);
    }
    return kept;
}

// The scheme of a URL text, lowercased; empty when the text has none.
QString schemeOf(const QString &url)
{
    const qsizetype colon = url.indexOf(u':');
    if (colon <= 0)
        return QString();
    for (qsizetype i = 0; i < colon; ++i) {
        const char16_t c = url.at(i).unicode();
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        const bool other = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
        if (!letter && !(i > 0 && other))
            return QString();
    }
    return url.left(colon).toLower();
}

bool isWebScheme(const QString &scheme)
{
    return scheme == u"http" || scheme == u"https";
}

// The web field's action: only a whole web address, never another scheme
// (javascript:, file:, "httpx:").
std::optional<ContactAction> webFieldAction(const QString &web)
{
    if (!LinkDetector::isWebAddress(web))
        return std::nullopt;
    return ContactAction{Kind::Web, ContactParser::shortHost(web), web};
}

bool isCapitalWord(const QString &word)
{
    if (word.size() < 2 || word.size() > 10)
        return false;
    return std::all_of(word.cbegin(), word.cend(),
                       [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

// The last characters before a position, lowercased: what the rules that
// look just before a number need, without copying the whole text each time.
QString tailBefore(const QString &text, qsizetype position, qsizetype length)
{
    const qsizetype from = std::max<qsizetype>(0, position - length);
    return text.mid(from, position - from).toLower();
}

// Where the last occurrence of a word (any letter case) before a position
// starts, for positions that only grow: each word is searched once over the
// whole text, so many numbers in one long clause stay cheap.
class LastBefore
{
public:
    LastBefore(const QString &text, QStringView word) : m_text(text), m_word(word) {}

    qsizetype at(qsizetype position)
    {
        while (m_next >= 0 && m_next + m_word.size() <= position) {
            m_last = m_next;
            m_next = m_text.indexOf(m_word, m_next + 1, Qt::CaseInsensitive);
        }
        return m_last;
    }

private:
    const QString &m_text;
    QStringView m_word;
    qsizetype m_last = -1;
    qsizetype m_next = m_text.indexOf(m_word, 0, Qt::CaseInsensitive);
};

// The host as the URL text writes it: QUrl lowercases hosts, but a label
// such as "VeteransCrisisLine.net" reads better as written.
QString writtenHost(const QString &url, const QString &parsed)
{
    const qsizetype marker = url.indexOf(QStringLiteral("://"));
    if (marker < 0)
        return parsed;
    qsizetype end = marker + 3;
    while (end < url.size() && url.at(end) != u'/' && url.at(end) != u'?' && url.at(end) != u'#')
        ++end;
    QString authority = url.mid(marker + 3, end - marker - 3);
    authority.remove(0, authority.lastIndexOf(u'@') + 1);
    const QString written = authority.left(parsed.size());
    return written.compare(parsed, Qt::CaseInsensitive) == 0 ? written : parsed;
}

} // namespace

QList<ContactAction> ContactParser::actions(const Fields &fields)
{
    const QString separator = QStringLiteral(" ; ");
    QList<ContactAction> all = phones(fields.phone + separator + fields.contact);
    all += texts(fields.textContact + separator + fields.contact + separator + fields.phone);
    if (const auto web = webFieldAction(fields.web))
        all.append(*web);
    all += links(fields.contact);
    return dedupe(all);
}

QList<ContactAction> ContactParser::actions(const Listing &listing)
{
    return actions(Fields{listing.phone, listing.contact, listing.textContact, listing.web});
}

QList<ContactAction> ContactParser::phones(const QString &text)
{
    QList<ContactAction> found;

    QRegularExpressionMatchIterator shorts = shortRegex().globalMatch(text);
    while (shorts.hasNext()) {
        const QRegularExpressionMatch m = shorts.next();
        const QString number = m.captured(1);
        const QString prefix = tailBefore(text, m.capturedStart(1), 13);
        if (prefix.endsWith(u"text ") && !prefix.endsWith(u"call or text "))
            continue; // "Text 988" is a texting line, not a call
        found.append({Kind::Call, QStringLiteral("Call ") + number, QStringLiteral("tel:") + number});
    }

    // The clause of a number: the text after the last ";" or "." before it.
    LastBefore semicolon(text, u";"), stop(text, u"."), textWord(text, u"text "),
        callWord(text, u"call"), dialWord(text, u"dial");
    QRegularExpressionMatchIterator numbers = phoneRegex().globalMatch(text);
    while (numbers.hasNext()) {
        const QRegularExpressionMatch m = numbers.next();
        const qsizetype start = m.capturedStart(0);
        const QString window = tailBefore(text, start, 20);
        // "call or text 800-…" is also a call, as for the service numbers.
        const bool textOnlyLead = window.endsWith(u"text ") && !window.endsWith(u"call or text ");
        if (window.contains(u"whatsapp") || window.contains(u"tty")
            || window.contains(u"text the same") || textOnlyLead
            || window.contains(u"text a keyword"))
            continue;
        const qsizetype cut = std::max(semicolon.at(start), stop.at(start));
        const bool saysText = textWord.at(start) > cut;
        if (saysText && callWord.at(start) <= cut && dialWord.at(start) <= cut)
            continue; // a texting-only number in a clause of its own
        const QString area = m.captured(1);
        const QString exchange = m.captured(2);
        const QString line = m.captured(3);
        found.append({Kind::Call,
                      QStringLiteral("Call (") + area + QStringLiteral(") ") + exchange + u'-' + line,
                      QStringLiteral("tel:1") + area + exchange + line});
    }
    return dedupe(found);
}

QList<ContactAction> ContactParser::texts(const QString &text)
{
    QList<ContactAction> found;
    QRegularExpressionMatchIterator it = textToRegex().globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString keyword = m.captured(1);
        const QString number = m.captured(2).remove(u'-');
        if (isCapitalWord(keyword)) {
            found.append({Kind::Text,
                          QStringLiteral("Text ") + keyword + QStringLiteral(" to ") + number,
                          QStringLiteral("sms:") + number + QStringLiteral("?body=") + keyword});
        } else {
            found.append({Kind::Text,
                          QStringLiteral("Text ") + trimmedHorizontal(keyword) + QStringLiteral(" to ") + number,
                          QStringLiteral("sms:") + number});
        }
    }
    const QString lower = text.toLower();
    if (lower.contains(u"text 988"))
        found.append({Kind::Text, QStringLiteral("Text 988"), QStringLiteral("sms:988")});
    if (lower.contains(u"text 838255"))
        found.append({Kind::Text, QStringLiteral("Text 838255"), QStringLiteral("sms:838255")});
    return dedupe(found);
}

QList<ContactAction> ContactParser::links(const QString &text)
{
    QList<ContactAction> found;
    for (const QString &url : LinkDetector::links(text)) {
        const QString scheme = schemeOf(url);
        if (scheme == u"mailto") {
            QString address = url;
            address.remove(QStringLiteral("mailto:"), Qt::CaseInsensitive);
            found.append({Kind::Email, QStringLiteral("Email ") + address, url});
        } else if (isWebScheme(scheme) && !QUrl(url).host().isEmpty()) {
            found.append({Kind::Web, shortHost(url), url});
        }
    }
    return dedupe(found);
}

QString ContactParser::shortHost(const QString &url)
{
    const QString parsed = QUrl(url).host();
    QString host = parsed.isEmpty() ? url : writtenHost(url, parsed);
    if (host.startsWith(u"www."))
        host.remove(0, 4);
    return host;
}
