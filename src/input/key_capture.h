#pragma once

#include <QObject>
#include <QtGlobal>

#include "input/key_code_maps.h"

class QKeyEvent;
class QMouseEvent;

// One key event: a USB HID keyboard usage, 1 down and 0 up; reported once per
// change of the key's state.
using KeyboardHookCallback = void (*)(uchar usage, uchar isDown, void* context);
// One press or release of the left, middle or right mouse button: the
// button's code and its position on the desktop.
using MouseHookCallback = void (*)(uchar code, uchar isDown, uint x, uint y, void* context);

namespace mouse_codes {
// The device's codes of the three main mouse buttons.
constexpr uchar kLeft = 0xF0;
constexpr uchar kRight = 0xF1;
constexpr uchar kMiddle = 0xF2;
}  // namespace mouse_codes

// Feeds the key-assignment and macro pages with the keys and mouse buttons
// the user presses. An X11 or Wayland desktop lets no client see input meant
// for other clients, so the capture is an event filter on the application:
// it sees every key while the application is active and every button press
// inside its windows. Key events are translated through the PC scan code
// (KeyCodeMaps); events are only observed, never consumed.
//
// Threads: lives on the GUI thread (the application's thread), which runs the
// filter and the callbacks. A callback must return quickly; it only posts work.
class KeyCapture final : public QObject {
    Q_OBJECT

public:
    explicit KeyCapture(bool isNonUsLayout, QObject* parent = nullptr);
    ~KeyCapture() override;

    // Installs the filter on the application (again: first removes it).
    // False when there is no application object or it lives on another
    // thread.
    bool install();
    void remove();
    bool isInstalled() const { return installed; }

    void setKeyboardCallback(KeyboardHookCallback callback, void* context);
    void setMouseCallback(MouseHookCallback callback, void* context);

    const KeyTranslator& translator() const { return keyTranslator; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handleKey(const QKeyEvent& event);
    void handleMouse(const QMouseEvent& event);
    void reportKey(uchar usage, bool isDown);
    void releaseHeldKeys();

    KeyTranslator keyTranslator;
    bool installed = false;
    KeyboardHookCallback keyboardCallback = nullptr;
    void* keyboardContext = nullptr;
    MouseHookCallback mouseCallback = nullptr;
    void* mouseContext = nullptr;
};

// The program's one capture, driven by the entry point. The callbacks may be
// registered before or after initInputHooks and survive re-initialisation.
// All of these run on the GUI thread.

// Stores isNonUsLayout in *flag (when flag is not null), builds the key maps
// with it, then installHooks(); returns its result.
bool initInputHooks(bool* flag, bool isNonUsLayout);
// Removes the capture if installed and installs it again; true when it is
// installed. Without initInputHooks the maps use the US layout.
bool installHooks();
// Stops the capture; safe to call when it is not installed.
void removeHooks();
void setKeyboardCallback(KeyboardHookCallback callback, void* context);
void setMouseCallback(MouseHookCallback callback, void* context);
