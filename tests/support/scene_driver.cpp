#include "scene_driver.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QQuickItem>
#include <QQuickWidget>
#include <QtTest>
#include <algorithm>

namespace {

// The large pictures decode on a thread of their own; Image.Loading is 2.
bool isPictureLoading(const QQuickItem* item) {
    const QList<QQuickItem*> children = item->childItems();
    return std::any_of(children.begin(), children.end(), [](const QQuickItem* child) {
        return child->property("status").toInt() == 2 || isPictureLoading(child);
    });
}

QQuickItem* findItem(QQuickItem* parent, const QString& name) {
    if (!parent) return nullptr;
    for (QQuickItem* child : parent->childItems()) {
        if (child->objectName() == name) return child;
        if (QQuickItem* found = findItem(child, name)) return found;
    }
    return nullptr;
}

// Visible and enabled up to the root, and not fully transparent on the way.
bool isDrawnAndEnabled(const QQuickItem* item) {
    for (const QQuickItem* each = item; each; each = each->parentItem())
        if (!each->isVisible() || !each->isEnabled() || each->opacity() <= 0.0) return false;
    return true;
}

bool copyFolder(const QString& from, const QString& to) {
    QDirIterator files(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    bool isCopied = true;
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        isCopied =
            QDir().mkpath(QFileInfo(target).path()) && QFile::copy(source, target) && isCopied;
    }
    return isCopied;
}

}  // namespace

QQuickItem* SceneDriver::root() const {
    return view->rootObject();
}

QQuickItem* SceneDriver::item(const QString& name) const {
    QQuickItem* top = root();
    if (top && top->objectName() == name) return top;
    return findItem(top, name);
}

bool SceneDriver::isClickable(const QString& name) const {
    QQuickItem* found = item(name);
    if (!found || !isDrawnAndEnabled(found) || !view->isEnabled()) return false;
    const QPointF middle = found->mapToScene(QPointF(found->width() / 2, found->height() / 2));
    return QRectF(0, 0, view->width(), view->height()).contains(middle);
}

bool SceneDriver::click(const QString& name, Qt::MouseButton button, QPointF where) {
    if (!isClickable(name)) return false;
    QQuickItem* found = item(name);
    const QPointF point =
        found->mapToScene(QPointF(found->width() * where.x(), found->height() * where.y()));
    // The pointer goes there first, so hover follows it as it would.
    QTest::mouseMove(view, point.toPoint());
    QTest::mouseClick(view, button, Qt::NoModifier, point.toPoint());
    return true;
}

bool SceneDriver::waitUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    return QTest::qWaitFor(condition, timeoutMilliseconds);
}

bool SceneDriver::waitForOpening(int timeoutMilliseconds) {
    return waitUntil(
        [this] {
            return root() && root()->property("isOpened").toBool() && view->isEnabled() &&
                   !isPictureLoading(root());
        },
        timeoutMilliseconds);
}

bool SceneDriver::waitUntilSettled(int timeoutMilliseconds) {
    // One more pass after the condition holds, so bindings and queued calls
    // have run.
    const bool isSettled = waitUntil(
        [this] {
            QQuickItem* main = item("main_Q4");
            return view->isEnabled() && root() && !root()->property("isPanelSliding").toBool() &&
                   !(main && main->property("isPageSliding").toBool());
        },
        timeoutMilliseconds);
    QTest::qWait(20);
    return isSettled;
}

ProgramFolder::ProgramFolder(const QString& sourceModules) {
    previous = QDir::currentPath();
    const QString source = sourceModules.isEmpty() ? builtModulesFolder() : sourceModules;
    isCopied = folder.isValid() && QDir(source).exists() &&
               copyFolder(source, QDir(folder.path()).filePath("modules"));
    QDir::setCurrent(folder.path());
}

ProgramFolder::~ProgramFolder() {
    QDir::setCurrent(previous);
}

QString ProgramFolder::path(const QString& relative) const {
    return relative.isEmpty() ? folder.path() : QDir(folder.path()).filePath(relative);
}

QString builtModulesFolder() {
    return QStringLiteral(Q4_PROGRAM_FOLDER "/modules");
}
