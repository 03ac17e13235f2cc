#include "app/widget.h"

#include <QCoreApplication>

#include "app/device_check.h"
#include "app/device_monitor.h"
#include "ui/my_qquick_view.h"
#include "ui/ui_controler.h"

Widget::Widget(SceneStart sceneStart, QWidget* parent) : QWidget(parent), services(&hidThread) {
    hidThread.setOwner(this);
    controller = new Ui_Controler(services.forView(), &hidThread);
    controller->setupUi(this, sceneStart == SceneStart::AfterShow
                                  ? Ui_Controler::SceneLoading::Later
                                  : Ui_Controler::SceneLoading::WithWindow);
    pollTimer.setInterval(kPollInterval);
    pollTimer.setSingleShot(true);
    connect(&pollTimer, &QTimer::timeout, this, &Widget::checkDevice);
    deviceMonitor = new DeviceMonitor(this);
    connect(deviceMonitor, &DeviceMonitor::deviceChanged, this, &Widget::notifyDeviceChange);
}

// The window is destroyed after the event loop has ended, so a deferred
// delete of the controller would never run: it is deleted here. The view
// goes first, before the services it forwards to (a child widget would
// otherwise outlive this object's members).
Widget::~Widget() {
    hidThread.stopListen();
    delete view();
    delete controller;
}

myQQuickView* Widget::view() const {
    return controller->view();
}

void Widget::notifyDeviceChange() {
    pollTimer.start();
}

void Widget::checkDevice() {
    runDeviceCheck(hidThread);
    view()->syncFW();
}

void Widget::loadScene() {
    controller->loadScene();
}

void Widget::startUi() {
    view()->initUI();
    QCoreApplication::postEvent(this, new RunUiEvent());
}

void Widget::customEvent(QEvent* event) {
    if (event->type() == QEvent::User && static_cast<RunUiEvent*>(event)->tag == RunUiEvent::kTag)
        view()->runUI();
}

// The request comes from inside a device check; the window closes once the
// event loop runs again. Closing the only window ends the program; a window
// that was never shown ends it explicitly, as closing a hidden window does
// not count as the last window closing.
void Widget::requestClose() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            const bool wasShown = isVisible();
            close();
            if (!wasShown) QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
}
