#include "ui/ui_controler.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQuickItem>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "ui/my_qquick_view.h"

Ui_Controler::Ui_Controler(ViewServices viewServices, QObject* link, QObject* parent)
    : QObject(parent), services(viewServices), deviceLink(link) {}

void Ui_Controler::setupUi(QWidget* hostWindow, SceneLoading loading) {
    if (hostWindow->objectName().isEmpty()) hostWindow->setObjectName("Widget");
    host = hostWindow;
    hostWindow->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    hostWindow->setWindowOpacity(1.0);
    hostWindow->setAttribute(Qt::WA_TranslucentBackground);
    hostWindow->setStyleSheet("background:transparent;");

    sceneView = new myQQuickView(hostWindow, services);
    sceneView->setObjectName("ui_View");
    // The scene's own size, so a window shown before its scene is built
    // already has it.
    sceneView->resize(kSceneSize);
    hostWindow->resize(kSceneSize);
    if (loading == SceneLoading::WithWindow) loadScene();
    retranslateUi(hostWindow);
}

void Ui_Controler::loadScene() {
    if (!sceneView || sceneView->rootObject()) return;
    // The whole scene is created here, before any context property exists:
    // the pages read the back end only from their initUI functions.
    sceneView->setSource(QUrl("qrc:/modules/qml/main.qml"));
    QQmlContext* context = sceneView->rootContext();
    context->setContextProperty("ui_View", sceneView);
    context->setContextProperty("hid", deviceLink);
    context->setContextProperty("ui_Ctl", this);
    if (host) host->resize(sceneView->size());
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

// The page reports the pointer's offset from where it was pressed; where the
// window system lets the program place its window, the window follows by
// that offset. Elsewhere the window system moves the window with the pointer
// once asked.
void Ui_Controler::onXChanged(int x) {
    if (!host) return;
    if (canPlaceWindows(QGuiApplication::platformName()))
        host->move(host->x() + x, host->y());
    else
        moveBySystem();
}

void Ui_Controler::onYChanged(int y) {
    if (!host) return;
    if (canPlaceWindows(QGuiApplication::platformName()))
        host->move(host->x(), host->y() + y);
    else
        moveBySystem();
}

bool Ui_Controler::canPlaceWindows(const QString& platformName) {
    return !platformName.startsWith(QLatin1String("wayland"));
}

// Both offsets of one pointer move arrive together: one request for both.
void Ui_Controler::moveBySystem() {
    if (isSystemMoveAsked || !host || !host->windowHandle()) return;
    isSystemMoveAsked = true;
    host->windowHandle()->startSystemMove();
    QTimer::singleShot(0, this, [this] { isSystemMoveAsked = false; });
}

QString Ui_Controler::helpPagePath(const QString& link) {
    static const QRegularExpression helpLink(
        QStringLiteral("^file:modules/help/[A-Za-z0-9_-]+\\.html$"));
    if (!helpLink.match(link).hasMatch()) return QString();
    return QDir::current().absoluteFilePath(link.mid(int(qstrlen("file:"))));
}

void Ui_Controler::openHelpPage(const QString& link) {
    const QString path = helpPagePath(link);
    if (path.isEmpty() || !QFileInfo::exists(path)) return;
    // The page itself, not the per-user link to it: a browser in a sandbox
    // may read the shared folder but not the user's configuration folder.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).canonicalFilePath()));
}

void Ui_Controler::setBusy(int busyTime) {
    if (sceneView) sceneView->root().setProtectUI(busyTime);
}

void Ui_Controler::setBusy() {
    setBusy(0);
}
