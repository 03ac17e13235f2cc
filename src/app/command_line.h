#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "app/backend_choice.h"
#include "app/renderer_choice.h"

// The program's command line: --help, --version, --emulated (the same as
// Q4CONFIG_DEVICE=emulated), --trace FILE (the same as
// Q4CONFIG_EMULATOR_TRACE=FILE) and --renderer NAME (the same as
// Q4CONFIG_RENDERER=NAME). The environment variables keep working; an
// option on the command line wins over its variable. A renderer the
// option names wrongly refuses the start; one the variable names wrongly
// is warned about later and decided as "auto".
//
// --help and --version are answered before the application object exists,
// so they work without a display; everything else is read after the
// application object has taken Qt's own options (-platform, -style, ...)
// out of the arguments.
class CommandLine {
public:
    // arguments: the program's name first.
    CommandLine(const QStringList& arguments, const QProcessEnvironment& environment);

    bool isValid() const { return errorMessage.isEmpty(); }
    // Why the arguments were refused, with a hint at --help.
    QString errorText() const { return errorMessage; }
    DeviceChoice deviceChoice() const { return devices; }
    RendererRequest rendererRequest() const { return renderer; }

    // Whether an argument asks for the help or the version text.
    static bool asksForHelpOrVersion(int argc, char* argv[]);
    // Prints the help or the version text (or the error in the arguments)
    // and returns the exit code.
    static int answerHelpOrVersion(int argc, char* argv[]);
    // Prints the error in the arguments; returns the exit code.
    int refuse() const;

private:
    QString errorMessage;
    DeviceChoice devices;
    RendererRequest renderer;
};

// The program's name and version as the application object, the desktop
// and the help text give them.
void describeApplication();
