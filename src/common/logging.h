#pragma once

#include <QLoggingCategory>

// The program's logging categories, one per part of it. By default only
// warnings are written; QT_LOGGING_RULES="q4.*=true" shows everything, for
// example QT_LOGGING_RULES="q4.device.debug=true;q4.transport.debug=true"
// for the device link alone.

// The shell: start-up, the per-user folder, a second start.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
// Discovery, the interfaces chosen, connection events and command failures,
// the event listener's life.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
// Every report on the real hidraw interfaces, with its bytes and result: the
// hardware path's counterpart of the emulated devices' trace file.
Q_DECLARE_LOGGING_CATEGORY(lcTransport)
// The settings files: writes that failed, files that could not be read.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
// The front end: the view's slots, the scene, the desktop's pointer settings.
Q_DECLARE_LOGGING_CATEGORY(lcUi)
