// The pointer sliders and the acceleration switch on the X11 back end: the
// value each slider index stands for, what the profile keeps, the failure
// lines without an X server, and the X server's pointer control read back
// from a private Xvfb server.

#include <QGuiApplication>
#include <QProcess>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "guarded_test_case.h"
#include "mouse/pointer_settings.h"
#include "settings/settings_file.h"

// Last: Xlib's macros clash with Qt names.
#include <X11/Xlib.h>

namespace {

// The pointer settings on a profile in a fresh folder, and the slider
// indices read back as the pages read them.
struct Bench {
    explicit Bench(std::unique_ptr<PointerBackend> backend)
        : pointer([this] { return &profile; }, std::move(backend)) {}

    QTemporaryDir folder;
    SettingsFile profile{folder.filePath("p1.bin")};
    PointerSettings pointer;
};

// A private X server on a display it picks itself. It holds one connection
// open for its whole life, as a session's clients do: an X server resets its
// pointer control when its last client leaves, and the back end connects
// only for each call.
struct PrivateXServer {
    PrivateXServer() {
        process.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
        if (!process.waitForReadyRead(10000)) return;  // the number, once it listens
        name = ":" + process.readLine().trimmed();
        session = XOpenDisplay(name.constData());
    }
    ~PrivateXServer() { stop(); }

    void stop() {
        if (session) XCloseDisplay(session);
        session = nullptr;
        process.terminate();
        if (!process.waitForFinished(3000)) process.kill();
    }

    QString control() const {
        int numerator = 0, denominator = 0, threshold = 0;
        XGetPointerControl(session, &numerator, &denominator, &threshold);
        return QStringLiteral("%1/%2 threshold %3").arg(numerator).arg(denominator).arg(threshold);
    }

    QProcess process;
    QByteArray name;
    Display* session = nullptr;
};

}  // namespace

class TestPointerSettings : public GuardedTestCase {
    Q_OBJECT

private slots:
    // No X server (the offscreen platform): the server part fails with its
    // lines and the stored index stands. Wheel lines (index + 1) and the
    // double-click time (900 ms at 0 down to 200 ms at 10) still reach this
    // program; an index above 10 is stored as given and applied as 10.
    void withoutX11() {
        Bench bench(X11PointerBackend::forSession());
        QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
        bench.pointer.setCursorSpeed(4);
        QCOMPARE(bench.pointer.getCursorSpeed(), 4u);
        QTest::ignoreMessage(QtDebugMsg, "setAcceleration Failed");
        bench.pointer.setAcceleration(true);
        QTest::ignoreMessage(QtDebugMsg, "getAcceleration Failed");
        QVERIFY(!bench.pointer.getAcceleration());
        const QStyleHints* hints = QGuiApplication::styleHints();
        const int rows[][3] = {{0, 1, 900}, {10, 11, 200}, {99, 11, 200}};  // index, lines, ms
        for (const auto& [index, lines, milliseconds] : rows) {
            bench.pointer.setVerticalScrollLines(unsigned(index));
            bench.pointer.setDoubleClickSpeed(unsigned(index));
            QCOMPARE(hints->wheelScrollLines(), lines);
            QCOMPARE(hints->mouseDoubleClickInterval(), milliseconds);
            QCOMPARE(bench.pointer.getVerticalScrollLines(), unsigned(index));
            QCOMPARE(bench.pointer.getDoubleClickSpeed(), unsigned(index));
        }
        // The cursor speed for index 0 is 1, not 0; 10 is the fastest, 20.
        QCOMPARE(PointerSettings::mouseSpeedFor(0), 1);
        QCOMPARE(PointerSettings::mouseSpeedFor(10), 20);
    }

    // Each step as the X server then holds it: speed index 0 is speed 1
    // (1/10), index 10 speed 20; acceleration doubles the ratio and sets the
    // threshold, keeping the speed and a threshold set elsewhere. The profile
    // keeps the speed index only; a server gone fails the call with its line.
    void x11OnXvfb() {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty()) QSKIP("Xvfb is not installed");
        PrivateXServer server;
        QVERIFY2(server.session, "Xvfb did not start");
        Bench bench(std::make_unique<X11PointerBackend>(server.name));
        PointerSettings& pointer = bench.pointer;
        QCOMPARE(server.control(), QString("2/1 threshold 4"));  // speed 10, accelerated
        QVERIFY(pointer.getAcceleration());
        const std::vector<std::pair<std::function<void()>, QString>> steps = {
            {[&] { pointer.setAcceleration(false); }, "1/1 threshold 1"},
            {[&] { pointer.setCursorSpeed(0); }, "1/10 threshold 1"},
            {[&] { pointer.setCursorSpeed(10); }, "2/1 threshold 1"},
            {[&] { pointer.setAcceleration(true); }, "4/1 threshold 4"},
            {[&] { pointer.setCursorSpeed(2); }, "4/5 threshold 4"},
            // xset m 4/5 7
            {[&] { XChangePointerControl(server.session, False, True, 0, 0, 7); },
             "4/5 threshold 7"},
            {[&] { pointer.setAcceleration(false); }, "2/5 threshold 1"},
            {[&] { pointer.setAcceleration(true); }, "4/5 threshold 7"},
        };
        for (const auto& [step, expected] : steps) {
            step();
            XSync(server.session, False);
            QCOMPARE(server.control(), expected);
        }
        QCOMPARE(bench.pointer.getCursorSpeed(), 2u);
        QCOMPARE(bench.profile.allKeys(), QStringList{PointerSettings::kCursorSpeedKey});
        server.stop();
        QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
        pointer.setCursorSpeed(3);
    }
};

QTEST_MAIN(TestPointerSettings)
#include "tst_pointer_settings.moc"
