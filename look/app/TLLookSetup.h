#pragma once
// The application's look, installed once before any window is built: the
// icon font from its TrueType file, Warm Sand as the default theme, and the
// kit with the application's name, help topics and three themes (and with
// them the kit's keyboard handling).

#include "look/kit/MRBYHelpTopic.h"

#include <QList>
#include <QString>

namespace TLLookSetup {

void install(const QString &appName, const QList<MRBYHelpTopic> &helpTopics = {});

} // namespace TLLookSetup
