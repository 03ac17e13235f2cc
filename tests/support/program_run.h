#pragma once

#include <QMap>
#include <QPointF>
#include <QRegularExpression>
#include <QString>
#include <QVariant>
#include <memory>

#include "app/widget.h"
#include "emulator/emulated_mouse.h"
#include "scene_driver.h"
#include "test_doubles.h"

class QQuickItem;

// The only warnings a journey lets the program log: a machine without a
// sound server or a runtime folder. Everything else (QML, pictures) fails.
const QRegularExpression& anyWarningButTheMachines();

// One run of the real program on the emulated mouse, in a copy of the
// modules folder that outlives restarts, driven by clicks on named items.
// GUI thread only.
struct ProgramRun {
    ProgramFolder folder;
    RecordingPrompt prompt;
    EmulatedMouse mouse;
    std::unique_ptr<Widget> window;
    std::unique_ptr<SceneDriver> driver;

    // The configuration entries to change before the start.
    void setConfiguration(const QMap<int, QString>& entries, int total = 32);

    // Shows the window; the opening runs once the test waits.
    bool show();
    bool start() { return show() && driver->waitForOpening(); }

    // Closes the window the way the program ends: the settings objects
    // write their files.
    void stop();

    QQuickItem* item(const QString& name) const { return driver->item(name); }
    QVariant rootValue(const char* name) const;

    // Clicks and waits until the scene has settled (the view unlocked).
    bool click(const QString& name, Qt::MouseButton button = Qt::LeftButton,
               QPointF where = QPointF(0.5, 0.5));
};
