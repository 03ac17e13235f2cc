// The capture that feeds the key-assignment and macro pages: window-system
// key and mouse events become usages and button codes, each press once, and
// the application still receives every event.

#include <QtTest/qtestspontaneevent.h>

#include <QWindow>
#include <QtTest>

#include "input/key_capture.h"

namespace {

struct Report {
    int code;
    int isDown;
    uint x = 0;
    uint y = 0;

    bool operator==(const Report& o) const {
        return code == o.code && isDown == o.isDown && x == o.x && y == o.y;
    }
};

struct Recorder {
    QList<Report> keys;
    QList<Report> buttons;
};

void recordKey(uchar usage, uchar isDown, void* context) {
    static_cast<Recorder*>(context)->keys.append({usage, isDown});
}

void recordButton(uchar code, uchar isDown, uint x, uint y, void* context) {
    static_cast<Recorder*>(context)->buttons.append({code, isDown, x, y});
}

QList<Report> tap(int usage) {
    return usage < 0 ? QList<Report>{} : QList<Report>{{usage, 1}, {usage, 0}};
}

// Counts what reaches the window, to show the capture consumes nothing.
class CountingWindow : public QWindow {
public:
    int keyPresses = 0;
    int mousePresses = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++keyPresses; }
    void mousePressEvent(QMouseEvent*) override { ++mousePresses; }
};

// Delivers an event as the window system does: spontaneous.
void deliver(QObject* receiver, QEvent* event) {
    QSpontaneKeyEvent::setSpontaneous(event);
    QCoreApplication::instance()->notify(receiver, event);
}

// A key as X11 and Wayland report it: evdev code + 8.
void nativeKey(QObject* receiver, QEvent::Type type, quint32 evdev,
               Qt::KeyboardModifiers modifiers = {}, bool isAutoRepeat = false) {
    QKeyEvent event(type, Qt::Key_unknown, modifiers, evdev + 8, 0, 0, QString(), isAutoRepeat);
    deliver(receiver, &event);
}

void nativeTap(QObject* receiver, quint32 evdev, Qt::KeyboardModifiers modifiers = {}) {
    nativeKey(receiver, QEvent::KeyPress, evdev, modifiers);
    nativeKey(receiver, QEvent::KeyRelease, evdev, modifiers);
}

constexpr quint32 kEvdevA = 30;
constexpr quint32 kEvdevB = 48;
constexpr quint32 kEvdevBackslash = 43;

}  // namespace

class KeyCaptureTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keys_data();
    void keys();
    void autoRepeatGivesOneDown();
    void losingTheFocusReleasesHeldKeys();
    void mouseButtons_data();
    void mouseButtons();
    void onlyTheWindowSystemDeliveryCounts();
    void doubleClickFromTheWindowSystem();
    void programWideHooks();

private:
    std::unique_ptr<CountingWindow> window;
    std::unique_ptr<KeyCapture> capture;
    Recorder recorder;

    void startCapture(bool isNonUsLayout);
};

void KeyCaptureTest::init() {
    recorder = Recorder();
    window = std::make_unique<CountingWindow>();
    window->setGeometry(100, 100, 300, 200);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    startCapture(false);
}

void KeyCaptureTest::cleanup() {
    capture.reset();
    window.reset();
}

void KeyCaptureTest::startCapture(bool isNonUsLayout) {
    capture = std::make_unique<KeyCapture>(isNonUsLayout);
    capture->setKeyboardCallback(recordKey, &recorder);
    capture->setMouseCallback(recordButton, &recorder);
    QVERIFY(capture->install());
}

void KeyCaptureTest::keys_data() {
    QTest::addColumn<uint>("evdev");  // 0: no native code, the Qt key stands in
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("isNonUsLayout");
    QTest::addColumn<int>("usage");  // -1: not reported

    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers keypad(Qt::KeypadModifier);
    QTest::newRow("main Enter") << 28u << 0 << none << false << 0x28;
    QTest::newRow("keypad Enter") << 96u << 0 << none << false << 0x58;
    QTest::newRow("right Ctrl") << 97u << 0 << none << false << 0xE4;
    QTest::newRow("right Alt") << 100u << 0 << none << false << 0xE6;
    QTest::newRow("backslash, US") << uint(kEvdevBackslash) << 0 << none << false << 0x31;
    QTest::newRow("backslash, non-US") << uint(kEvdevBackslash) << 0 << none << true << 0x32;
    QTest::newRow("Alt+Print Screen")
        << 99u << 0 << Qt::KeyboardModifiers(Qt::AltModifier) << false << 0x46;
    QTest::newRow("Ctrl+Break") << 119u << 0 << Qt::KeyboardModifiers(Qt::ControlModifier) << false
                                << 0x48;
    QTest::newRow("Num Lock") << 69u << 0 << none << false << 0x53;
    QTest::newRow("keypad Delete") << 83u << 0 << none << false << 0x63;
    QTest::newRow("F23") << 193u << 0 << none << false << 0x72;
    QTest::newRow("right Super") << 126u << 0 << none << false << -1;
    QTest::newRow("mute") << 113u << 0 << none << false << -1;
    QTest::newRow("Qt key A") << 0u << int(Qt::Key_A) << none << false << 0x04;
    QTest::newRow("Qt key keypad Enter") << 0u << int(Qt::Key_Enter) << keypad << false << 0x58;
    QTest::newRow("Qt key keypad 7 as Home") << 0u << int(Qt::Key_Home) << keypad << false << 0x5F;
    QTest::newRow("Qt key shifted symbol") << 0u << int(Qt::Key_Exclam) << none << false << -1;
}

void KeyCaptureTest::keys() {
    QFETCH(uint, evdev);
    QFETCH(int, qtKey);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, isNonUsLayout);
    QFETCH(int, usage);

    startCapture(isNonUsLayout);
    if (evdev != 0)
        nativeTap(window.get(), evdev, modifiers);
    else  // through the window system's own path
        QTest::keyClick(window.get(), Qt::Key(qtKey), modifiers);
    QCOMPARE(recorder.keys, tap(usage));
    QCOMPARE(window->keyPresses, 1);
}

// X11 repeats a held key as release/press pairs marked auto-repeat.
void KeyCaptureTest::autoRepeatGivesOneDown() {
    nativeKey(window.get(), QEvent::KeyPress, kEvdevA);
    for (int repeat = 0; repeat < 3; ++repeat) {
        nativeKey(window.get(), QEvent::KeyRelease, kEvdevA, {}, true);
        nativeKey(window.get(), QEvent::KeyPress, kEvdevA, {}, true);
    }
    nativeKey(window.get(), QEvent::KeyRelease, kEvdevA);
    QCOMPARE(recorder.keys, tap(0x04));
}

void KeyCaptureTest::losingTheFocusReleasesHeldKeys() {
    nativeKey(window.get(), QEvent::KeyPress, kEvdevB);
    nativeKey(window.get(), QEvent::KeyPress, kEvdevA);
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &inactive);
    QCOMPARE(recorder.keys, (QList<Report>{{0x05, 1}, {0x04, 1}, {0x04, 0}, {0x05, 0}}));

    // The real release went to another client; the next press is a press.
    nativeKey(window.get(), QEvent::KeyPress, kEvdevA);
    QCOMPARE(recorder.keys.size(), 5);
}

void KeyCaptureTest::mouseButtons_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("code");

    QTest::newRow("left") << Qt::LeftButton << 0xF0;
    QTest::newRow("right") << Qt::RightButton << 0xF1;
    QTest::newRow("middle") << Qt::MiddleButton << 0xF2;
    QTest::newRow("back side button") << Qt::BackButton << -1;
    QTest::newRow("forward side button") << Qt::ForwardButton << -1;
}

void KeyCaptureTest::mouseButtons() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, code);

    // The desktop position is reported, not the one inside the window.
    QMouseEvent press(QEvent::MouseButtonPress, {10, 20}, {1234, 567}, button, button, {});
    QMouseEvent release(QEvent::MouseButtonRelease, {10, 20}, {1234, 567}, button, {}, {});
    deliver(window.get(), &press);
    deliver(window.get(), &release);
    QWheelEvent wheel({10, 20}, {1234, 567}, {}, {0, 120}, {}, {}, Qt::NoScrollPhase, false);
    deliver(window.get(), &wheel);

    const QList<Report> expected =
        code < 0 ? QList<Report>{} : QList<Report>{{code, 1, 1234, 567}, {code, 0, 1234, 567}};
    QCOMPARE(recorder.buttons, expected);
    QCOMPARE(window->mousePresses, 1);
}

// Qt hands the window's events on to widgets and embedded scenes, and code
// may send events of its own; each press must count once.
void KeyCaptureTest::onlyTheWindowSystemDeliveryCounts() {
    QObject widgetStandIn;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, {}, kEvdevA + 8, 0, 0);
    QMouseEvent press(QEvent::MouseButtonPress, {10, 20}, {110, 120}, Qt::LeftButton,
                      Qt::LeftButton, {});
    for (QEvent* event : {static_cast<QEvent*>(&key), static_cast<QEvent*>(&press)}) {
        deliver(&widgetStandIn, event);
        QCoreApplication::sendEvent(window.get(), event);
    }
    QVERIFY(recorder.keys.isEmpty());
    QVERIFY(recorder.buttons.isEmpty());
}

// Every press and release once, the double-click event itself not at all.
void KeyCaptureTest::doubleClickFromTheWindowSystem() {
    const QPoint global = window->mapToGlobal(QPoint(30, 40));
    QTest::mouseDClick(window.get(), Qt::LeftButton, {}, QPoint(30, 40));

    const Report down{0xF0, 1, uint(global.x()), uint(global.y())};
    const Report up{0xF0, 0, down.x, down.y};
    QCOMPARE(recorder.buttons, (QList<Report>{down, up, down, up}));
}

void KeyCaptureTest::programWideHooks() {
    capture.reset();
    setKeyboardCallback(recordKey, &recorder);  // before the hooks exist
    setMouseCallback(recordButton, &recorder);
    bool flag = false;
    QVERIFY(initInputHooks(&flag, true));
    QVERIFY(flag);

    QVERIFY(installHooks());  // twice: still one report per key
    nativeTap(window.get(), kEvdevBackslash);
    QCOMPARE(recorder.keys, tap(0x32));

    removeHooks();
    nativeTap(window.get(), kEvdevA);
    QTest::mouseClick(window.get(), Qt::LeftButton);
    QCOMPARE(recorder.keys.size(), 2);
    QVERIFY(recorder.buttons.isEmpty());

    QVERIFY(installHooks());
    QTest::mouseClick(window.get(), Qt::RightButton);
    QCOMPARE(recorder.buttons.size(), 2);

    removeHooks();
    setKeyboardCallback(nullptr, nullptr);
    setMouseCallback(nullptr, nullptr);
}

QTEST_MAIN(KeyCaptureTest)
#include "tst_key_capture.moc"
