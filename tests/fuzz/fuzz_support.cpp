#include "fuzz_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

void require(bool isHeld, const char* property) {
    if (isHeld) return;
    std::fprintf(stderr, "Property broken: %s\n", property);
    std::abort();
}

void ensureApplication() {
    if (QCoreApplication::instance()) return;
    // Debug lines and warnings about bad input are expected by the thousand;
    // printing them would cost more than the inputs.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);  // lives as long as the process
}

QString scratchFolder() {
    static QTemporaryDir folder(QDir::tempPath() + "/q4fuzz-XXXXXX");
    return folder.path();
}

uint8_t FuzzInput::byte() {
    if (remaining == 0) return 0;
    --remaining;
    return *bytes++;
}

QByteArray FuzzInput::take(size_t count) {
    const size_t length = count < remaining ? count : remaining;
    QByteArray result(reinterpret_cast<const char*>(bytes), qsizetype(length));
    bytes += length;
    remaining -= length;
    return result;
}
