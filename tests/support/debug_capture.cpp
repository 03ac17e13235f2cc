#include "debug_capture.h"

namespace {

std::mutex linesMutex;
QStringList collected;

}  // namespace

DebugCapture::DebugCapture() {
    clear();
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
