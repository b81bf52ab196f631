#pragma once
// The logging category of the widgets the window and the screens share, "tl.widgets".
// A failure that is caught and gone on from leaves one warning line here.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcWidgets)
