#include "app/VideoActions.h"

#include "app/Opener.h"
#include "data/Video.h"

#include <QUrl>

QString VideoActions::label(bool online)
{
    return online ? onlineLabel : offlineLabel;
}

bool VideoActions::isPlayableAddress(const QString &url)
{
    // Strict parsing: a text with blanks or stray characters is not a link.
    // Only web links: a data row must not be able to start a program or a
    // file through another scheme.
    const QUrl u(url, QUrl::StrictMode);
    if (!u.isValid() || u.host().isEmpty())
        return false;
    const QString scheme = u.scheme().toLower();
    return scheme == QLatin1String("https") || scheme == QLatin1String("http");
}

bool VideoActions::play(const Video &video, bool online)
{
    if (!online || !isPlayableAddress(video.url))
        return false;
    Opener::open(video.url);
    return true;
}
