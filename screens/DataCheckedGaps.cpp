// The sentences that describe the shipped data: they must stay true of the
// files in resources/data.
#include "screens/DataCheckedView.h"

const QStringList &DataCheckedView::gaps()
{
    static const QStringList list = {
        QStringLiteral("Rest-area rules for 24 states come only from a private summary, and for 3 more only from consumer guides. They are marked \"Unconfirmed\". For 7 states they come only from news reports. Michigan's new rules were only proposed when we checked, and we found no source for Washington, DC."),
        QStringLiteral("Local shelters, pantries, showers and safe-parking programs are not listed one by one. The app points you to 211, local homeless help contacts and food banks instead."),
        QStringLiteral("Money for car repairs: we found no national program. California's CAP program is the only one listed, and it is marked \"Unconfirmed\" because its source is from 2020."),
        QStringLiteral("Startup gear for the job ideas was not price-checked, so no prices are shown."),
        QStringLiteral("Gig and self-employed earnings have no reliable official number. The wages shown are employees' wages from the U.S. Bureau of Labor Statistics, and each names its page."),
        QStringLiteral("We found no official overnight-parking policy for Walmart or any other store or truck-stop chain, only a consumer guide. Always ask the store."),
        QStringLiteral("Shower prices at Love's and Pilot Flying J come only from blogs, not from the companies. Planet Fitness showers and prices were not confirmed on a company page. Local prices vary."),
        QStringLiteral("No video from a trusted channel was found for making a Gmail or Outlook account. Ask at a public library for help setting up e-mail (in Phones & Internet)."),
        QStringLiteral("U.S. territories (Puerto Rico, Guam and others) are not included yet."),
        QStringLiteral("WIC offices are not listed by state, and no USDA WIC page was read. The WIC listing (in Food) is marked \"Unconfirmed\" and tells you to contact your state or local WIC agency."),
    };
    return list;
}

QString DataCheckedView::videoFileLine()
{
    return QStringLiteral("Each video was found on a page that names its maker; none could be played to check it. If one does not play, tell us.");
}
