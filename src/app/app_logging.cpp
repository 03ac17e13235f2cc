#include "app/app_logging.h"

Q_LOGGING_CATEGORY(lcApp, "q4.app", QtWarningMsg)
