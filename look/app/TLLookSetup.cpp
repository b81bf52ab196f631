#include "look/app/TLLookSetup.h"

#include "look/app/TLThemes.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MRBYKit.h"
#include "look/kit/MRBYThemes.h"

namespace TLLookSetup {

void install(const QString &appName, const QList<MRBYHelpTopic> &helpTopics)
{
    MBSymbols::preferTrueTypeFile();
    // Before anything reads the current theme.
    MRBYThemes::setDefaultID(TLThemes::warmID);
    MRBYKit::install(appName, helpTopics, TLThemes::extras());
}

} // namespace TLLookSetup
