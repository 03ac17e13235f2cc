#include "app/backend_choice.h"

#include <QByteArray>
#include <QtGlobal>

#include "emulator/emulated_devices.h"

std::unique_ptr<HidBackend> createBackendFromEnvironment() {
    if (qgetenv("Q4CONFIG_DEVICE") == "emulated") {
        // The emulated mouse, with the emulated keyboard beside it (found
        // only through its paths, as the real keyboard is never enumerated).
        auto devices = std::make_unique<EmulatedDevices>();
        const QByteArray tracePath = qgetenv("Q4CONFIG_EMULATOR_TRACE");
        if (!tracePath.isEmpty()) devices->setTraceFile(tracePath.toStdString());
        return devices;
    }
    return createHidapiBackend();
}
