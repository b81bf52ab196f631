#pragma once
// The theme registry: six built-in themes plus the ones the application
// registers, and the current theme under "mrby.theme" (resolved on every read).

#include "look/kit/KitKeys.h"
#include "look/kit/MRBYTheme.h"

#include <QList>
#include <QString>

namespace MRBYThemes {

inline const QString &key = KitKeys::theme;

const QList<MRBYTheme> &builtIn();
// builtIn() followed by the registered themes, in registration order.
QList<MRBYTheme> all();
// Appends the themes whose ids are new; the first theme with an id wins.
void registerThemes(const QList<MRBYTheme> &themes);

QString defaultID();
void setDefaultID(const QString &id);

// The stored id, or defaultID() when nothing is stored; not checked.
QString currentID();
void setCurrentID(const QString &id);

// The theme with that id, else the defaultID() theme, else the first built-in.
MRBYTheme named(const QString &id);
MRBYTheme current();

} // namespace MRBYThemes
