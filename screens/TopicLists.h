#pragma once
// What a help-topic page lists, worked out from the data alone so it can be
// tested without a window: the topic's listings for the chosen state split
// into nationwide and state listings, the state listings grouped under their
// plain-language group titles, and the topic's videos.
//
// Groups are sorted by title in plain UTF-16 code-unit order, never by the
// user's locale: digits before capitals before small letters ("211
// helplines", "Apply for SNAP (food money)", "Food banks"). Listings keep
// their data order everywhere.

#include "data/AppCategory.h"
#include "data/Listing.h"
#include "data/Video.h"

#include <QList>
#include <QString>

class ReferenceData;

struct TopicGroup
{
    QString title;           // Listing::friendlyGroup of every listing in it
    QList<Listing> listings; // in data order

    friend bool operator==(const TopicGroup &, const TopicGroup &) = default;
};

struct TopicLists
{
    QList<Listing> all;       // the topic's listings for the state, in load order
    QList<Listing> national;  // those without a state
    QList<Listing> local;     // those with a state
    QList<TopicGroup> groups; // `local` grouped by title, titles in code-unit order
    QList<Video> videos;      // the topic's videos, in data order

    // From the topic's listings (as ReferenceData::listings gives them) and
    // every video of the data.
    static TopicLists make(const QList<Listing> &all, const QList<Video> &videos, AppCategory topic);
    // For the loaded data and the chosen state ("" lists every state);
    // everything empty without data.
    static TopicLists forTopic(const ReferenceData *data, AppCategory topic, const QString &stateCode);

    // Listings grouped by friendlyGroup, in code-unit order of the titles.
    static QList<TopicGroup> groupByTitle(const QList<Listing> &listings);
    // Code-unit order of two titles: true when a sorts before b.
    static bool titleBefore(const QString &a, const QString &b);

    // "Colorado: Food banks (3)"; with no state chosen just "Food banks (3)".
    static QString groupHeading(const QString &stateName, const TopicGroup &group);
    // "Nationwide (4)".
    static QString nationwideHeading(int count);
};
