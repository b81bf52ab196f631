#include "look/kit/MRBYKit.h"

#include "look/kit/MBKeyboard.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYThemes.h"

namespace MRBYKit {

void install(const std::optional<QString> &appName, const QList<MRBYHelpTopic> &helpTopics,
             const QList<MRBYTheme> &extraThemes)
{
    MRBYKitHost::setAppName(appName.value_or(productName));
    MRBYHelp::setTopics(helpTopics);
    MRBYThemes::registerThemes(extraThemes);
    MBKeyboard::install();
}

} // namespace MRBYKit
