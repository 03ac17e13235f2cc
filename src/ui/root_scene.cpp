#include "ui/root_scene.h"

#include <QMetaMethod>
#include <QObject>
#include <QtGlobal>
#include <vector>

#include "common/logging.h"

namespace {

const RootScene::Function& functionNamed(const char* name) {
    for (const RootScene::Function& function : RootScene::kFunctions)
        if (qstrcmp(function.name, name) == 0) return function;
    Q_UNREACHABLE();
}

// The root's method of that name taking that many QVariant parameters.
QMetaMethod methodOf(const QObject* root, const RootScene::Function& function) {
    QByteArray signature = QByteArray(function.name) + '(';
    for (int i = 0; i < function.parameterCount; ++i) signature += i ? ",QVariant" : "QVariant";
    signature += ')';
    const QMetaObject* meta = root->metaObject();
    const int index = meta->indexOfMethod(signature.constData());
    return index < 0 ? QMetaMethod() : meta->method(index);
}

}  // namespace

void RootScene::initUI() {
    call(functionNamed("initUI"), Qt::QueuedConnection, {});
}

void RootScene::run() {
    call(functionNamed("run"), Qt::QueuedConnection, {});
}

void RootScene::setProtectUI(int interval) {
    call(functionNamed("setProtectUI"), Qt::DirectConnection, {interval});
}

void RootScene::detectKeyboard(bool isDown, int usbCode) {
    call(functionNamed("detectKeyboard"), Qt::QueuedConnection, {isDown, usbCode});
}

void RootScene::detectMouse(bool isDown, uint buttonCode, uint x, uint y) {
    call(functionNamed("detectMouse"), Qt::QueuedConnection, {isDown, buttonCode, x, y});
}

QStringList RootScene::mismatches(const QObject* root) {
    QStringList missing;
    for (const Function& function : kFunctions)
        if (!root || !methodOf(root, function).isValid())
            missing << QString("%1/%2").arg(function.name).arg(function.parameterCount);
    return missing;
}

void RootScene::call(const Function& function, Qt::ConnectionType type,
                     std::initializer_list<QVariant> arguments) {
    Q_ASSERT(int(arguments.size()) == function.parameterCount);
    QObject* root = rootItem ? rootItem() : nullptr;
    if (!root) return;
    const QMetaMethod method = methodOf(root, function);
    if (!method.isValid()) {
        qCWarning(lcUi, "The scene's root has no function %s with %d parameters", function.name,
                  function.parameterCount);
        return;
    }
    const std::vector<QVariant> values(arguments);
    auto argument = [&](size_t i) {
        return i < values.size() ? Q_ARG(QVariant, values[i]) : QGenericArgument();
    };
    method.invoke(root, type, argument(0), argument(1), argument(2), argument(3));
}
