#include "device/device_logging.h"

Q_LOGGING_CATEGORY(lcDevice, "q4.device", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTransport, "q4.transport", QtInfoMsg)
