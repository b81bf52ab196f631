#include "data/Log.h"

Q_LOGGING_CATEGORY(lcData, "tl.data")
