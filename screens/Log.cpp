#include "screens/Log.h"

Q_LOGGING_CATEGORY(lcScreens, "tl.screens")
