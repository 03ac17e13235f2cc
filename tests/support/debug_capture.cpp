#include "debug_capture.h"

#include <QLoggingCategory>

namespace {

std::mutex linesMutex;
QStringList collected;

}  // namespace

// The program's own categories are quiet below the warning level; a capture
// wants every line they write.
DebugCapture::DebugCapture() {
    clear();
    QLoggingCategory::setFilterRules(QStringLiteral("q4.*=true"));
    previous = qInstallMessageHandler(&DebugCapture::collect);
}

DebugCapture::~DebugCapture() {
    qInstallMessageHandler(previous);
}

QStringList DebugCapture::lines() const {
    std::lock_guard<std::mutex> lock(linesMutex);
    return collected;
}

void DebugCapture::clear() {
    std::lock_guard<std::mutex> lock(linesMutex);
    collected.clear();
}

void DebugCapture::collect(QtMsgType, const QMessageLogContext&, const QString& text) {
    std::lock_guard<std::mutex> lock(linesMutex);
    collected << text;
}
