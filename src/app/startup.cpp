#include "app/startup.h"

#include "app/widget.h"
#include "common/prompt.h"
#include "device/link_state.h"
#include "ui/my_qquick_view.h"

bool startProgram(Widget& window) {
    window.checkDevice();
    if (!isDeviceOk) return false;
    window.showNormal();
    // On screen first, then the scene: until run() the scene is invisible
    // anyway, and a window that appears at once tells the user the program
    // has started.
    window.loadScene();
    window.startUi();
    // Shown before the event loop runs, so it is closed before the scene
    // starts moving.
    if (isDemoMode) prompt().warning(window.windowTitle(), QStringLiteral("===== Demo Mode ====="));
    return true;
}

void onHookKey(unsigned char usage, unsigned char isDown, void* context) {
    if (!context) return;
    static_cast<Widget*>(context)->view()->detectKeyboard(isDown != 0, usage);
}

void onHookMouse(unsigned char code, unsigned char isDown, unsigned x, unsigned y, void* context) {
    if (!context) return;
    static_cast<Widget*>(context)->view()->detectMouse(isDown != 0, code, x, y);
}
