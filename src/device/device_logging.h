#pragma once

#include <QLoggingCategory>

// The device link's log: connection events and command failures under
// "q4.device", the transfers themselves under "q4.transport". By default
// only warnings are written; QT_LOGGING_RULES="q4.*=true" shows all.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
Q_DECLARE_LOGGING_CATEGORY(lcTransport)
