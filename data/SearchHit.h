#pragma once

#include "data/GuideChapter.h"
#include "data/Listing.h"
#include "data/Video.h"

#include <QString>

#include <variant>

// One search result: a listing, a video or a Survival Guide chapter. A hit is
// a copy, valid after the search that made it.
class SearchHit
{
public:
    enum class Kind { listing, video, guide };

    explicit SearchHit(Listing listing) : m_value(std::move(listing)) {}
    explicit SearchHit(Video video) : m_value(std::move(video)) {}
    explicit SearchHit(GuideChapter chapter) : m_value(std::move(chapter)) {}

    Kind kind() const { return Kind(m_value.index()); }

    // The carried value, or null when the hit is of another kind.
    const Listing *listing() const { return std::get_if<Listing>(&m_value); }
    const Video *video() const { return std::get_if<Video>(&m_value); }
    const GuideChapter *guide() const { return std::get_if<GuideChapter>(&m_value); }

    // The listing's or video's uid, or "g:" and the chapter number: the same
    // identifiers as the search index holds.
    QString id() const;
    // "g:" and the chapter number: a chapter's identifier in the search index.
    static QString guideID(int number) { return QStringLiteral("g:") + QString::number(number); }

    friend bool operator==(const SearchHit &, const SearchHit &) = default;

private:
    std::variant<Listing, Video, GuideChapter> m_value; // order matches Kind
};
