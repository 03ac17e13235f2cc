#include "device/device_logging.h"

Q_LOGGING_CATEGORY(lcDevice, "q4.device", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTransport, "q4.transport", QtWarningMsg)
