#pragma once
// The logging category of the data layer (reference data, My List, SQLite), "tl.data".
// A failure that is caught and gone on from leaves one warning line here.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcData)
