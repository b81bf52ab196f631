#pragma once

#include <QString>

// One entry of the resources sheet: a listing (or a saved entry whose listing
// is gone) with its contacts, the user's note and where it came from.
struct SheetLine
{
    QString title;
    QString contact;     // labels joined with " · "; may be empty
    QString note;        // the user's My List note; empty elsewhere
    bool unconfirmed = false;
    QString checked;     // "Checked Dec 2026"; empty only for a gone listing
    QString source;      // publisher or "source not listed"; empty only for a gone listing

    // "Checked Dec 2026 · source: United Way", under the entry wherever it is shown.
    QString checkLine() const { return checked + QStringLiteral(" \u00b7 source: ") + source; }

    friend bool operator==(const SheetLine &, const SheetLine &) = default;
};
