#pragma once
// The logging category of the look (kit, themes, zoom, help), "tl.look".
// A failure that is caught and gone on from leaves one warning line here.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcLook)
