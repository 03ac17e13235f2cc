#include "input/key_capture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QThread>

#include "input/native_scan_codes.h"

namespace {

// The device's code of a mouse button; 0 for the buttons it is not told about
// (the side buttons and the rest).
uchar buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return mouse_codes::kLeft;
        case Qt::RightButton:
            return mouse_codes::kRight;
        case Qt::MiddleButton:
            return mouse_codes::kMiddle;
        default:
            return 0;
    }
}

// The window system hands each input event once to a window, marked
// spontaneous; Qt then passes the same event on to the widgets and to a
// QQuickWidget's offscreen scene, and the application filter sees every one
// of those deliveries. Counting only the first keeps one press one report
// (mouse buttons are not de-duplicated by state as keys are).
bool isWindowSystemDelivery(const QObject* watched, const QEvent* event) {
    return event->spontaneous() && watched->isWindowType();
}

std::optional<PcScanCode> scanCodeOf(const QKeyEvent& event) {
    // A native code that names no PC key (a media key, say) is not guessed
    // from the Qt key: that depends on the layout and could name another key.
    if (event.nativeScanCode() != 0)
        return native_scan_codes::fromNativeScanCode(event.nativeScanCode(), event.modifiers());
    return native_scan_codes::fromQtKey(event.key(), event.modifiers());
}

}  // namespace

KeyCapture::KeyCapture(bool isNonUsLayout, QObject* parent)
    : QObject(parent), keyTranslator(isNonUsLayout) {}

KeyCapture::~KeyCapture() {
    remove();
}

bool KeyCapture::install() {
    remove();
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || application->thread() != thread()) return false;
    application->installEventFilter(this);
    installed = true;
    return true;
}

void KeyCapture::remove() {
    if (!installed) return;
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
    installed = false;
    // Releases that happen while nothing watches are never seen; a key still
    // marked down would not be reported on its next press.
    keyTranslator.releaseAll();
}

void KeyCapture::setKeyboardCallback(KeyboardHookCallback callback, void* context) {
    keyboardCallback = callback;
    keyboardContext = context;
}

void KeyCapture::setMouseCallback(MouseHookCallback callback, void* context) {
    mouseCallback = callback;
    mouseContext = context;
}

bool KeyCapture::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (isWindowSystemDelivery(watched, event)) handleKey(*static_cast<QKeyEvent*>(event));
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            if (isWindowSystemDelivery(watched, event))
                handleMouse(*static_cast<QMouseEvent*>(event));
            break;
        case QEvent::ApplicationStateChange:
            if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
                Qt::ApplicationActive)
                releaseHeldKeys();
            break;
        default:
            break;
    }
    // Observe only: the pages and the rest of the application get every event.
    return false;
}

void KeyCapture::handleKey(const QKeyEvent& event) {
    // X11 repeats a held key as release/press pairs marked auto-repeat; the
    // key is still down, so neither half is a change of state.
    if (event.isAutoRepeat()) return;
    const std::optional<PcScanCode> code = scanCodeOf(event);
    if (!code) return;
    const bool isDown = event.type() == QEvent::KeyPress;
    const bool isAltDown = event.modifiers().testFlag(Qt::AltModifier);
    const std::optional<uchar> usage =
        keyTranslator.translate(code->scan, code->isExtended, isAltDown, isDown);
    if (usage) reportKey(*usage, isDown);
}

void KeyCapture::handleMouse(const QMouseEvent& event) {
    const uchar code = buttonCode(event.button());
    if (code == 0 || !mouseCallback) return;
    const QPoint global = event.globalPosition().toPoint();
    // The callback takes unsigned coordinates; a position left of or above
    // the desktop's origin wraps, and the receiver can cast it back to int.
    mouseCallback(code, event.type() == QEvent::MouseButtonPress ? 1 : 0,
                  static_cast<uint>(global.x()), static_cast<uint>(global.y()), mouseContext);
}

void KeyCapture::reportKey(uchar usage, bool isDown) {
    if (keyboardCallback) keyboardCallback(usage, isDown ? 1 : 0, keyboardContext);
}

void KeyCapture::releaseHeldKeys() {
    // Once the application is inactive the releases go to another client, so
    // the keys held now are reported released: the pages would otherwise keep
    // them down, and the next press of each would go unreported.
    for (const uchar usage : keyTranslator.releaseAll()) reportKey(usage, false);
}

namespace {

// The program's capture and the callbacks registered for it.
struct HookModule {
    QPointer<KeyCapture> capture;
    bool isNonUsLayout = false;
    KeyboardHookCallback keyboardCallback = nullptr;
    void* keyboardContext = nullptr;
    MouseHookCallback mouseCallback = nullptr;
    void* mouseContext = nullptr;
};

HookModule& hookModule() {
    static HookModule module;
    return module;
}

// The capture is a child of the application object, so it goes with it even
// when the program never removes its hooks.
KeyCapture* createCapture(const HookModule& module) {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() != application->thread()) return nullptr;
    auto* capture = new KeyCapture(module.isNonUsLayout, application);
    capture->setKeyboardCallback(module.keyboardCallback, module.keyboardContext);
    capture->setMouseCallback(module.mouseCallback, module.mouseContext);
    return capture;
}

}  // namespace

bool initInputHooks(bool* flag, bool isNonUsLayout) {
    HookModule& module = hookModule();
    // The caller's flag gets the layout; the maps read it once, here, so the
    // pointer itself is not kept.
    if (flag) *flag = isNonUsLayout;
    module.isNonUsLayout = isNonUsLayout;
    delete module.capture.data();
    module.capture = createCapture(module);
    return installHooks();
}

bool installHooks() {
    HookModule& module = hookModule();
    if (!module.capture) module.capture = createCapture(module);
    return module.capture && module.capture->install();
}

void removeHooks() {
    if (KeyCapture* capture = hookModule().capture.data()) capture->remove();
}

void setKeyboardCallback(KeyboardHookCallback callback, void* context) {
    HookModule& module = hookModule();
    module.keyboardCallback = callback;
    module.keyboardContext = context;
    if (module.capture) module.capture->setKeyboardCallback(callback, context);
}

void setMouseCallback(MouseHookCallback callback, void* context) {
    HookModule& module = hookModule();
    module.mouseCallback = callback;
    module.mouseContext = context;
    if (module.capture) module.capture->setMouseCallback(callback, context);
}
