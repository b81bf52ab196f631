#pragma once
// Stands in for a screen that is not part of this build yet: a page that
// shows only the screen's title.

#include <QString>

class QWidget;

namespace PlaceholderScreen {

QWidget *make(const QString &title);

} // namespace PlaceholderScreen
