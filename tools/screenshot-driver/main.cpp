// Runs the program on the emulated mouse, follows a click path on named
// items, and saves pictures of the window.
//
// Usage: q4screenshot [--modules DIR] [--sensor TYPE] [--no-logo-led] OUTPUT.png [STEP ...]
// The options may also follow OUTPUT.png. --sensor and --no-logo-led set up
// the emulated mouse before the start: the sensor type it reports (0 to 3,
// or any other byte) and a mouse without the logo LED.
// Steps, in order, once the opening animation has ended:
//   click:NAME        left click on the item with that objectName
//   rightclick:NAME   right click on it
//   wait:MS           let the scene run for MS milliseconds
//   shot:FILE.png     save a picture at this point of the path too
// Every click waits for the scene to settle. The pictures show the window
// over a plain desktop colour, so its translucent parts show as they would.
// The run works on a copy of the modules folder (the build's, or DIR), so
// the build's settings stay as they were.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QQuickItem>
#include <cstdio>

#include "app/startup.h"
#include "app/widget.h"
#include "emulator/emulated_devices.h"
#include "scene_driver.h"
#include "ui/my_qquick_view.h"

namespace {

bool savePicture(Widget& window, const QString& path) {
    const QImage windowPicture = window.grab().toImage();
    QImage picture(windowPicture.size(), QImage::Format_RGB32);
    picture.fill(QColor(0x3A, 0x4A, 0x5C));
    QPainter painter(&picture);
    painter.drawImage(0, 0, windowPicture);
    painter.end();
    const bool isSaved = picture.save(path);
    std::printf("%s\n", qPrintable(path));
    return isSaved;
}

int fail(const QString& message) {
    std::fprintf(stderr, "q4screenshot: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    QString modules;
    int sensorType = -1;
    bool isLogoLedPresent = true;
    // Options may stand anywhere among the steps.
    QStringList rest;
    for (int index = 0; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        const bool hasValue = index + 1 < arguments.size();
        if (argument == "--no-logo-led")
            isLogoLedPresent = false;
        else if (argument == "--modules" && hasValue)
            modules = arguments[++index];
        else if (argument == "--sensor" && hasValue)
            sensorType = arguments[++index].toInt();
        else if (argument.startsWith("--"))
            return fail("unknown option " + argument);
        else
            rest.append(argument);
    }
    arguments = rest;
    if (arguments.isEmpty())
        return fail(
            "usage: q4screenshot [--modules DIR] [--sensor TYPE] [--no-logo-led] OUTPUT.png "
            "[STEP ...]");
    const QString output = QFileInfo(arguments.takeFirst()).absoluteFilePath();
    if (modules.isEmpty()) modules = QCoreApplication::applicationDirPath() + "/modules";

    ProgramFolder folder(modules);
    if (!folder.isValid()) return fail("cannot copy " + modules);
    EmulatedDevices devices;
    if (sensorType >= 0) devices.mouse.setSensorType(static_cast<uint8_t>(sensorType));
    devices.mouse.setLogoLedPresent(isLogoLedPresent);
    Widget window;
    window.setDeviceBackend(&devices);
    if (!startProgram(window)) return fail("the emulated mouse did not answer");
    SceneDriver driver(window.view());
    if (!driver.waitForOpening()) return fail("the opening did not end");

    for (const QString& step : arguments) {
        const QString kind = step.section(':', 0, 0);
        const QString value = step.section(':', 1);
        if (kind == "click" || kind == "rightclick") {
            const Qt::MouseButton button = kind == "click" ? Qt::LeftButton : Qt::RightButton;
            if (!driver.click(value, button)) return fail("cannot click " + value);
            driver.waitUntilSettled();
        } else if (kind == "wait") {
            SceneDriver::waitUntil([] { return false; }, value.toInt());
        } else if (kind == "shot") {
            if (!savePicture(window, QFileInfo(value).absoluteFilePath()))
                return fail("cannot save " + value);
        } else {
            return fail("unknown step " + step);
        }
    }
    return savePicture(window, output) ? 0 : fail("cannot save " + output);
}
