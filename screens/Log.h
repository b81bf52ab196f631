#pragma once
// The logging category of the screens, "tl.screens".
// A failure that is caught and gone on from leaves one warning line here.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcScreens)
