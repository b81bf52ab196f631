#include "data/Listing.h"

#include "data/Badges.h"

#include <QStringList>

Listing Listing::withUID(const QString &newUID) const
{
    Listing copy = *this;
    copy.uid = newUID;
    return copy;
}

bool Listing::isUnconfirmed() const
{
    return Badges::isUnconfirmed(confidence);
}

bool Listing::isSecondary() const
{
    return confidence.toLower() == QStringLiteral("verified-secondary");
}

QString Listing::checkedLabel() const
{
    return Badges::checkedLabel(retrievedAt);
}

QString Listing::sourceLabel() const
{
    return publisher.isEmpty() ? QStringLiteral("source not listed") : publisher;
}

std::optional<QString> Listing::linkNote() const
{
    return Badges::linkNote(linkStatus);
}

QString Listing::friendlyGroup() const
{
    return Badges::groupTitle(dataCategory);
}

QString Listing::searchBody() const
{
    // Empty fields keep their places so the layout of the text is fixed.
    QStringList parts{summary, contact, phone,     textContact, web,      address,
                      hours,   eligibility, cost,  stateName,   state,    publisher,
                      Badges::groupTitle(dataCategory), Badges::synonyms(dataCategory)};
    for (const AppCategory c : categories)
        parts.append(c.rawValue());
    for (const Detail &d : details)
        parts.append(d.label + u' ' + d.value);
    return parts.join(QStringLiteral(" \n "));
}

size_t qHash(const Listing &l, size_t seed)
{
    seed = qHashMulti(seed, l.uid, l.source, l.state, l.stateName, l.dataCategory, l.name,
                      l.summary, l.contact, l.phone, l.textContact, l.web, l.address);
    seed = qHashMulti(seed, l.hours, l.eligibility, l.cost, l.sourceURL, l.publisher,
                      l.retrievedAt, l.confidence, l.linkStatus, l.isCrisis);
    seed = qHashRange(l.categories.cbegin(), l.categories.cend(), seed);
    return qHashRange(l.details.cbegin(), l.details.cend(), seed);
}
