#include "app/backend_choice.h"

#include <QFile>

#include "emulator/emulated_devices.h"

DeviceChoice DeviceChoice::fromEnvironment(const QProcessEnvironment& environment) {
    DeviceChoice choice;
    choice.isEmulated = environment.value(QStringLiteral("Q4CONFIG_DEVICE")) == "emulated";
    choice.tracePath = environment.value(QStringLiteral("Q4CONFIG_EMULATOR_TRACE"));
    return choice;
}

std::unique_ptr<HidBackend> createBackend(const DeviceChoice& choice) {
    if (!choice.isEmulated) return createHidapiBackend();
    // The emulated mouse, with the emulated keyboard beside it (found only
    // through its paths, as the real keyboard is never enumerated).
    auto devices = std::make_unique<EmulatedDevices>();
    if (!choice.tracePath.isEmpty())
        devices->setTraceFile(QFile::encodeName(choice.tracePath).toStdString());
    return devices;
}

std::unique_ptr<HidBackend> createBackendFromEnvironment() {
    return createBackend(DeviceChoice::fromEnvironment(QProcessEnvironment::systemEnvironment()));
}
