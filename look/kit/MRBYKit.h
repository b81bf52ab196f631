#pragma once
// The kit's entry point: the application installs its name, help topics and
// extra themes once at start-up (and with them the kit's keyboard handling,
// MBKeyboard).

#include "look/kit/MRBYHelpTopic.h"
#include "look/kit/MRBYTheme.h"

#include <QList>
#include <QString>

#include <optional>

namespace MRBYKit {

inline const QString version = QStringLiteral("2.0.3");
// The product's display name, also what install() falls back to.
inline const QString productName = QStringLiteral(TL_APP_NAME);

void install(const std::optional<QString> &appName,
             const QList<MRBYHelpTopic> &helpTopics = {},
             const QList<MRBYTheme> &extraThemes = {});

} // namespace MRBYKit
