#include "ui/ui_controler.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>
#include <QWidget>

#include "app/widget.h"
#include "ui/my_qquick_view.h"

void Ui_Controler::setupUi(QWidget* hostWindow) {
    if (hostWindow->objectName().isEmpty()) hostWindow->setObjectName("Widget");
    host = hostWindow;
    hostWindow->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    hostWindow->setWindowOpacity(1.0);
    hostWindow->setAttribute(Qt::WA_TranslucentBackground);
    hostWindow->setStyleSheet("background:transparent;");

    view = new myQQuickView(hostWindow);
    view->setObjectName("ui_View");
    // The whole scene is created here, before any context property exists:
    // the pages read the back end only from their initUI functions.
    view->setSource(QUrl("qrc:/modules/qml/main.qml"));
    QQmlContext* context = view->rootContext();
    context->setContextProperty("ui_View", view);
    auto* widget = qobject_cast<Widget*>(hostWindow);
    context->setContextProperty("hid", widget ? &widget->hidThread : nullptr);
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
    if (view) view->root().setProtectUI(busyTime);
}

void Ui_Controler::setBusy() {
    setBusy(0);
}
