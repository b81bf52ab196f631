#include "services/ReportLink.h"

#include "data/Listing.h"
#include "services/TLInfo.h"

#include <QStringList>

QString ReportLink::mailto(const Listing *listing)
{
    const QString subject = listing
        ? QStringLiteral("Wrong listing: ") + listing->name
        : QStringLiteral("Wrong listing in ") + TLInfo::appName;

    QStringList lines{
        QStringLiteral("Hello ") + TLInfo::makerShortName + u',',
        QString(),
        QStringLiteral("I think this listing in ") + TLInfo::appName
            + QStringLiteral(" is wrong or out of date."),
    };
    if (listing) {
        lines << QString() << QStringLiteral("Listing: ") + listing->name
              << QStringLiteral("State: ")
                     + (listing->stateName.isEmpty() ? QStringLiteral("Nationwide") : listing->stateName)
              << QStringLiteral("Listing id: ") + listing->uid
              << QStringLiteral("Source: ") + listing->sourceLabel() + QLatin1Char(' ') + listing->sourceURL
              << listing->checkedLabel();
    }
    lines << QString()
          << QStringLiteral("What is wrong (for example a phone number, address, website or rule):")
          << QString() << QString()
          << QStringLiteral("(Sent from ") + TLInfo::appName + QLatin1Char(' ') + TLInfo::shortVersion
                 + QLatin1Char(')');

    return QStringLiteral("mailto:") + TLInfo::supportEmail + QStringLiteral("?subject=") + enc(subject)
        + QStringLiteral("&body=") + enc(lines.join(QLatin1Char('\n')));
}

QString ReportLink::enc(const QString &text)
{
    // toPercentEncoding keeps letters, digits and "-._~" by itself; the rest of
    // the query characters that stay are named here.
    return QString::fromLatin1(text.toUtf8().toPercentEncoding("!$'()*,/:;@"));
}
