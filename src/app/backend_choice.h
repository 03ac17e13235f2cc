#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <memory>

#include "device/hid_backend.h"

// Which devices the program talks to: the emulated Q4 mouse (with the
// emulated keyboard beside it), or the real USB devices through hidapi.
struct DeviceChoice {
    bool isEmulated = false;
    // The emulated devices append one line per report to this file; empty
    // for none.
    QString tracePath;

    // Q4CONFIG_DEVICE=emulated and Q4CONFIG_EMULATOR_TRACE=<file>.
    static DeviceChoice fromEnvironment(const QProcessEnvironment& environment);
};

std::unique_ptr<HidBackend> createBackend(const DeviceChoice& choice);
std::unique_ptr<HidBackend> createBackendFromEnvironment();
