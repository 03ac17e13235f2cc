#include "ui/ui_logging.h"

Q_LOGGING_CATEGORY(lcUi, "q4.ui", QtWarningMsg)
