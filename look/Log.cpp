#include "look/Log.h"

Q_LOGGING_CATEGORY(lcLook, "tl.look")
