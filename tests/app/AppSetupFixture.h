#pragma once
// The app-model fixture with the application set up as it starts: the look,
// the kit with the help topics and help window, what screen readers are told.

#include "services/AppFixture.h"

#include "app/TLSetup.h"
#include "look/kit/Prefs.h"

namespace appfixture {

// A model on the small data folder, with the kit installed as the
// application installs it (themes, help opener, keyboard) and the settings
// cleared first.
inline std::unique_ptr<AppModel> makeAppModel(const QString &dir)
{
    Prefs::shared().clear();
    TLSetup::configure();
    return makeModel(dir);
}

} // namespace appfixture
