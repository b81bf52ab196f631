#include "screens/TopicLists.h"

#include "data/ReferenceData.h"

#include <QHash>

#include <algorithm>

TopicLists TopicLists::make(const QList<Listing> &all, const QList<Video> &videos, AppCategory topic)
{
    TopicLists out;
    out.all = all;
    for (const Listing &l : all)
        (l.state.isEmpty() ? out.national : out.local).append(l);
    out.groups = groupByTitle(out.local);
    const QStringList categories = topic.videoCategories();
    for (const Video &v : videos) {
        if (categories.contains(v.category))
            out.videos.append(v);
    }
    return out;
}

TopicLists TopicLists::forTopic(const ReferenceData *data, AppCategory topic, const QString &stateCode)
{
    if (!data)
        return {};
    const std::optional<QString> state = stateCode.isEmpty() ? std::nullopt : std::optional(stateCode);
    return make(data->listings(topic, state), data->videos(), topic);
}

QList<TopicGroup> TopicLists::groupByTitle(const QList<Listing> &listings)
{
    QList<TopicGroup> groups;
    QHash<QString, qsizetype> index;
    for (const Listing &l : listings) {
        const QString title = l.friendlyGroup();
        auto it = index.constFind(title);
        if (it == index.cend()) {
            it = index.insert(title, groups.size());
            groups.append({title, {}});
        }
        groups[*it].listings.append(l);
    }
    // Titles are unique, so the order is total and needs no stability.
    std::sort(groups.begin(), groups.end(),
              [](const TopicGroup &a, const TopicGroup &b) { return titleBefore(a.title, b.title); });
    return groups;
}

bool TopicLists::titleBefore(const QString &a, const QString &b)
{
    const auto ua = QStringView(a);
    const auto ub = QStringView(b);
    return std::lexicographical_compare(ua.utf16(), ua.utf16() + ua.size(), ub.utf16(), ub.utf16() + ub.size());
}

QString TopicLists::groupHeading(const QString &stateName, const TopicGroup &group)
{
    const QString counted = group.title + QStringLiteral(" (") + QString::number(group.listings.size())
                            + QLatin1Char(')');
    // With no state chosen the groups gather every state: no name, no colon.
    return stateName.isEmpty() ? counted : stateName + QStringLiteral(": ") + counted;
}

QString TopicLists::nationwideHeading(int count)
{
    return QStringLiteral("Nationwide (") + QString::number(count) + QLatin1Char(')');
}
