#pragma once

#include "data/Badges.h"

#include <QString>

// The application's fixed identity texts: its name, the maker's credit,
// web site and support address, the public crisis-line addresses it quotes,
// and the day the shipped data was last checked. One constant each, used
// everywhere these texts appear; the names come from the build's identity
// definitions (CMakeLists.txt), which the kit reads as well.
namespace TLInfo {

// "MRBY Tenterly", and "Tenterly" alone where the maker stands beside it.
inline const QString appName = QStringLiteral(TL_APP_NAME);
inline const QString shortName = QStringLiteral(TL_APP_SHORT_NAME);
// The maker, "Marrowby", and its short name, "MRBY".
inline const QString makerName = QStringLiteral(TL_MAKER_NAME);
inline const QString makerShortName = QStringLiteral(TL_MAKER_SHORT);
// "by Marrowby (MRBY)".
inline const QString creditLine = QStringLiteral(TL_MAKER_LINE);

// The maker's web site (secure address), the same site the kit's About
// window and menu link to, and its bare domain ("marrowby.com").
QString website();
QString websiteDomain();
inline const QString supportEmail = QStringLiteral("support@marrowby.com");

// The version shown in the report mail and the About window.
inline const QString shortVersion = QStringLiteral(TL_APP_VERSION);

// The day the reference data was last checked (ISO date): the latest
// retrieved_at of the shipped data files.
inline const QString dataCheckedISO = Badges::dataCheckedISO;
// That day written out with the English month name ("December 7, 2026"),
// as the help and the Data last checked screen give it.
QString dataCheckedLongDate();
// "Information checked Oct 2026." for the data check date (About window,
// home screen footer).
QString informationCheckedLine();

// The 988 Suicide & Crisis Lifeline's web chat: its address without the
// scheme, as a secure link (the text the 988 listing's contact text holds),
// and its host name alone.
inline const QString chat988Text = QStringLiteral("988lifeline.org/chat");
inline const QString chat988URL = QStringLiteral("https://988lifeline.org/chat");
inline const QString chat988Host = QStringLiteral("988lifeline.org");

// The public 211 service's web address, a bare domain (United Way's 211 site).
inline const QString web211 = QStringLiteral("211.org");

} // namespace TLInfo
