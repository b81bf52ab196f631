#include "app/ServicesLog.h"

Q_LOGGING_CATEGORY(lcServices, "tl.services")
