#pragma once

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "app/program_services.h"
#include "device/hid_thread.h"

class DeviceMonitor;
class Ui_Controler;
class myQQuickView;

// Posted to the window to run the scene once the first check has passed.
class RunUiEvent : public QEvent {
public:
    static constexpr int kTag = 2177;
    explicit RunUiEvent(int eventTag = kTag) : QEvent(QEvent::User), tag(eventTag) {}
    int tag;
};

// The program's only top-level window: frameless and translucent, it
// carries the QML view, owns the device link and is where the program is
// assembled: it builds the services the view forwards to (ProgramServices)
// and hands them to the view through its controller. Every device-change
// notification restarts a 2048 ms single-shot timer, so a burst of them
// gives one device check. Owned by and used on the GUI thread.
class Widget : public QWidget, public DeviceLinkOwner {
    Q_OBJECT

public:
    static constexpr int kPollInterval = 2048;

    // When the scene is built: with the window (what tests use), or once
    // the window is on screen (the program: see startProgram).
    enum class SceneStart { WithWindow, AfterShow };

    explicit Widget(SceneStart sceneStart = SceneStart::WithWindow, QWidget* parent = nullptr);
    ~Widget() override;

    // The link's device back end (not owned); set before the first check.
    void setDeviceBackend(HidBackend* backend) { hidThread.setBackend(backend); }
    // Builds the scene if the window was made without it; once.
    void loadScene();
    void startUi();
    myQQuickView* view() const;
    Ui_Controler* controllerObject() const { return controller; }
    Hid_Thread& deviceLink() { return hidThread; }
    // A device appeared or vanished somewhere: check again once it settles.
    void notifyDeviceChange();
    // The debounced device check waits to run.
    bool isCheckPending() const { return pollTimer.isActive(); }

    // DeviceLinkOwner.
    QString ownerTitle() const override { return windowTitle(); }
    void requestClose() override;

public slots:
    void checkDevice();

protected:
    void customEvent(QEvent* event) override;

private:
    QTimer pollTimer;
    Hid_Thread hidThread;
    ProgramServices services;
    Ui_Controler* controller = nullptr;
    DeviceMonitor* deviceMonitor = nullptr;
};
