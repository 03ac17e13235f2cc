#include "program_run.h"

#include <QQuickItem>
#include <QSettings>

#include "app/startup.h"
#include "device/link_state.h"
#include "ui/my_qquick_view.h"

const QRegularExpression& anyWarningButTheMachines() {
    static const QRegularExpression expression(
        "^(?!.*(PulseAudio|XDG_RUNTIME_DIR|Failed to connect)).*");
    return expression;
}

void ProgramRun::setConfiguration(const QMap<int, QString>& entries, int total) {
    QSettings config(folder.path("modules/setting/apConfig.bin"), QSettings::IniFormat);
    config.setValue("common/total", total);
    for (auto entry = entries.begin(); entry != entries.end(); ++entry)
        config.setValue("common/" + QString::number(entry.key()), entry.value());
}

bool ProgramRun::show() {
    resetLinkState();
    window = std::make_unique<Widget>();
    window->setDeviceBackend(&mouse);
    driver = std::make_unique<SceneDriver>(window->view());
    return startProgram(*window);
}

void ProgramRun::stop() {
    driver.reset();
    window.reset();
}

QVariant ProgramRun::rootValue(const char* name) const {
    return driver->root()->property(name);
}

bool ProgramRun::click(const QString& name, Qt::MouseButton button, QPointF where) {
    const bool isClicked = driver->click(name, button, where);
    driver->waitUntilSettled();
    return isClicked;
}
