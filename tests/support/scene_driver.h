#pragma once

#include <QPointF>
#include <QString>
#include <QTemporaryDir>
#include <functional>

class QQuickItem;
class QQuickWidget;

// Drives the running scene the way a user does: finds items by their
// objectName and clicks them where they are drawn. Used by the journeys and
// by the screenshot driver. GUI thread only.
class SceneDriver {
public:
    explicit SceneDriver(QQuickWidget* sceneView) : view(sceneView) {}

    QQuickItem* root() const;
    // The first item below the root with this objectName, null when none.
    QQuickItem* item(const QString& name) const;
    // Whether the item is drawn: visible, not transparent, enabled, inside
    // the window.
    bool isClickable(const QString& name) const;
    // Clicks the item at a point given as a fraction of its size (0.5, 0.5:
    // the middle). False when the item is missing or not clickable.
    bool click(const QString& name, Qt::MouseButton button = Qt::LeftButton,
               QPointF where = QPointF(0.5, 0.5));
    // Waits for the opening animation to end, the view to be usable and
    // every picture to be decoded.
    bool waitForOpening(int timeoutMilliseconds = 20000);
    // Waits until the view is not locked and neither the panel nor a page
    // slides.
    bool waitUntilSettled(int timeoutMilliseconds = 10000);

    static bool waitUntil(const std::function<bool()>& condition, int timeoutMilliseconds);

private:
    QQuickWidget* view;
};

// A working folder holding a copy of the modules/ folder the build laid
// beside the program, made the working directory for its lifetime, so a
// run can change settings without touching the build's own.
class ProgramFolder {
public:
    // sourceModules: the folder to copy; empty takes the build's.
    explicit ProgramFolder(const QString& sourceModules = QString());
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    bool isValid() const { return isCopied; }
    QString path(const QString& relative = QString()) const;

private:
    QTemporaryDir folder;
    QString previous;
    bool isCopied = false;
};

// The modules/ folder beside the built program.
QString builtModulesFolder();
