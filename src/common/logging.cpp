#include "common/logging.h"

Q_LOGGING_CATEGORY(lcApp, "q4.app", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDevice, "q4.device", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTransport, "q4.transport", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "q4.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUi, "q4.ui", QtWarningMsg)
