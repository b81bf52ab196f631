#pragma once

#include <QString>

struct Video;

// The play action of a video row.
namespace VideoActions {

inline const QString onlineLabel = QStringLiteral("Play on YouTube");
inline const QString offlineLabel = QStringLiteral("Needs internet");

// "Play on YouTube" when online, "Needs internet" when offline.
QString label(bool online);

// Opens the video's web page through the Opener. False, opening nothing,
// when offline or when the video's address is not a web address
// (http or https with a host).
bool play(const Video &video, bool online);

} // namespace VideoActions
