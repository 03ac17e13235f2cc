#include <QApplication>
#include <QProcessEnvironment>

#include "app/backend_choice.h"
#include "app/command_line.h"
#include "app/display_guard.h"
#include "app/exit_codes.h"
#include "app/renderer_choice.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "app/startup_script.h"
#include "app/termination_signals.h"
#include "app/user_folder.h"
#include "app/widget.h"
#include "input/key_capture.h"

int main(int argc, char* argv[]) {
    if (CommandLine::asksForHelpOrVersion(argc, argv))
        return CommandLine::answerHelpOrVersion(argc, argv);
    describeApplication();
    guardDisplayConnection();
    QApplication application(argc, argv);
    endDisplayGuard();
    const CommandLine commandLine(application.arguments(),
                                  QProcessEnvironment::systemEnvironment());
    if (!commandLine.isValid()) return commandLine.refuse();
    SingleInstance instance;
    if (const std::optional<int> exitCode = instance.claimOrExitCode()) return *exitCode;
    // Everything the program reads lies under ./modules in its working
    // directory: beside the executable in the build tree, the user's own
    // folder when installed.
    if (const std::optional<int> exitCode = enterWorkingFolder()) return *exitCode;
    setProgramIcon();
    const TerminationSignals termination;

    // Before any Qt Quick window exists, and not in a second copy that only
    // raises the first one.
    chooseRenderer(commandLine.rendererRequest());

    const std::unique_ptr<HidBackend> backend = createBackend(commandLine.deviceChoice());
    int exitCode = kExitSuccess;
    {
        Widget window(Widget::SceneStart::AfterShow);
        window.setDeviceBackend(backend.get());
        instance.raiseOnRequest(&window);
        bool isNonUsLayout = false;
        initInputHooks(&isNonUsLayout, false);
        setKeyboardCallback(onHookKey, &window);
        setMouseCallback(onHookMouse, &window);
        const bool isShown = startProgram(window);
        // Scripts drive the program from outside for its tests; a real mouse
        // is never driven by a file named in the environment.
        if (isShown && commandLine.deviceChoice().isEmulated) runScriptFromEnvironment(window);
        exitCode = application.exec();
        removeHooks();
        // A start that never showed the window failed, whatever ended it.
        if (!isShown) exitCode = kExitNoDevice;
    }
    return exitCode;
}
