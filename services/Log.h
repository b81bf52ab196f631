#pragma once
// The logging category of the services the screens call (model, opener, actions), "tl.services".
// A failure that is caught and gone on from leaves one warning line here.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcServices)
