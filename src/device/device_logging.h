#pragma once

#include <QLoggingCategory>

// The device link's logging categories. Their debug lines are off unless
// asked for, for example with
//   QT_LOGGING_RULES="q4.device.debug=true;q4.transport.debug=true"
// Warnings show by default.

// Discovery, the interfaces chosen, the event listener's life.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
// Every report on the real hidraw interfaces, with its bytes and result: the
// hardware path's counterpart of the emulated devices' trace file.
Q_DECLARE_LOGGING_CATEGORY(lcTransport)
