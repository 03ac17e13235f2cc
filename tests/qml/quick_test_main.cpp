// Runs the page tests (tests/qml/tst_*.qml) against a recording view and
// controller. The tests run in the folder the build laid the program's data
// in, so the skins' pictures load as they do in the program. Any warning
// logged while they run (a QML error, a picture that cannot be opened)
// fails the run, also one logged outside a test function.

#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>
#include <atomic>

#include "recording_view.h"
#include "scene_driver.h"

namespace {

std::atomic<int> warningCount{0};
QtMessageHandler testLogHandler = nullptr;

void countingHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) ++warningCount;
    if (testLogHandler) testLogHandler(type, context, message);
}

}  // namespace

class PageTestSetup : public QObject {
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine* engine) {
        // The test log puts its handler in place for every file; counting
        // goes in front of it each time.
        const QtMessageHandler previous = qInstallMessageHandler(countingHandler);
        if (previous != countingHandler) testLogHandler = previous;
        QDir::setCurrent(QFileInfo(builtModulesFolder()).path());
        view.clear();
        view.setEngine(engine);
        engine->rootContext()->setContextProperty("ui_View", &view);
        engine->rootContext()->setContextProperty("ui_Ctl", &controller);
        engine->rootContext()->setContextProperty("hid", nullptr);
    }

private:
    RecordingView view;
    RecordingController controller;
};

int main(int argc, char** argv) {
    QTEST_SET_MAIN_SOURCE_PATH
    PageTestSetup setup;
    const int failures =
        quick_test_main_with_setup(argc, argv, "pages", Q4_QML_TEST_FOLDER, &setup);
    if (warningCount > 0)
        std::fprintf(stderr, "FAIL: %d warning(s) were logged during the page tests\n",
                     int(warningCount));
    return failures != 0 ? failures : (warningCount > 0 ? 1 : 0);
}

#include "quick_test_main.moc"
