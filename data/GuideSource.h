#pragma once

#include <QHashFunctions>
#include <QString>

// One source cited under a Survival Guide chapter.
struct GuideSource
{
    QString title; // what the source is: organisation and page name
    QString url;   // its web address, always https

    friend bool operator==(const GuideSource &, const GuideSource &) = default;
};

inline size_t qHash(const GuideSource &s, size_t seed = 0)
{
    return qHashMulti(seed, s.title, s.url);
}
