#include "pdf/Log.h"

Q_LOGGING_CATEGORY(lcPdf, "tl.pdf")
