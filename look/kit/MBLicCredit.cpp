#include "look/kit/MBLicCredit.h"

#include "look/kit/MBFont.h"
#include "look/kit/MRBYAbout.h"
#include "look/kit/MRBYKitHost.h"

MBLicCredit::MBLicCredit(QWidget *parent) : MBLink(title(), MRBYKitHost::creditURLText(), parent)
{
    setFont(mbFont(11, FontWeight::Semibold));
}

QString MBLicCredit::title()
{
    return MRBYAbout::creditLine + QStringLiteral(" \u00B7 ") + MRBYKitHost::creditURL().host();
}
