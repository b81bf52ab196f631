#include "money/ui/Log.h"

Q_LOGGING_CATEGORY(lcMoneyUi, "tl.moneyui")
