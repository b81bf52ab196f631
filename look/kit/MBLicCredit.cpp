#include "look/kit/MBLicCredit.h"

#include "look/kit/MBFont.h"
#include "look/kit/MRBYKitHost.h"

MBLicCredit::MBLicCredit(QWidget *parent) : MBLink(title(), MRBYKitHost::creditURLText(), parent)
{
    setFont(mbFont(11, FontWeight::Semibold));
}

QString MBLicCredit::title()
{
    return QStringLiteral("by Marrowby (MRBY) \u00B7 ") + MRBYKitHost::creditURL().host();
}
