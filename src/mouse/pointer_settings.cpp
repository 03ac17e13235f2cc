#include "mouse/pointer_settings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QStyleHints>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "settings/settings_file.h"
#include "common/logging.h"

// Last: Xlib defines macros (None, Bool, Status...) that clash with Qt names.
#include <X11/Xlib.h>

namespace {

// The wire limit of the pointer-control values (INT16 in the protocol).
constexpr int kLargestControlValue = 32767;

// The error code of the last X error raised during a call, 0 for none.
int xErrorCode = 0;

int recordXError(Display*, XErrorEvent* event) {
    xErrorCode = event->error_code;
    return 0;
}

struct PointerControl {
    int numerator = 1;
    int denominator = 1;
    int threshold = 1;
};

// Runs one exchange with the X server on a connection of its own. A protocol
// error would otherwise end the process through Xlib's default handler, so a
// recording handler stands in for the call; XSync makes every error of the
// request arrive before it is removed again.
template <typename Request>
bool withDisplay(const QByteArray& name, Request request) {
    if (name.isEmpty()) return false;
    Display* display = XOpenDisplay(name.constData());
    if (!display) return false;
    xErrorCode = 0;
    const XErrorHandler previous = XSetErrorHandler(recordXError);
    const bool isDone = request(display);
    XSync(display, False);
    XSetErrorHandler(previous);
    XCloseDisplay(display);
    return isDone && xErrorCode == 0;
}

PointerControl readControl(Display* display) {
    PointerControl control;
    XGetPointerControl(display, &control.numerator, &control.denominator, &control.threshold);
    return control;
}

// X scales fast motion only while the threshold is not 1 (at 1 all motion is
// scaled alike); threshold 0 is X's polynomial acceleration, also on.
bool isAcceleratedThreshold(int threshold) {
    return threshold != 1;
}

// The style hints of this program, when it is a graphical one.
QStyleHints* applicationHints() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? QGuiApplication::styleHints()
               : nullptr;
}

unsigned sliderIndex(unsigned index) {
    return std::min(index, PointerSettings::kLargestIndex);
}

}  // namespace

X11PointerBackend::X11PointerBackend(const QByteArray& displayName) : display(displayName) {}

std::unique_ptr<PointerBackend> X11PointerBackend::forSession() {
    const bool isX11 = QGuiApplication::platformName() == QLatin1String("xcb");
    return std::make_unique<X11PointerBackend>(isX11 ? qgetenv("DISPLAY") : QByteArray());
}

X11PointerBackend::Ratio X11PointerBackend::ratioForSpeed(int speed, bool isAccelerated) {
    const int clamped = std::clamp(speed, kSlowestSpeed, kFastestSpeed);
    Ratio ratio{clamped * (isAccelerated ? 2 : 1), 10};
    const int divisor = std::gcd(ratio.numerator, ratio.denominator);
    ratio.numerator /= divisor;
    ratio.denominator /= divisor;
    return ratio;
}

int X11PointerBackend::speedForRatio(const Ratio& ratio, bool isAccelerated) {
    if (ratio.denominator <= 0) return kSlowestSpeed;
    const double gain = double(ratio.numerator) / ratio.denominator;
    const long speed = std::lround(gain * 10.0 / (isAccelerated ? 2.0 : 1.0));
    return int(std::clamp<long>(speed, kSlowestSpeed, kFastestSpeed));
}

bool X11PointerBackend::setMouseSpeed(int speed) {
    return withDisplay(display, [speed](Display* connection) {
        // The ratio depends on whether acceleration is on, which the server
        // keeps in its threshold; the threshold itself stays.
        const PointerControl control = readControl(connection);
        const Ratio ratio = ratioForSpeed(speed, isAcceleratedThreshold(control.threshold));
        XChangePointerControl(connection, True, False, ratio.numerator, ratio.denominator, 0);
        return true;
    });
}

bool X11PointerBackend::setWheelScrollLines(int lines) {
    QStyleHints* hints = applicationHints();
    if (!hints || lines < 1) return false;
    hints->setWheelScrollLines(lines);
    return true;
}

bool X11PointerBackend::setDoubleClickTime(int milliseconds) {
    QStyleHints* hints = applicationHints();
    if (!hints || milliseconds < 1) return false;
    hints->setMouseDoubleClickInterval(milliseconds);
    return true;
}

bool X11PointerBackend::getMotion(Motion& motion) {
    PointerControl control;
    const bool isRead = withDisplay(display, [&control](Display* connection) {
        control = readControl(connection);
        return true;
    });
    if (!isRead) return false;
    const bool isOn = isAcceleratedThreshold(control.threshold);
    if (isOn) keptThreshold1 = control.threshold;
    motion.threshold1 = isOn ? control.threshold : keptThreshold1;
    motion.threshold2 = keptThreshold2;
    motion.acceleration = isOn ? 1 : 0;
    return true;
}

bool X11PointerBackend::setMotion(const Motion& motion) {
    const bool isOn = motion.acceleration != 0;
    const bool isUsableThreshold = motion.threshold1 >= 0 && motion.threshold1 != 1;
    const int threshold1 =
        isUsableThreshold ? std::min(motion.threshold1, kLargestControlValue) : kDefaultThreshold;
    const int threshold = isOn ? threshold1 : 1;
    const bool isWritten = withDisplay(display, [isOn, threshold](Display* connection) {
        // The speed stays: it is read back from the ratio under the old
        // setting and written again under the new one.
        const PointerControl control = readControl(connection);
        const int speed = speedForRatio({control.numerator, control.denominator},
                                        isAcceleratedThreshold(control.threshold));
        const Ratio ratio = ratioForSpeed(speed, isOn);
        XChangePointerControl(connection, True, True, ratio.numerator, ratio.denominator,
                              threshold);
        return true;
    });
    if (!isWritten) return false;
    if (isUsableThreshold) keptThreshold1 = threshold1;
    keptThreshold2 = motion.threshold2;
    return true;
}

PointerSettings::PointerSettings(std::function<SettingsFile*()> profile,
                                 std::unique_ptr<PointerBackend> backend)
    : currentProfile(std::move(profile)),
      system(backend ? std::move(backend) : X11PointerBackend::forSession()) {}

PointerSettings::~PointerSettings() = default;

int PointerSettings::mouseSpeedFor(unsigned index) {
    const unsigned slider = sliderIndex(index);
    return slider == 0 ? 1 : int(2 * slider);
}

int PointerSettings::wheelScrollLinesFor(unsigned index) {
    return int(sliderIndex(index) + 1);
}

int PointerSettings::doubleClickTimeFor(unsigned index) {
    return 900 - 70 * int(sliderIndex(index));
}

void PointerSettings::store(const char* key, unsigned index) {
    if (SettingsFile* profile = currentProfile ? currentProfile() : nullptr)
        profile->setValue(key, index);
}

void PointerSettings::setCursorSpeed(unsigned cursorSpeed) {
    store(kCursorSpeedKey, cursorSpeed);
    if (!system->setMouseSpeed(mouseSpeedFor(cursorSpeed))) qCDebug(lcUi, "setCursorSpeed Failed");
}

void PointerSettings::setVerticalScrollLines(unsigned lines) {
    store(kScrollLinesKey, lines);
    if (!system->setWheelScrollLines(wheelScrollLinesFor(lines)))
        qCDebug(lcUi, "setVerticalScrollLines Failed");
}

void PointerSettings::setDoubleClickSpeed(unsigned speed) {
    store(kDoubleClickSpeedKey, speed);
    if (!system->setDoubleClickTime(doubleClickTimeFor(speed)))
        qCDebug(lcUi, "setDoubleClickSpeed Failed");
}

void PointerSettings::setAcceleration(bool acceleration) {
    PointerBackend::Motion motion;
    if (!system->getMotion(motion)) {
        qCDebug(lcUi, "setAcceleration Failed");
        return;
    }
    motion.acceleration = acceleration ? 1 : 0;
    if (!system->setMotion(motion)) qCDebug(lcUi, "setAcceleration Failed");
}

bool PointerSettings::getAcceleration() {
    PointerBackend::Motion motion;
    if (!system->getMotion(motion)) {
        qCDebug(lcUi, "getAcceleration Failed");
        return false;
    }
    return motion.acceleration != 0;
}

unsigned PointerSettings::stored(const char* key) const {
    const SettingsFile* profile = currentProfile ? currentProfile() : nullptr;
    return profile ? profile->value(key, 0).toUInt() : 0;
}

unsigned PointerSettings::getCursorSpeed() const {
    return stored(kCursorSpeedKey);
}

unsigned PointerSettings::getVerticalScrollLines() const {
    return stored(kScrollLinesKey);
}

unsigned PointerSettings::getDoubleClickSpeed() const {
    return stored(kDoubleClickSpeedKey);
}
