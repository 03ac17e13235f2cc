#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

#include "ui/view_services.h"

class QWidget;
class myQQuickView;

// Builds the view inside the host window and offers QML the operations a
// frameless window needs: drag, close, and the busy lock, and the opening of
// the shipped help page. Published to QML as "ui_Ctl". Owned by the host
// window (deleted with it); GUI thread only.
class Ui_Controler : public QObject {
    Q_OBJECT

public:
    // services: what the view's slots forward to; deviceLink: published to
    // QML as "hid". Neither is owned; both outlive the view.
    Ui_Controler(ViewServices services, QObject* deviceLink, QObject* parent = nullptr);

    // Whether setupUi builds the scene too, or leaves it to loadScene() so
    // that the window can be on screen while the scene is built.
    enum class SceneLoading { WithWindow, Later };
    static constexpr QSize kSceneSize{1000, 600};

    void setupUi(QWidget* host, SceneLoading loading = SceneLoading::WithWindow);
    // Builds the scene in the view and publishes the back end to it; once.
    void loadScene();
    // The window title from "common/name" of the configuration; read only
    // at start-up.
    void retranslateUi(QWidget* host);

    myQQuickView* view() const { return sceneView; }

    // Whether the window system lets a program place its windows (X11 does,
    // Wayland does not: there the compositor moves the window itself).
    static bool canPlaceWindows(const QString& platformName);
    // The local file a help link ("file:modules/help/<page>.html", relative
    // to the working directory) names; empty for any other link.
    static QString helpPagePath(const QString& link);

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();
    // Opens the shipped help page the link names in the desktop's browser;
    // other links open nothing.
    void openHelpPage(const QString& link);

private:
    // A drag the window system carries out: asked for once per pointer move.
    void moveBySystem();

    ViewServices services;
    QObject* deviceLink;
    QPointer<QWidget> host;
    myQQuickView* sceneView = nullptr;
    bool isSystemMoveAsked = false;
};
