#include "runmodes/Log.h"

Q_LOGGING_CATEGORY(lcRunModes, "tl.runmodes")
