#include "settings/settings_logging.h"

Q_LOGGING_CATEGORY(lcSettings, "q4.settings", QtWarningMsg)
