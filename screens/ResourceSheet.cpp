#include "screens/ResourceSheet.h"

#include "data/Badges.h"
#include "data/ContactParser.h"
#include "data/Favorite.h"
#include "data/ReferenceData.h"
#include "pdf/PdfPaper.h"
#include "services/TLInfo.h"

namespace {

using PdfPaper::dot;

SheetLine line(const Listing &listing, const QString &note)
{
    QStringList labels;
    if (listing.source == SourceFile::parking) {
        // A parking rule's first details say more than any contact would.
        QStringList parts;
        for (const Detail &d : listing.details.mid(0, 2))
            parts << d.label + QStringLiteral(": ") + d.value;
        if (!parts.isEmpty())
            labels << parts.join(dot);
    } else {
        const QList<ContactAction> actions = ContactParser::actions(listing);
        for (const ContactAction &a : actions) {
            if (a.kind != ContactAction::Kind::Web && labels.size() < 3)
                labels << a.label;
        }
        for (const ContactAction &a : actions) {
            if (a.kind == ContactAction::Kind::Web) {
                labels << a.label;
                break;
            }
        }
    }
    return {listing.name, labels.join(dot), note, listing.isUnconfirmed(), listing.checkedLabel(),
            listing.sourceLabel()};
}

SheetSection emergencySection()
{
    const QString checked = Badges::checkedLabel(TLInfo::dataCheckedISO);
    const auto fixed = [&](const QString &title, const QString &contact, const QString &source) {
        return SheetLine{title, contact, QString(), false, checked, source};
    };
    return {QStringLiteral("In an emergency"),
            {fixed(QStringLiteral("911 \u2014 police, fire, ambulance"),
                   QStringLiteral("Call 911 (text only where it works)"), QStringLiteral("FCC")),
             fixed(QStringLiteral("988 \u2014 Suicide & Crisis Lifeline, 24/7"),
                   QStringLiteral("Call or text 988") + dot + TLInfo::chat988Host,
                   QStringLiteral("988 Lifeline (SAMHSA)")),
             fixed(QStringLiteral("211 \u2014 food, shelter, bills, health"),
                   QStringLiteral("Dial 211") + dot + TLInfo::web211, TLInfo::web211)}};
}

SheetSection stateSection(const QString &state, const ReferenceData &data)
{
    SheetSection section{QStringLiteral("Help in ") + data.stateName(state), {}};
    const QList<std::pair<const char16_t *, int>> picks{
        {u"211", 2},          {u"snap_application", 1},       {u"medicaid_application", 1},
        {u"unemployment_insurance", 1}, {u"food_bank", 2}, {u"coc_homeless_contact", 1}};
    for (const auto &[category, count] : picks) {
        const QList<Listing> found = data.stateListings(state, QString::fromUtf16(category));
        for (const Listing &l : found.mid(0, count))
            section.lines << line(l, QString());
    }
    if (const std::optional<Listing> rule = data.parkingRule(state))
        section.lines << line(*rule, QString());
    return section;
}

SheetSection nationwideSection(const ReferenceData &data)
{
    SheetSection section{QStringLiteral("Nationwide"), {}};
    for (const char16_t *name : {u"National Call Center for Homeless Veterans", u"Crisis Text Line",
                                 u"USDA National Hunger Hotline", u"Poison Help", u"Lifeline"}) {
        if (const std::optional<Listing> found = data.national(QString::fromUtf16(name)))
            section.lines << line(*found, QString());
    }
    return section;
}

SheetSection myListSection(const ReferenceData &data, const QList<Favorite> &favorites)
{
    SheetSection section{QStringLiteral("My List"), {}};
    for (const Favorite &f : favorites.mid(0, 6)) {
        if (const std::optional<Listing> found = data.listing(f.uid))
            section.lines << line(*found, f.note);
        else
            section.lines << SheetLine{f.name, QString(), f.note, false, QString(), QString()};
    }
    return section;
}

} // namespace

ResourceSheet ResourceSheet::build(const QString &state, const ReferenceData &data,
                                   const QList<Favorite> &favorites)
{
    ResourceSheet sheet;
    sheet.stateCode = state;
    sheet.stateName = state.isEmpty() ? QString() : data.stateName(state);
    sheet.sections << emergencySection();
    if (!state.isEmpty())
        sheet.sections << stateSection(state, data);
    sheet.sections << nationwideSection(data);
    SheetSection mine = myListSection(data, favorites);
    if (!mine.lines.isEmpty())
        sheet.sections << mine;
    return sheet;
}

QString ResourceSheet::title() const
{
    if (stateName.isEmpty())
        return QStringLiteral("My Resources");
    return QStringLiteral("My Resources \u2014 ") + stateName;
}

QString ResourceSheet::footer()
{
    return QStringLiteral("\"Unconfirmed\" means: call or check before you go. Every listing shows "
                          "when it was checked and where it came from. Made with ")
        + TLInfo::appName + QStringLiteral(", ") + TLInfo::creditLine + QStringLiteral(", ")
        + TLInfo::websiteDomain();
}

QString ResourceSheet::metaLine()
{
    // The month the shipped data was checked, the same month every badge names.
    return QStringLiteral("Checked ") + Badges::dataCheckedMonth() + dot + TLInfo::appName;
}
