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
        {QStringLiteral("emergency"), QStringLiteral("Emergencies")},
        {QStringLiteral("first_aid"), QStringLiteral("First aid")},
        {QStringLiteral("everyday"), QStringLiteral("Everyday")},
        {QStringLiteral("vehicle"), QStringLiteral("Your vehicle")},
        {QStringLiteral("jobs"), QStringLiteral("Jobs")},
        {QStringLiteral("money"), QStringLiteral("Money")},
        {QStringLiteral("mental_health"), QStringLiteral("Mental health")},
        {QStringLiteral("rights"), QStringLiteral("Your rights")},
        {QStringLiteral("scams"), QStringLiteral("Scams")},
    };
    const auto it = titles.constFind(category);
    return it != titles.cend() ? *it : Badges::capitalized(category);
}

const QStringList &Video::categoryOrder()
{
    static const QStringList order{
        QStringLiteral("emergency"),     QStringLiteral("first_aid"), QStringLiteral("everyday"),
        QStringLiteral("vehicle"),       QStringLiteral("jobs"),      QStringLiteral("money"),
        QStringLiteral("mental_health"), QStringLiteral("rights"),    QStringLiteral("scams")};
    return order;
}
