#include "app/display_guard.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "app/exit_codes.h"

namespace {

QtMessageHandler previousHandler = nullptr;

void writeLine(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (previousHandler) {
        previousHandler(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    }
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    writeLine(type, context, text);
    if (type != QtFatalMsg) return;
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    std::fprintf(stderr,
                 "q4config: no display to show the window on (DISPLAY=%s, WAYLAND_DISPLAY=%s); "
                 "start it from a desktop session.\n",
                 display.isEmpty() ? "unset" : display.constData(),
                 wayland.isEmpty() ? "unset" : wayland.constData());
    std::fflush(stderr);
    // Nothing of the program exists yet that would need to be torn down.
    std::_Exit(kExitNoDisplay);
}

}  // namespace

void guardDisplayConnection() {
    previousHandler = qInstallMessageHandler(handleMessage);
}

void endDisplayGuard() {
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}
