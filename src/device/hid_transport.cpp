// Report transport: the command block's checksum and scrambling, and the two
// primitives every command uses. A set sends the 9-byte feature report and
// then its data phase as output reports; a query sends the feature report,
// reads the 9-byte answer and then its data phase as input reports.

#include <QThread>
#include <algorithm>
#include <cstring>
#include <vector>

#include "device/hid_thread.h"
#include "device/report_codec.h"

uchar Hid_Thread::hidCS(uchar* cmd) {
    return report_codec::checksum(cmd);
}

void Hid_Thread::USBDataEncryption(uchar FIFOBuf[], uchar SecrecyCode[]) {
    report_codec::scramble(FIFOBuf, SecrecyCode);
}

void Hid_Thread::USBDataDecipher(uchar FIFOBuf[], uchar SecrecyCode[]) {
    report_codec::unscramble(FIFOBuf, SecrecyCode);
}

// The ready notification normally comes within a few milliseconds; the wait
// is 64 ms when it came within the first 64 and 128 ms otherwise.
void Hid_Thread::waitDeviceReady() {
    isReady = false;
    QThread::msleep(kReadyWaitMs);
    if (isReady) return;
    isReady = true;
    QThread::msleep(kReadyWaitMs);
}

bool Hid_Thread::failTransfer() {
    closeCmdInterface();
    releaseTransport();
    return false;
}

// Opens the command interface and sends the command block, scrambled when
// scrambling is on. False when either fails.
bool Hid_Thread::sendCommandReport(uint did) {
    HidHandle* handle = openCmdInterface(did);
    if (!handle) return false;
    if (isEncode) USBDataEncryption(cmdReport + 1, secrecyCode);
    return hidBackend->sendFeatureReport(handle, cmdReport, sizeof cmdReport) >= 0;
}

uint Hid_Thread::reportLengthOf(uint did) const {
    QMutexLocker lock(&devicesMutex);
    return did < static_cast<uint>(devices.size()) ? devices.at(int(did)).reportLength : 0;
}

bool Hid_Thread::hidSend(int dataLength, bool waitReady) {
    const uint did = curDevice;
    const uint reportLength = reportLengthOf(did);
    if (!sendCommandReport(did)) return failTransfer();
    if (waitReady) waitDeviceReady();

    if (dataLength > 0) {
        // A table row without a report length (or a payload larger than the
        // buffer) cannot be cut into reports: the transfer fails instead of
        // stepping by zero or reading past the payload.
        if (reportLength == 0 || dataLength > kDataBufferSize) return failTransfer();
        const int chunk = std::min(dataLength, static_cast<int>(reportLength));
        std::vector<uchar> report(reportLength + 1, 0);
        for (int offset = 0; offset < dataLength; offset += chunk) {
            const int count = std::min(chunk, dataLength - offset);
            std::fill(report.begin(), report.end(), uchar(0));
            std::memcpy(report.data() + 1, dataBuf + offset, static_cast<size_t>(count));
            HidHandle* handle = openCmdInterface(did);
            if (!handle || hidBackend->write(handle, report.data(), report.size()) < 0)
                return failTransfer();
            QThread::msleep(kReportPacingMs);
        }
        if (waitReady) waitDeviceReady();
    }
    closeCmdInterface();
    releaseTransport();
    return true;
}

bool Hid_Thread::hidQuery(int dataLength) {
    const uint did = curDevice;
    const uint reportLength = reportLengthOf(did);
    if (!sendCommandReport(did)) return failTransfer();
    HidHandle* handle = openCmdInterface(did);
    if (!handle || hidBackend->getFeatureReport(handle, ansReport, sizeof ansReport) < 0)
        return failTransfer();

    if (dataLength > 0) {
        if (reportLength == 0 || dataLength > kDataBufferSize) return failTransfer();
        const int chunk = std::min(dataLength, static_cast<int>(reportLength));
        std::vector<uchar> report(reportLength + 1, 0);
        for (int offset = 0; offset < dataLength; offset += chunk) {
            std::fill(report.begin(), report.end(), uchar(0));
            handle = openCmdInterface(did);
            // Every read is bounded: nothing within the time-out (0) fails the
            // query like an error does, so a stalled device cannot freeze us.
            if (!handle || hidBackend->readTimeout(handle, report.data(), report.size(),
                                                   dataReadTimeoutMs) <= 0)
                return failTransfer();
            // hidapi hands over the report without its id byte.
            std::memcpy(dataBuf + offset, report.data(),
                        static_cast<size_t>(std::min(chunk, dataLength - offset)));
        }
        // The answer block of a query with a data phase stays as received.
        closeCmdInterface();
        releaseTransport();
        return true;
    }
    closeCmdInterface();
    releaseTransport();
    if (isEncode) USBDataDecipher(ansReport + 1, secrecyCode);
    return true;
}
