// The sentences that describe the shipped data: they must stay true of the
// files in resources/data.
#include "screens/DataCheckedView.h"

const QStringList &DataCheckedView::gaps()
{
    static const QStringList list = {
        QStringLiteral("Rest-area rules for 32 states come only from a private 2021 summary. They are marked \"Unconfirmed\". That summary was wrong for Florida. Michigan's new rules and Washington, DC are not confirmed either."),
        QStringLiteral("Local shelters, pantries, showers and safe-parking programs are not listed one by one. The app points you to 211, local homeless help contacts and food banks instead."),
        QStringLiteral("Money for car repairs: we found no national program. Only California's CAP program is confirmed."),
        QStringLiteral("Startup gear for the job ideas was not price-checked, so no prices are shown."),
        QStringLiteral("Gig and self-employed earnings have no reliable official number. The pay shown is for employees (U.S. Bureau of Labor Statistics) and is labeled that way."),
        QStringLiteral("Walmart has no official public overnight-parking policy page. Only news reports. Always ask the store."),
        QStringLiteral("Planet Fitness prices come from news reports. Local prices vary."),
        QStringLiteral("No video from a trusted channel was found for making a Gmail or Outlook account. Use Google's and Microsoft's help pages (in Phones & Internet)."),
        QStringLiteral("U.S. territories (Puerto Rico, Guam and others) are not included yet."),
        QStringLiteral("WIC offices are not listed by state. Use the national WIC office finder (in Food)."),
    };
    return list;
}

QString DataCheckedView::videoFileLine()
{
    return QStringLiteral("Each video was found on a page that names its maker; none could be played to check it. If one does not play, tell us.");
}
