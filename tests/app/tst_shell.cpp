// The program's shell on the emulated mouse: start-up paths, the host
// window, the controller's window operations and busy lock, the device
// poll, and the root scene's contract with the back end.

#include <QQuickItem>
#include <QtTest>

#include "app/startup.h"
#include "app/widget.h"
#include "emulator/emulated_mouse.h"
#include "guarded_test_case.h"
#include "scene_driver.h"
#include "settings_folder.h"
#include "test_doubles.h"
#include "ui/my_qquick_view.h"
#include "ui/ui_controler.h"

namespace {

// Counts the close events a window receives.
class CloseCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) ++closes;
        return false;
    }
    int closes = 0;
};

int handshakesSeen(const EmulatedMouse& mouse) {
    int count = 0;
    for (const auto& report : mouse.transcript())
        if (report.direction == EmulatedMouse::Report::Direction::SetFeature &&
            report.bytes[1] == 0x00)
            ++count;
    return count;
}

// A working folder with the configuration the shell reads at start-up.
// A copy of the built modules folder (the pictures the scene loads) as the
// working directory, with a configuration of the test's own.
struct ShellFolder {
    ShellFolder(const QByteArray& extraConfig = QByteArray()) {
        writeFile(folder.path("modules/setting/apConfig.bin"),
                  "[common]\nname=Q4 Test Title\nproduct_name=Q4 Keyboard, Q4 Gaming Mouse\n" +
                      extraConfig);
        resetLinkState();
    }
    ~ShellFolder() { resetLinkState(); }
    ProgramFolder folder;
};

}  // namespace

class Shell : public GuardedTestCase {
    Q_OBJECT

private slots:
    // Accepted or demo mode: the window shows and initUI, then run, come
    // from the event loop. Refused: one warning, no window, a close once the
    // loop runs.
    void startUpPaths_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<bool>("isUnplugged");
        QTest::addColumn<QString>("box");
        QTest::newRow("device passes") << QByteArray() << false << QString();
        QTest::newRow("no device") << QByteArray() << true << "Can not detect Q4 Gaming Mouse !";
        QTest::newRow("demo code")
            << QByteArray("sCode1=q-harbor\n") << true << "===== Demo Mode =====";
    }

    void startUpPaths() {
        QFETCH(QByteArray, config);
        QFETCH(bool, isUnplugged);
        QFETCH(QString, box);
        ShellFolder folder(config);
        RecordingPrompt prompt;
        EmulatedMouse mouse;
        mouse.setUnplugged(isUnplugged);
        Widget window;
        window.setDeviceBackend(&mouse);
        CloseCounter counter;
        window.installEventFilter(&counter);
        QCOMPARE(window.windowTitle(), QString("Q4 Test Title"));
        QObject* root = window.view()->rootObject();
        QCOMPARE(root->property("visible").toBool(), false);

        const bool isShown = box != "Can not detect Q4 Gaming Mouse !";
        QCOMPARE(startProgram(window), isShown);
        QCOMPARE(window.isVisible(), isShown);
        QCOMPARE(prompt.boxes.size(), box.isEmpty() ? 0 : 1);
        if (!box.isEmpty()) {
            QCOMPARE(prompt.boxes[0].caption, QString("Q4 Test Title"));
            QCOMPARE(prompt.boxes[0].text, box);
        }
        QCOMPARE(root->property("phase").toInt(), 0);
        if (isShown) {
            QTRY_COMPARE(root->property("phase").toInt(), 2);
            QCOMPARE(root->property("visible").toBool(), true);
        } else {
            QTRY_COMPARE(counter.closes, 1);
            QCOMPARE(root->property("phase").toInt(), 0);
        }
    }

    // The program's own start: the window goes on screen before its scene
    // is built, and a start that finds no mouse never builds the scene.
    void sceneBuiltAfterShow_data() {
        QTest::addColumn<bool>("isUnplugged");
        QTest::newRow("mouse present") << false;
        QTest::newRow("no mouse") << true;
    }
    void sceneBuiltAfterShow() {
        QFETCH(bool, isUnplugged);
        ShellFolder folder;
        RecordingPrompt prompt;
        EmulatedMouse mouse;
        mouse.setUnplugged(isUnplugged);
        Widget window(Widget::SceneStart::AfterShow);
        window.setDeviceBackend(&mouse);
        QCOMPARE(window.view()->rootObject(), nullptr);
        QCOMPARE(window.size(), QSize(1000, 600));

        QCOMPARE(startProgram(window), !isUnplugged);
        QObject* root = window.view()->rootObject();
        QCOMPARE(root != nullptr, !isUnplugged);
        if (root) QTRY_COMPARE(root->property("phase").toInt(), 2);
    }

    // A burst of device changes gives one check, 2048 ms after the last;
    // a mouse that is gone by then ends the program with the warning.
    void deviceChangesAreDebouncedAndRemovalCloses() {
        ShellFolder folder;
        RecordingPrompt prompt;
        EmulatedMouse mouse;
        Widget window;
        window.setDeviceBackend(&mouse);
        QVERIFY(startProgram(window));
        CloseCounter counter;
        window.installEventFilter(&counter);
        QCOMPARE(handshakesSeen(mouse), 1);

        for (int i = 0; i < 3; ++i) {
            window.notifyDeviceChange();
            QTest::qWait(100);
        }
        QVERIFY(window.isCheckPending());
        QTRY_VERIFY_WITH_TIMEOUT(!window.isCheckPending(), 4000);
        QCOMPARE(handshakesSeen(mouse), 2);
        QVERIFY(prompt.boxes.isEmpty());

        mouse.setUnplugged(true);
        window.notifyDeviceChange();
        QTRY_COMPARE_WITH_TIMEOUT(prompt.boxes.size(), 1, 4000);
        QCOMPARE(prompt.boxes[0].text, QString("Can not detect Q4 Gaming Mouse !"));
        QTRY_COMPARE(counter.closes, 1);
        QVERIFY(!window.isVisible());
    }

    void onlyTheTaggedEventRunsTheScene() {
        ShellFolder folder;
        EmulatedMouse mouse;
        Widget window;
        window.setDeviceBackend(&mouse);
        window.view()->initUI();
        QCoreApplication::postEvent(&window, new RunUiEvent(1234));
        QTRY_COMPARE(window.view()->rootObject()->property("phase").toInt(), 1);
        QTest::qWait(50);
        QCOMPARE(window.view()->rootObject()->property("phase").toInt(), 1);
        QCoreApplication::postEvent(&window, new RunUiEvent());
        QTRY_COMPARE(window.view()->rootObject()->property("phase").toInt(), 2);
    }

    void dragMovesTheWindowByTheOffset() {
        ShellFolder folder;
        Widget window;
        window.move(100, 100);
        window.controllerObject()->onXChanged(5);
        window.controllerObject()->onYChanged(-3);
        QCOMPARE(window.pos(), QPoint(105, 97));
        window.show();
        window.controllerObject()->onMinimize();  // closes, never minimises
        QVERIFY(!window.isVisible());
        QVERIFY(!window.isMinimized());
    }

    // The logo opens only the shipped help page from the working directory;
    // an address that leaves the help folder opens nothing.
    void helpLinks_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("page");
        QTest::newRow("the shipped page") << "file:modules/help/index.html"
                                          << "modules/help/index.html";
        QTest::newRow("out of the folder") << "file:modules/help/../setting/p1.bin"
                                           << "";
        QTest::newRow("not a page") << "file:modules/help/index.sh"
                                    << "";
        QTest::newRow("absolute") << "file:///usr/share/doc/index.html"
                                  << "";
        QTest::newRow("web") << "https://example.com/q4"
                             << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void helpLinks() {
        QFETCH(QString, link);
        QFETCH(QString, page);
        QCOMPARE(Ui_Controler::helpPagePath(link),
                 page.isEmpty() ? QString() : QDir::current().absoluteFilePath(page));
    }

    // The window goes after the event loop has ended; its controller must
    // not wait for a loop that never runs again.
    void controllerGoesWithTheWindow() {
        ShellFolder folder;
        auto window = std::make_unique<Widget>();
        QPointer<Ui_Controler> controller = window->controllerObject();
        window.reset();
        QVERIFY(controller.isNull());
    }

    // setBusy() locks until the next pass of the event loop; setBusy(800)
    // holds the lock for its time.
    void busyLock() {
        ShellFolder folder;
        Widget window;
        myQQuickView* view = window.view();
        window.controllerObject()->setBusy();
        QVERIFY(!view->isEnabled());
        QTRY_VERIFY(view->isEnabled());

        window.controllerObject()->setBusy(800);
        QCoreApplication::processEvents();
        QVERIFY(!view->isEnabled());  // still locked after the next pass
        QTRY_VERIFY_WITH_TIMEOUT(view->isEnabled(), 3000);
    }

    // Key capture reaches the scene queued, down flag first, then the code.
    void keysReachTheRoot() {
        ShellFolder folder;
        Widget window;
        QSignalSpy keys(window.view()->rootObject(), SIGNAL(msg_KB(bool, int)));
        onHookKey(0x04, 1, &window);
        onHookKey(0x04, 0, nullptr);  // no context: nothing
        QCOMPARE(keys.count(), 0);
        QTRY_COMPARE(keys.count(), 1);
        QCOMPARE(keys[0][0].toBool(), true);
        QCOMPARE(keys[0][1].toInt(), 4);
        onHookMouse(0xF0, 1, 10, 20, &window);  // the root ignores buttons
        QTest::qWait(20);
        QCOMPARE(keys.count(), 1);
    }
};

QTEST_MAIN(Shell)
#include "tst_shell.moc"
