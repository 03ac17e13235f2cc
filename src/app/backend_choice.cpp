#include "app/backend_choice.h"

#include <QByteArray>
#include <QtGlobal>

#include "emulator/emulated_mouse.h"

std::unique_ptr<HidBackend> createBackendFromEnvironment() {
    if (qgetenv("Q4CONFIG_DEVICE") == "emulated") {
        auto mouse = std::make_unique<EmulatedMouse>();
        const QByteArray tracePath = qgetenv("Q4CONFIG_EMULATOR_TRACE");
        if (!tracePath.isEmpty()) mouse->setTraceFile(tracePath.toStdString());
        return mouse;
    }
    return createHidapiBackend();
}
