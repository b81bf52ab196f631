#pragma once

#include "data/Badges.h"
#include "data/GuideSource.h"

#include <QHashFunctions>
#include <QList>
#include <QString>

// One Survival Guide chapter. The body is in the guide's light line markup:
// "## " heading, "• " bullet, "! " warning line, any other non-empty line a
// paragraph, and "**" around bold text inside a line. Nothing else.
struct GuideChapter
{
    // The check line of a chapter that gives none of its own.
    static QString defaultChecked() { return Badges::checkedLabel(Badges::dataCheckedISO); }

    int number = 0;              // 1 to 13; also the chapter's identity
    QString title;
    QString body;
    QList<GuideSource> sources;  // in display order
    QString checked = defaultChecked();

    int id() const { return number; }

    // The body without markup, for the search index and the reading-level
    // check. Must strip exactly the marks the guide screen interprets.
    QString plainText() const;

    friend bool operator==(const GuideChapter &, const GuideChapter &) = default;
};

inline size_t qHash(const GuideChapter &c, size_t seed = 0)
{
    seed = qHashMulti(seed, c.number, c.title, c.body, c.checked);
    for (const GuideSource &s : c.sources)
        seed = qHash(s, seed);
    return seed;
}
