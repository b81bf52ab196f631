#include "data/Video.h"

#include "data/Badges.h"

#include <QHash>

QString Video::checkedLabel() const
{
    return Badges::checkedLabel(retrievedAt);
}

QString Video::categoryTitle(const QString &category)
{
    static const QHash<QString, QString> titles{
        {u"emergency"_qs, u"Emergencies"_qs}, {u"first_aid"_qs, u"First aid"_qs},
        {u"everyday"_qs, u"Everyday"_qs},     {u"vehicle"_qs, u"Your vehicle"_qs},
        {u"jobs"_qs, u"Jobs"_qs},             {u"money"_qs, u"Money"_qs},
        {u"mental_health"_qs, u"Mental health"_qs}, {u"rights"_qs, u"Your rights"_qs},
        {u"scams"_qs, u"Scams"_qs},
    };
    const auto it = titles.constFind(category);
    return it != titles.cend() ? *it : Badges::capitalized(category);
}

const QStringList &Video::categoryOrder()
{
    static const QStringList order{u"emergency"_qs, u"first_aid"_qs,     u"everyday"_qs,
                                   u"vehicle"_qs,   u"jobs"_qs,          u"money"_qs,
                                   u"mental_health"_qs, u"rights"_qs,    u"scams"_qs};
    return order;
}
