#pragma once

#include <QHashFunctions>
#include <QString>

// One My List entry: the saved listing's identifier and name, the user's
// note, and when it was saved (seconds since 1970, UTC).
struct Favorite
{
    QString uid;
    QString name;
    QString note;   // empty when none
    double added = 0;

    QString id() const { return uid; }

    friend bool operator==(const Favorite &, const Favorite &) = default;
};

inline size_t qHash(const Favorite &f, size_t seed = 0)
{
    return qHashMulti(seed, f.uid, f.name, f.note, f.added);
}
