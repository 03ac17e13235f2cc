#include "app/startup_script.h"

#include <QFile>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>

#include "common/logging.h"
#include "app/widget.h"
#include "ui/my_qquick_view.h"

namespace {

void runScript(Widget* window, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCWarning(lcApp, "Cannot read the script %s", qUtf8Printable(path));
        return;
    }
    myQQuickView* view = window->view();
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (int number = 0; number < lines.size(); ++number) {
        const QString line = QString::fromUtf8(lines.at(number)).trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        QQmlExpression expression(view->rootContext(), view->rootObject(), line);
        expression.setSourceLocation(path, number + 1);
        expression.evaluate();
        if (expression.hasError())
            qCWarning(lcApp, "%s", qUtf8Printable(expression.error().toString()));
    }
}

}  // namespace

void runScriptFromEnvironment(Widget& window) {
    const QString path = qEnvironmentVariable("Q4CONFIG_SCRIPT");
    if (path.isEmpty()) return;
    // Queued behind the scene's start, which the start-up sequence posted.
    Widget* target = &window;
    QMetaObject::invokeMethod(
        &window, [target, path] { runScript(target, path); }, Qt::QueuedConnection);
}
