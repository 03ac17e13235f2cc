// The capture that feeds the key-assignment and macro pages: window-system
// key and mouse events become usages and button codes, each press once, and
// the capture only observes: it consumes no event.

#include <QtTest/qtestspontaneevent.h>

#include <QWindow>
#include <QtTest>

#include "guarded_test_case.h"
#include "input/key_capture.h"

namespace {

// What the callbacks report, e.g. "04 1" (usage, down) or "F0 0 1234,567".
QStringList reported;

void recordKey(uchar usage, uchar isDown, void*) {
    reported.append(QString::asprintf("%02X %d", usage, isDown));
}
void recordButton(uchar code, uchar isDown, uint x, uint y, void*) {
    reported.append(QString::asprintf("%02X %d %d,%d", code, isDown, int(x), int(y)));
}

// A press and a release as reported; nothing for a negative code.
QStringList tap(int code, const QString& at = {}) {
    const QString hex = QString::asprintf("%02X ", code);
    return code < 0 ? QStringList() : QStringList{hex + "1" + at, hex + "0" + at};
}

constexpr quint32 kEvdevA = 30, kEvdevB = 48;

}  // namespace

class KeyCaptureTest : public GuardedTestCase {
    Q_OBJECT

    QWindow window;
    std::unique_ptr<KeyCapture> capture;

    // Hands an event to the capture as Qt does: the window system's delivery
    // to the window counts; the same event passed on to a widget (or an
    // embedded scene), or sent by code, must not. No delivery is consumed.
    void deliver(QEvent& event) {
        QObject widget;
        const qsizetype before = reported.size();
        QVERIFY(!capture->eventFilter(&window, &event));  // not spontaneous
        QSpontaneKeyEvent::setSpontaneous(&event);
        QVERIFY(!capture->eventFilter(&widget, &event));
        QCOMPARE(reported.size(), before);
        QVERIFY(!capture->eventFilter(&window, &event));
    }
    // A key as X11 and Wayland report it: evdev code + 8.
    void key(QEvent::Type type, quint32 evdev, Qt::KeyboardModifiers modifiers = {},
             bool isAutoRepeat = false) {
        QKeyEvent event(type, Qt::Key_unknown, modifiers, evdev + 8, 0, 0, QString(), isAutoRepeat);
        deliver(event);
    }

private slots:
    void init() {
        GuardedTestCase::init();
        reported.clear();
        capture = std::make_unique<KeyCapture>(false);
        capture->setKeyboardCallback(recordKey, nullptr);
        capture->setMouseCallback(recordButton, nullptr);
        QVERIFY(capture->install());
    }

    // Keys by their native code: the evdev code names the PC key, with the
    // modifier for the two keys a PC keyboard renames under Alt and Ctrl.
    void keys_data() {
        QTest::addColumn<uint>("evdev");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("usage");  // -1: not reported
        const Qt::KeyboardModifiers none;
        QTest::newRow("main Enter") << 28u << none << 0x28;
        QTest::newRow("keypad Enter") << 96u << none << 0x58;
        QTest::newRow("right Alt") << 100u << none << 0xE6;
        QTest::newRow("Alt+Print Screen") << 99u << Qt::KeyboardModifiers(Qt::AltModifier) << 0x46;
        QTest::newRow("Ctrl+Break") << 119u << Qt::KeyboardModifiers(Qt::ControlModifier) << 0x48;
        QTest::newRow("Num Lock") << 69u << none << 0x53;
        QTest::newRow("right Super, unmapped") << 126u << none << -1;
    }
    void keys() {
        QFETCH(uint, evdev);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, usage);
        key(QEvent::KeyPress, evdev, modifiers);
        key(QEvent::KeyRelease, evdev, modifiers);
        QCOMPARE(reported, tap(usage));
    }

    // X11 repeats a held key as release/press pairs marked auto-repeat: one
    // down. Losing the focus releases the held keys; their real releases go
    // to another client, so the next press is a press again.
    void heldKeys() {
        key(QEvent::KeyPress, kEvdevB);
        key(QEvent::KeyPress, kEvdevA);
        key(QEvent::KeyRelease, kEvdevA, {}, true);
        key(QEvent::KeyPress, kEvdevA, {}, true);
        QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &inactive);
        key(QEvent::KeyPress, kEvdevA);
        QCOMPARE(reported, (QStringList{"05 1", "04 1", "04 0", "05 0", "04 1"}));
    }

    // The desktop position is reported, not the one inside the window; the
    // wheel and the side buttons are not reported.
    void mouseButtons_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("code");
        QTest::newRow("left") << Qt::LeftButton << 0xF0;
        QTest::newRow("right") << Qt::RightButton << 0xF1;
        QTest::newRow("middle") << Qt::MiddleButton << 0xF2;
        QTest::newRow("back side button") << Qt::BackButton << -1;
    }
    void mouseButtons() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, code);
        QMouseEvent press(QEvent::MouseButtonPress, {10, 20}, {1234, 567}, button, button, {});
        QMouseEvent release(QEvent::MouseButtonRelease, {10, 20}, {1234, 567}, button, {}, {});
        QWheelEvent wheel({10, 20}, {1234, 567}, {}, {0, 120}, {}, {}, Qt::NoScrollPhase, false);
        for (QEvent* event : std::initializer_list<QEvent*>{&press, &release, &wheel})
            deliver(*event);
        QCOMPARE(reported, tap(code, " 1234,567"));
    }

    // The program's own capture, through the window system's path: a callback
    // registered before it exists, the layout flag handed back and used,
    // installed twice still one report per key, nothing while removed. The
    // offscreen platform gives no native code, so the Qt key stands in: the
    // keypad's by its modifier, none for a shifted symbol.
    void programWideHooks() {
        capture.reset();
        setKeyboardCallback(recordKey, nullptr);
        bool flag = false;
        QVERIFY(initInputHooks(&flag, true) && flag);
        QVERIFY(installHooks());
        QTest::keyClick(&window, Qt::Key_Backslash);
        QTest::keyClick(&window, Qt::Key_Home, Qt::KeypadModifier);
        QTest::keyClick(&window, Qt::Key_Exclam);
        removeHooks();
        QTest::keyClick(&window, Qt::Key_A);
        QCOMPARE(reported, tap(0x32) + tap(0x5F));  // the non-US key, keypad 7
    }
};

QTEST_MAIN(KeyCaptureTest)
#include "tst_key_capture.moc"
