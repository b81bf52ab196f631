#include "data/SearchHit.h"

QString SearchHit::id() const
{
    if (const Listing *l = listing())
        return l->uid;
    if (const Video *v = video())
        return v->uid;
    return guideID(guide()->number);
}
