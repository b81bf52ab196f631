#include "services/Log.h"

Q_LOGGING_CATEGORY(lcServices, "tl.services")
