#include "ui/ui_controler.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>
#include <QWidget>

#include "ui/my_qquick_view.h"

Ui_Controler::Ui_Controler(ViewServices viewServices, QObject* link, QObject* parent)
    : QObject(parent), services(viewServices), deviceLink(link) {}

void Ui_Controler::setupUi(QWidget* hostWindow) {
    if (hostWindow->objectName().isEmpty()) hostWindow->setObjectName("Widget");
    host = hostWindow;
    hostWindow->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    hostWindow->setWindowOpacity(1.0);
    hostWindow->setAttribute(Qt::WA_TranslucentBackground);
    hostWindow->setStyleSheet("background:transparent;");

    sceneView = new myQQuickView(hostWindow, services);
    myQQuickView* view = sceneView;
    view->setObjectName("ui_View");
    // The whole scene is created here, before any context property exists:
    // the pages read the back end only from their initUI functions.
    view->setSource(QUrl("qrc:/modules/qml/main.qml"));
    QQmlContext* context = view->rootContext();
    context->setContextProperty("ui_View", view);
    context->setContextProperty("hid", deviceLink);
    context->setContextProperty("ui_Ctl", this);
    hostWindow->resize(view->size());
    retranslateUi(hostWindow);
}

void Ui_Controler::retranslateUi(QWidget* hostWindow) {
    const QSettings config("./modules/setting/apConfig.bin", QSettings::IniFormat);
    hostWindow->setWindowTitle(config.value("common/name", QString()).toString());
}

// Closes (never minimises) the window; closing the only window ends the
// program.
void Ui_Controler::onMinimize() {
    if (host) host->close();
}

void Ui_Controler::onXChanged(int x) {
    if (host) host->move(host->x() + x, host->y());
}

void Ui_Controler::onYChanged(int y) {
    if (host) host->move(host->x(), host->y() + y);
}

void Ui_Controler::setBusy(int busyTime) {
    if (sceneView) sceneView->root().setProtectUI(busyTime);
}

void Ui_Controler::setBusy() {
    setBusy(0);
}
