// The seam between the back end and the QML scene: every root function the
// back end calls exists on the real main.qml with the number of parameters
// it is called with, and a call the root cannot take does nothing but warn.

#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>

#include "debug_capture.h"
#include "guarded_test_case.h"
#include "scene_driver.h"
#include "ui/root_scene.h"

class RootFunctions : public GuardedTestCase {
    Q_OBJECT

private slots:
    void theRealSceneHasEveryFunction() {
        ProgramFolder folder;  // the pictures the scene loads
        QVERIFY(folder.isValid());
        QQmlEngine engine;
        QQmlComponent component(&engine, QUrl("qrc:/modules/qml/main.qml"));
        std::unique_ptr<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        QCOMPARE(RootScene::mismatches(root.get()), QStringList());
    }

    // A root that lacks a function, or declares it with another number of
    // parameters, is named; calls to it only warn.
    void aRootThatDoesNotFit() {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(
            "import QtQml\nQtObject {\n"
            "  property int runs: 0\n"
            "  function initUI() {}\n"
            "  function run() { runs++ }\n"
            "  function setProtectUI() {}\n"
            "  function detectKeyboard(isDown, usbCode) {}\n"
            "}\n",
            QUrl("qrc:/misfit.qml"));
        std::unique_ptr<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        QCOMPARE(RootScene::mismatches(root.get()),
                 QStringList({"setProtectUI/1", "detectMouse/4"}));
        QCOMPARE(RootScene::mismatches(nullptr).size(), int(RootScene::kFunctions.size()));

        RootScene scene([&] { return root.get(); });
        DebugCapture capture;
        scene.setProtectUI(800);
        scene.detectMouse(true, 0xF0, 1, 2);
        scene.run();
        QTRY_COMPARE(root->property("runs").toInt(), 1);
        QCOMPARE(capture.lines(),
                 QStringList({"The scene's root has no function setProtectUI with 1 parameters",
                              "The scene's root has no function detectMouse with 4 parameters"}));
        RootScene noScene([] { return nullptr; });
        noScene.run();  // nothing loaded: nothing happens
    }
};

QTEST_MAIN(RootFunctions)
#include "tst_root_functions.moc"
