#include "app/VideoActions.h"

#include "app/Opener.h"
#include "data/LinkDetector.h"
#include "data/Video.h"

QString VideoActions::label(bool online)
{
    return online ? onlineLabel : offlineLabel;
}

bool VideoActions::play(const Video &video, bool online)
{
    if (!online || !LinkDetector::isWebAddress(video.url))
        return false;
    Opener::open(video.url);
    return true;
}
