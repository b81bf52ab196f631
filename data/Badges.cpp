#include "data/Badges.h"

#include "data/HorizontalSpace.h"
#include "data/WholeNumber.h"

#include <QHash>
#include <QStringList>

namespace {

// Fixed English, never the user's locale.
const QStringList &monthAbbreviations()
{
    static const QStringList months{
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
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
    return word != QStringLiteral("verified-official")
        && word != QStringLiteral("verified-secondary")
        && word != QStringLiteral("checked-playable");
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
    if (status.startsWith(QStringLiteral("blocked-bots"))
        || status.startsWith(QStringLiteral("redirect-loop")))
        return QStringLiteral("This website blocks automatic checks, so we could not test it. "
                              "It usually opens in a normal browser. If it doesn't, call instead.");
    if (status.startsWith(QStringLiteral("broken"))
        || status.startsWith(QStringLiteral("no-response")))
        return QStringLiteral("This website did not open when we checked it (") + dataCheckedMonth()
            + QStringLiteral("). Call instead, or search for the name online.");
    return std::nullopt;
}

QString groupTitle(const QString &dataCategory)
{
    static const QHash<QString, QString> titles{
        {QStringLiteral("211"), QStringLiteral("211 helplines")},
        {QStringLiteral("snap_application"), QStringLiteral("Apply for SNAP (food money)")},
        {QStringLiteral("medicaid_application"),
         QStringLiteral("Apply for Medicaid (health coverage)")},
        {QStringLiteral("unemployment_insurance"), QStringLiteral("Unemployment benefits")},
        {QStringLiteral("coc_homeless_contact"),
         QStringLiteral("Homeless help contacts (Continuum of Care)")},
        {QStringLiteral("food_bank"), QStringLiteral("Food banks")},
        {QStringLiteral("rest_area"), QStringLiteral("Rest-area rules")},
        {QStringLiteral("camping_rules"), QStringLiteral("Camping and overnight parking rules")},
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
        {QStringLiteral("211"),
         QStringLiteral(
             "two one one 2-1-1 helpline help line shelter housing rent bills utility referral")},
        {QStringLiteral("snap_application"),
         QStringLiteral("food stamps EBT food money groceries benefits apply SNAP")},
        {QStringLiteral("medicaid_application"),
         QStringLiteral("health insurance coverage doctor medical apply")},
        {QStringLiteral("unemployment_insurance"),
         QStringLiteral("unemployment UI jobless benefits laid off claim")},
        {QStringLiteral("coc_homeless_contact"),
         QStringLiteral("homeless shelter housing coordinated entry continuum care bed")},
        {QStringLiteral("food_bank"), QStringLiteral("food bank pantry free food groceries meal")},
        {QStringLiteral("rest_area"),
         QStringLiteral("rest area parking sleep overnight car van RV rest stop")},
        {QStringLiteral("camping_rules"),
         QStringLiteral("camping parking sleep overnight car van RV boondocking dispersed public "
                        "land store lot")},
        {QStringLiteral("showers"), QStringLiteral("shower bathe wash hygiene clean")},
        {QStringLiteral("crisis"),
         QStringLiteral("crisis suicide hotline talk someone help depressed scared")},
        {QStringLiteral("phone"), QStringLiteral("cell phone discount internet wifi")},
        {QStringLiteral("mail"), QStringLiteral("mail address post office general delivery")},
        {QStringLiteral("documents"),
         QStringLiteral("ID identification birth certificate social security card license")},
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
