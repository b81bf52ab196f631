#pragma once
// The logging category of the Money Plan core, "tl.money".
// A failure that is caught and gone on from leaves one warning line here.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcMoney)
