#pragma once
// The logging category of the run modes, "tl.runmodes". Their results go to
// standard output; this is for failures they catch and go on from.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcRunModes)
