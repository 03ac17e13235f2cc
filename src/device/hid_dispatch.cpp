// Command dispatch: every command goes through one ordered queue whose
// worker runs the exchanges; sets return once queued, queries wait for
// their exchange with a bound.

#include <QCoreApplication>
#include <QDebug>
#include <QThread>
#include <cstring>

#include "common/logging.h"
#include "device/hid_thread.h"
#include "device/report_codec.h"

Hid_Thread::Hid_Thread(QObject* parent)
    : QThread(parent), transport(std::make_shared<HidTransport>()) {
    // The worker keeps the transport alive for as long as it runs.
    std::shared_ptr<HidTransport> link = transport;
    queue = std::make_unique<CommandQueue>([link](DeviceCommand& command) {
        if (command.kind == DeviceCommand::Kind::Set) return link->hidSend(command);
        // The issuer gives up a little after this; the reads end by then.
        const auto exchangeEnd =
            command.startedAt + std::chrono::milliseconds(command.exchangeDeadlineMs);
        return link->hidQuery(command, exchangeEnd);
    });
}

Hid_Thread::~Hid_Thread() {
    stopListen();
    // Lets the commands already issued go out, within a bound.
    queue.reset();
}

void Hid_Thread::setBackend(HidBackend* backend) {
    transport->setBackend(backend);
}

HidBackend* Hid_Thread::backend() const {
    return transport->backend();
}

bool Hid_Thread::waitForPendingTransfer(int milliseconds) {
    return queue->drain(milliseconds);
}

std::shared_ptr<DeviceCommand> Hid_Thread::request(uchar code, uchar byte2, uchar byte3,
                                                   uchar byte4, uchar byte5, uchar byte6,
                                                   uchar byte7) const {
    auto command = std::make_shared<DeviceCommand>();
    command->device = curDevice;
    uchar* report = command->cmdReport;
    report[0] = 0x00;  // report id
    report[1] = code;
    report[2] = byte2;
    report[3] = byte3;
    report[4] = byte4;
    report[5] = byte5;
    report[6] = byte6;
    report[7] = byte7;
    report[8] = report_codec::checksum(report + 1);
    command->ansReport[0] = 0x00;
    // The scrambling state of this moment travels with the command.
    command->isEncode = isEncode;
    const SecrecyCodeBytes secrecy = currentSecrecyCode();
    std::copy(secrecy.begin(), secrecy.end(), command->secrecyCode);
    return command;
}

void Hid_Thread::launchSend(const std::shared_ptr<DeviceCommand>& command, const char* failureLine,
                            const uchar* data, int dataLength, bool waitReady) {
    command->kind = DeviceCommand::Kind::Set;
    command->failureLine = failureLine;
    command->waitReady = waitReady;
    command->dataLength = dataLength;
    if (data && dataLength > 0) std::memcpy(command->dataBuf, data, size_t(dataLength));
    queue->submit(command);
}

Hid_Thread::QueryOutcome Hid_Thread::runQuery(const std::shared_ptr<DeviceCommand>& command,
                                              const char* failureLine, uchar* callerBuffer,
                                              int dataLength) {
    command->kind = DeviceCommand::Kind::Query;
    command->failureLine = failureLine;
    command->dataLength = dataLength;
    command->exchangeDeadlineMs = queryDeadlineMs;
    if (callerBuffer && dataLength > 0)
        std::memcpy(command->dataBuf, callerBuffer, size_t(dataLength));
    queue->submit(command);

    // On the GUI thread the window keeps painting while the query waits;
    // user input waits too, so no page handler runs inside another.
    const bool isGuiThread =
        QCoreApplication::instance() && QThread::currentThread() == qApp->thread();
    const bool hasRun = queue->waitFor(command, command->exchangeDeadlineMs, [isGuiThread] {
        if (isGuiThread) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (!hasRun) {
        // Dropped by the worker (which wrote the line) or never started.
        if (!command->isDropped) qCDebug(lcDevice, "%s", failureLine);
        return QueryOutcome::NotRun;
    }
    if (callerBuffer && dataLength > 0)
        std::memcpy(callerBuffer, command->dataBuf, size_t(dataLength));
    return command->isSucceeded ? QueryOutcome::Succeeded : QueryOutcome::Failed;
}

uchar Hid_Thread::hidCS(uchar* cmd) {
    return report_codec::checksum(cmd);
}

void Hid_Thread::USBDataEncryption(uchar FIFOBuf[], uchar SecrecyCode[]) {
    report_codec::scramble(FIFOBuf, SecrecyCode);
}

void Hid_Thread::USBDataDecipher(uchar FIFOBuf[], uchar SecrecyCode[]) {
    report_codec::unscramble(FIFOBuf, SecrecyCode);
}
