// The pointer sliders and the acceleration switch: the value each slider
// index stands for, what the profile keeps, the failure lines, and the X11
// back end against a private Xvfb server.

#include <QGuiApplication>
#include <QProcess>
#include <QSettings>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "mouse/mouse_settings.h"
#include "mouse/pointer_settings.h"

// Last: Xlib's macros clash with Qt names.
#include <X11/Xlib.h>

namespace {

// Writes down every value the desktop is given; can be made to refuse.
class RecordingPointer final : public PointerBackend {
public:
    bool setMouseSpeed(int speed) override { return note("speed", speed); }
    bool setWheelScrollLines(int lines) override { return note("lines", lines); }
    bool setDoubleClickTime(int milliseconds) override { return note("click", milliseconds); }
    bool getMotion(Motion& current) override { return current = motion, !isReadFailing; }
    bool setMotion(const Motion& next) override {
        return isFailing ? false : (motion = next, true);
    }
    bool note(const char* what, int value) {
        calls.append(QStringLiteral("%1 %2").arg(what).arg(value));
        return !isFailing;
    }

    QStringList calls;
    Motion motion{6, 10, 1};
    bool isFailing = false;
    bool isReadFailing = false;
};

using Setter = void (PointerSettings::*)(unsigned);
using Getter = unsigned (MouseSettings::*)();

struct Bench {
    QTemporaryDir folder;
    QSettings profile{folder.filePath("p1.bin"), QSettings::IniFormat};
    RecordingPointer* system = new RecordingPointer;
    PointerSettings pointer{[this] { return &profile; }, std::unique_ptr<PointerBackend>(system)};
    MouseSettings mouse{nullptr, [this] { return &profile; }, {}};
};

QString controlText(int numerator, int denominator, int threshold) {
    return QStringLiteral("%1/%2 threshold %3").arg(numerator).arg(denominator).arg(threshold);
}

// A private X server on the first free display from :91 on. It holds one
// connection open for its whole life, as a session's clients do: an X server
// resets its pointer control when its last client leaves, and the back end
// connects only for each call.
struct PrivateXServer {
    ~PrivateXServer() { stop(); }

    bool start() {
        for (int number = 91; number < 130; ++number) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))) continue;
            name = ":" + QByteArray::number(number);
            process.start("Xvfb", {QString::fromLatin1(name), "-nolisten", "tcp"});
            QDeadlineTimer deadline(10000);
            while (!deadline.hasExpired() && process.state() != QProcess::NotRunning) {
                if ((session = XOpenDisplay(name.constData()))) return true;
                QTest::qWait(50);
            }
            stop();  // lost the race for that number, or too slow
        }
        return false;
    }

    void stop() {
        if (session) XCloseDisplay(session);
        session = nullptr;
        process.terminate();
        if (!process.waitForFinished(3000)) process.kill();
        process.waitForFinished(1000);
    }

    QString control() const {
        int numerator = 0, denominator = 0, threshold = 0;
        XGetPointerControl(session, &numerator, &denominator, &threshold);
        return controlText(numerator, denominator, threshold);
    }

    QProcess process;
    QByteArray name;
    Display* session = nullptr;
};

}  // namespace

class TestPointerSettings : public QObject {
    Q_OBJECT

private slots:
    // The index is stored as given and answered by its getter whatever the
    // desktop does; the desktop gets the value the index stands for.
    void sliders_data() {
        QTest::addColumn<int>("slider");  // cursor speed, wheel lines, double-click
        QTest::addColumn<unsigned>("index");
        QTest::addColumn<QString>("applied");
        QTest::newRow("speed 0: 1, not 0") << 0 << 0u << "speed 1";
        QTest::newRow("speed 7") << 0 << 7u << "speed 14";
        QTest::newRow("speed 10") << 0 << 10u << "speed 20";
        QTest::newRow("speed 25: as 10") << 0 << 25u << "speed 20";
        QTest::newRow("lines 0: one a notch") << 1 << 0u << "lines 1";
        QTest::newRow("double-click 0") << 2 << 0u << "click 900";
        QTest::newRow("double-click 10") << 2 << 10u << "click 200";
        QTest::newRow("double-click 99: as 10") << 2 << 99u << "click 200";
    }

    void sliders() {
        QFETCH(int, slider);
        QFETCH(unsigned, index);
        QFETCH(QString, applied);
        const Setter set[] = {&PointerSettings::setCursorSpeed,
                              &PointerSettings::setVerticalScrollLines,
                              &PointerSettings::setDoubleClickSpeed};
        const Getter get[] = {&MouseSettings::getCursorSpeed,
                              &MouseSettings::getVerticalScrollLines,
                              &MouseSettings::getDoubleClickSpeed};
        const char* failure[] = {"setCursorSpeed Failed", "setVerticalScrollLines Failed",
                                 "setDoubleClickSpeed Failed"};
        Bench bench;
        (bench.pointer.*set[slider])(index);
        QCOMPARE(bench.system->calls, QStringList{applied});
        QCOMPARE((bench.mouse.*get[slider])(), index);
        bench.system->isFailing = true;  // one line, and the new index stands
        QTest::ignoreMessage(QtDebugMsg, failure[slider]);
        (bench.pointer.*set[slider])(3);
        QCOMPARE((bench.mouse.*get[slider])(), 3u);
    }

    // The thresholds go back as read; a failed read writes nothing.
    void acceleration_data() {
        QTest::addColumn<bool>("isOn");
        QTest::addColumn<bool>("isReadFailing");
        QTest::addColumn<bool>("isWriteFailing");
        QTest::addColumn<int>("after");
        QTest::newRow("on") << true << false << false << 1;
        QTest::newRow("off") << false << false << false << 0;
        QTest::newRow("read fails") << false << true << false << 1;
        QTest::newRow("write fails") << false << false << true << 1;
    }

    void acceleration() {
        QFETCH(bool, isOn);
        QFETCH(bool, isReadFailing);
        QFETCH(bool, isWriteFailing);
        QFETCH(int, after);
        Bench bench;
        bench.system->motion = {6, 10, isOn ? 0 : 1};
        bench.system->isReadFailing = isReadFailing;
        bench.system->isFailing = isWriteFailing;
        if (isReadFailing || isWriteFailing)
            QTest::ignoreMessage(QtDebugMsg, "setAcceleration Failed");
        bench.pointer.setAcceleration(isOn);
        QCOMPARE(bench.system->motion.threshold1, 6);
        QCOMPARE(bench.system->motion.threshold2, 10);
        QCOMPARE(bench.system->motion.acceleration, after);
        if (isReadFailing) QTest::ignoreMessage(QtDebugMsg, "getAcceleration Failed");
        QCOMPARE(bench.pointer.getAcceleration(), !isReadFailing && after != 0);
        QVERIFY(bench.profile.allKeys().isEmpty());  // acceleration is the desktop's alone
    }

    // Every speed comes back from its ratio, so it survives a switch of
    // acceleration, which rewrites the ratio.
    void x11Ratio() {
        const auto text = [](int speed, bool isAccelerated) {
            const auto r = X11PointerBackend::ratioForSpeed(speed, isAccelerated);
            return QStringLiteral("%1/%2").arg(r.numerator).arg(r.denominator);
        };
        QCOMPARE(text(1, false), QString("1/10"));
        QCOMPARE(text(4, false), QString("2/5"));
        QCOMPARE(text(10, false), QString("1/1"));
        QCOMPARE(text(10, true), QString("2/1"));
        QCOMPARE(text(40, true), QString("4/1"));
        for (bool isOn : {false, true})
            for (int speed = 1; speed <= 20; ++speed)
                QCOMPARE(X11PointerBackend::speedForRatio(
                             X11PointerBackend::ratioForSpeed(speed, isOn), isOn),
                         speed);
        QCOMPARE(X11PointerBackend::speedForRatio({3, 0}, false), 1);
    }

    // No X server (the offscreen platform): the server part fails with its
    // lines; wheel lines and double-click time still reach this program.
    void withoutX11() {
        QTemporaryDir folder;
        QSettings profile(folder.filePath("p1.bin"), QSettings::IniFormat);
        PointerSettings pointer([&] { return &profile; }, X11PointerBackend::forSession());
        QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
        pointer.setCursorSpeed(4);
        QTest::ignoreMessage(QtDebugMsg, "setAcceleration Failed");
        pointer.setAcceleration(true);
        QTest::ignoreMessage(QtDebugMsg, "getAcceleration Failed");
        QVERIFY(!pointer.getAcceleration());
        pointer.setVerticalScrollLines(6);
        pointer.setDoubleClickSpeed(9);
        QCOMPARE(QGuiApplication::styleHints()->wheelScrollLines(), 7);
        QCOMPARE(QGuiApplication::styleHints()->mouseDoubleClickInterval(), 270);
    }

    void x11OnXvfb() {
        if (QStandardPaths::findExecutable("Xvfb").isEmpty()) QSKIP("Xvfb is not installed");
        PrivateXServer server;
        QVERIFY2(server.start(), "Xvfb did not start");
        QTemporaryDir folder;
        QSettings profile(folder.filePath("p1.bin"), QSettings::IniFormat);
        PointerSettings pointer([&] { return &profile; },
                                std::make_unique<X11PointerBackend>(server.name));
        qInfo("Xvfb %s starts at %s", server.name.constData(), qPrintable(server.control()));
        QCOMPARE(server.control(), controlText(2, 1, 4));  // speed 10, accelerated
        QVERIFY(pointer.getAcceleration());
        const std::vector<std::pair<std::function<void()>, QString>> steps = {
            {[&] { pointer.setAcceleration(false); }, controlText(1, 1, 1)},
            {[&] { pointer.setCursorSpeed(0); }, controlText(1, 10, 1)},
            {[&] { pointer.setCursorSpeed(10); }, controlText(2, 1, 1)},
            {[&] { pointer.setAcceleration(true); }, controlText(4, 1, 4)},
            {[&] { pointer.setCursorSpeed(2); }, controlText(4, 5, 4)},
            // A threshold set elsewhere (xset m 4/5 7) survives off and on.
            {[&] { XChangePointerControl(server.session, False, True, 0, 0, 7); },
             "4/5 threshold 7"},
            {[&] { pointer.setAcceleration(false); }, controlText(2, 5, 1)},
            {[&] { pointer.setAcceleration(true); }, controlText(4, 5, 7)},
        };
        for (const auto& [step, expected] : steps) {
            step();
            XSync(server.session, False);
            QCOMPARE(server.control(), expected);
        }
        server.stop();  // the server gone: the call fails, the program goes on
        QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
        pointer.setCursorSpeed(3);
    }
};

QTEST_MAIN(TestPointerSettings)
#include "tst_pointer_settings.moc"
