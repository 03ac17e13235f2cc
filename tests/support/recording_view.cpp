#include "recording_view.h"

#include <QJSEngine>

void RecordingView::clear() {
    recorded.clear();
    answers.clear();
    enabled = true;
    emit callsChanged();
}

void RecordingView::setAnswer(const QString& slotName, const QJSValue& answer) {
    answers.insert(slotName, answer);
}

QStringList RecordingView::callNames() const {
    QStringList names;
    for (const QVariant& each : recorded) names.append(each.toMap().value("name").toString());
    return names;
}

QVariantList RecordingView::argumentsOf(const QString& slotName) const {
    QVariantList lists;
    for (const QVariant& each : recorded)
        if (each.toMap().value("name").toString() == slotName)
            lists.append(QVariant(each.toMap().value("args").toList()));
    return lists;
}

QVariant RecordingView::call(const char* slotName, const QVariantList& arguments) {
    recorded.append(QVariantMap{{"name", QString::fromLatin1(slotName)}, {"args", arguments}});
    emit callsChanged();
    const QJSValue answer = answers.value(QString::fromLatin1(slotName));
    if (answer.isCallable() && engine) {
        QJSValueList values;
        for (const QVariant& argument : arguments) values.append(engine->toScriptValue(argument));
        return answer.call(values).toVariant();
    }
    return answer.isUndefined() ? QVariant() : answer.toVariant();
}

void RecordingView::setEnabled(bool isEnabled) {
    enabled = isEnabled;
    call("setEnabled", {isEnabled});
}

void RecordingController::clear() {
    recorded.clear();
    emit callsChanged();
}

void RecordingController::record(const QString& call) {
    recorded.append(call);
    emit callsChanged();
}

void RecordingController::onMinimize() {
    record("onMinimize");
}

void RecordingController::onXChanged(int x) {
    record(QStringLiteral("onXChanged(%1)").arg(x));
}

void RecordingController::onYChanged(int y) {
    record(QStringLiteral("onYChanged(%1)").arg(y));
}

void RecordingController::setBusy(int busyTime) {
    record(QStringLiteral("setBusy(%1)").arg(busyTime));
}

void RecordingController::setBusy() {
    record("setBusy()");
}

void RecordingController::openHelpPage(const QString& link) {
    record(QStringLiteral("openHelpPage(%1)").arg(link));
}
