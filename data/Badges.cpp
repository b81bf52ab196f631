#include "data/Badges.h"

#include "data/HorizontalSpace.h"
#include "data/WholeNumber.h"

#include <QHash>
#include <QStringList>

namespace {

// Fixed English, never the user's locale.
const QStringList &monthAbbreviations()
{
    static const QStringList months{u"Jan"_qs, u"Feb"_qs, u"Mar"_qs, u"Apr"_qs,
                                    u"May"_qs, u"Jun"_qs, u"Jul"_qs, u"Aug"_qs,
                                    u"Sep"_qs, u"Oct"_qs, u"Nov"_qs, u"Dec"_qs};
    return months;
}

} // namespace

namespace Badges {

bool mutateForSelfTest = false;

bool isUnconfirmed(const QString &confidence)
{
    if (mutateForSelfTest)
        return false;
    const QString word = trimmedHorizontal(confidence.toLower());
    return word != QLatin1String("verified-official") && word != QLatin1String("verified-secondary")
        && word != QLatin1String("checked-playable");
}

QString checkedLabel(const QString &date)
{
    const QStringList parts = date.split(u'-', Qt::SkipEmptyParts);
    if (parts.size() >= 2) {
        const std::optional<qint64> month = parseWholeNumber(parts.at(1));
        if (month && *month >= 1 && *month <= 12)
            return QStringLiteral("Checked ") + monthAbbreviations().at(int(*month - 1)) + u' '
                + parts.at(0);
    }
    return QStringLiteral("Checked date not listed");
}

QString dataCheckedMonth()
{
    return checkedLabel(dataCheckedISO).mid(QStringLiteral("Checked ").size());
}

std::optional<QString> linkNote(const QString &linkStatus)
{
    const QString status = linkStatus.toLower();
    if (status.startsWith(QLatin1String("blocked-bots")) || status.startsWith(QLatin1String("redirect-loop")))
        return QStringLiteral("This website blocks automatic checks, so we could not test it. "
                              "It usually opens in a normal browser. If it doesn't, call instead.");
    if (status.startsWith(QLatin1String("broken")) || status.startsWith(QLatin1String("no-response")))
        return QStringLiteral("This website did not open when we checked it (") + dataCheckedMonth()
            + QStringLiteral("). Call instead, or search for the name online.");
    return std::nullopt;
}

QString groupTitle(const QString &dataCategory)
{
    static const QHash<QString, QString> titles{
        {u"211"_qs, u"211 helplines"_qs},
        {u"snap_application"_qs, u"Apply for SNAP (food money)"_qs},
        {u"medicaid_application"_qs, u"Apply for Medicaid (health coverage)"_qs},
        {u"unemployment_insurance"_qs, u"Unemployment benefits"_qs},
        {u"coc_homeless_contact"_qs, u"Homeless help contacts (Continuum of Care)"_qs},
        {u"food_bank"_qs, u"Food banks"_qs},
        {u"rest_area"_qs, u"Rest-area rules"_qs},
        {u"camping_rules"_qs, u"Camping and overnight parking rules"_qs},
    };
    const auto it = titles.constFind(dataCategory);
    if (it != titles.cend())
        return *it;
    QString spaced = dataCategory;
    spaced.replace(u'_', u' ');
    return capitalized(spaced);
}

QString synonyms(const QString &dataCategory)
{
    static const QHash<QString, QString> words{
        {u"211"_qs, u"two one one 2-1-1 helpline help line shelter housing rent bills utility referral"_qs},
        {u"snap_application"_qs, u"food stamps EBT food money groceries benefits apply SNAP"_qs},
        {u"medicaid_application"_qs, u"health insurance coverage doctor medical apply"_qs},
        {u"unemployment_insurance"_qs, u"unemployment UI jobless benefits laid off claim"_qs},
        {u"coc_homeless_contact"_qs, u"homeless shelter housing coordinated entry continuum care bed"_qs},
        {u"food_bank"_qs, u"food bank pantry free food groceries meal"_qs},
        {u"rest_area"_qs, u"rest area parking sleep overnight car van RV rest stop"_qs},
        {u"camping_rules"_qs,
         u"camping parking sleep overnight car van RV boondocking dispersed public land store lot"_qs},
        {u"showers"_qs, u"shower bathe wash hygiene clean"_qs},
        {u"crisis"_qs, u"crisis suicide hotline talk someone help depressed scared"_qs},
        {u"phone"_qs, u"cell phone discount internet wifi"_qs},
        {u"mail"_qs, u"mail address post office general delivery"_qs},
        {u"documents"_qs, u"ID identification birth certificate social security card license"_qs},
    };
    return words.value(dataCategory);
}

QString capitalized(const QString &text)
{
    // Words are delimited by white space and line breaks only, so "first_aid"
    // and "2-1-1" stay one word each.
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text.at(i).isSpace()) {
            result.append(text.at(i));
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < n && !text.at(end).isSpace())
            ++end;
        const qsizetype firstLength = (text.at(i).isHighSurrogate() && i + 1 < end) ? 2 : 1;
        result.append(text.mid(i, firstLength).toUpper());
        result.append(text.mid(i + firstLength, end - i - firstLength).toLower());
        i = end;
    }
    return result;
}

} // namespace Badges
