#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringList>

// One checked video. Equality is over all nine fields.
struct Video
{
    QString uid;         // "v:" + StableHash of the url
    QString title;
    QString channel;
    QString url;
    QString length;      // running time, as shown
    QString topic;
    QString category;    // emergency, first_aid, everyday, vehicle, jobs, money, mental_health, rights, scams
    QString note;
    QString retrievedAt; // ISO date of the check

    QString id() const { return uid; }
    QString checkedLabel() const;

    // The section title of a video category word.
    static QString categoryTitle(const QString &category);
    // The nine category words in section order.
    static const QStringList &categoryOrder();

    friend bool operator==(const Video &, const Video &) = default;
};

inline size_t qHash(const Video &v, size_t seed = 0)
{
    return qHashMulti(seed, v.uid, v.title, v.channel, v.url, v.length, v.topic,
                      v.category, v.note, v.retrievedAt);
}
