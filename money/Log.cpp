#include "money/Log.h"

Q_LOGGING_CATEGORY(lcMoney, "tl.money")
