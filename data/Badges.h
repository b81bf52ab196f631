#pragma once

#include <QString>

#include <optional>

// The short derived texts shown with listings and videos, kept in one place
// so cards, printouts, search and the self-test all say the same thing.
namespace Badges {

inline const QString unconfirmedText = QStringLiteral("Unconfirmed: call or check before you go");
inline const QString secondaryText = QStringLiteral("From a news or private report");

// The day the shipped data was last checked: the latest retrieved_at of the
// data files. Every text that names the check month derives from it.
inline const QString dataCheckedISO = QStringLiteral("2026-12-07");
// "Dec 2026": the check month as the badges write it.
QString dataCheckedMonth();

// While set (only by the self-test's mutation run) nothing counts as unconfirmed.
extern bool mutateForSelfTest;

// False only for verified-official, verified-secondary and checked-playable
// (lowercased, trimmed of spaces and tabs).
bool isUnconfirmed(const QString &confidence);
// "Checked Oct 2026" from an ISO date, else "Checked date not listed".
QString checkedLabel(const QString &date);
// A warning when the web link failed its last check, else none.
std::optional<QString> linkNote(const QString &linkStatus);
// The friendly heading of a data category word.
QString groupTitle(const QString &dataCategory);
// Everyday words added to a listing's search text; possibly empty.
QString synonyms(const QString &dataCategory);

// Each space-separated word with its first letter upper case, the rest lower.
QString capitalized(const QString &text);

} // namespace Badges
