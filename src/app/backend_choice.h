#pragma once

#include <memory>

#include "device/hid_backend.h"

// The device back end the program talks to: the emulated Q4 mouse when
// Q4CONFIG_DEVICE is "emulated" (its trace goes to Q4CONFIG_EMULATOR_TRACE
// when that names a file), otherwise the real USB devices through hidapi.
std::unique_ptr<HidBackend> createBackendFromEnvironment();
