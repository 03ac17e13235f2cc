#include <QApplication>
#include <QDir>

#include "app/backend_choice.h"
#include "app/renderer_choice.h"
#include "app/startup.h"
#include "app/widget.h"
#include "input/key_capture.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    chooseRenderer();
    // Everything the program reads lies under ./modules beside the executable.
    const QString programPath = QCoreApplication::applicationFilePath();
    QDir::setCurrent(programPath.left(programPath.lastIndexOf('/')));

    const std::unique_ptr<HidBackend> backend = createBackendFromEnvironment();
    int exitCode = 0;
    {
        Widget window;
        window.setDeviceBackend(backend.get());
        bool isNonUsLayout = false;
        initInputHooks(&isNonUsLayout, false);
        setKeyboardCallback(onHookKey, &window);
        setMouseCallback(onHookMouse, &window);
        startProgram(window);
        exitCode = application.exec();
        removeHooks();
    }
    return exitCode;
}
