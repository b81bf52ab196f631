#include "services/VideoActions.h"

#include "data/LinkDetector.h"
#include "data/Video.h"
#include "services/Opener.h"

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
