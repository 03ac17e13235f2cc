// Report transport: a set sends the 9-byte feature report and then its data
// phase as output reports; a query sends the feature report, reads the
// 9-byte answer and then its data phase as input reports.
//
// Each exchange opens the command interface once and closes it when it
// ends. The kernel gives every open file of a hidraw node a queue of its own
// and takes input reports from the device only while a file is open: a
// handle reopened between the reads of a data phase would lose the reports
// already taken for the old one. A fresh handle per exchange still drops
// whatever an earlier, failed exchange left unread.

#include "device/hid_transport.h"

#include <QThread>
#include <algorithm>
#include <cstring>
#include <vector>

#include "common/logging.h"
#include "device/report_codec.h"

void HidTransport::setDevices(std::vector<DeviceInterfaces> entries) {
    std::lock_guard<std::mutex> lock(devicesMutex);
    deviceEntries = std::move(entries);
    lastRefusedPath.clear();
}

std::vector<DeviceInterfaces> HidTransport::devices() const {
    std::lock_guard<std::mutex> lock(devicesMutex);
    return deviceEntries;
}

bool HidTransport::device(uint did, DeviceInterfaces* entry) const {
    std::lock_guard<std::mutex> lock(devicesMutex);
    if (did >= deviceEntries.size()) return false;
    if (entry) *entry = deviceEntries.at(did);
    return true;
}

void HidTransport::setDevicePaths(uint did, const std::string& cmdPath,
                                  const std::string& eventPath) {
    std::lock_guard<std::mutex> lock(devicesMutex);
    if (did >= deviceEntries.size()) return;
    deviceEntries[did].cmdPath = cmdPath;
    deviceEntries[did].eventPath = eventPath;
}

void HidTransport::clearEventPath(uint did) {
    std::lock_guard<std::mutex> lock(devicesMutex);
    if (did < deviceEntries.size()) deviceEntries[did].eventPath.clear();
}

std::string HidTransport::refusedPath() const {
    std::lock_guard<std::mutex> lock(devicesMutex);
    return lastRefusedPath;
}

// Opens the interface anew. A failed open clears the path: the interface
// counts as gone until the next device check rebuilds the list. A device id
// beyond the list is a device that is not found.
HidHandle* HidTransport::openInterface(uint did, bool isEventInterface) {
    HidBackend* backend = hidBackend;
    std::string path;
    {
        std::lock_guard<std::mutex> lock(devicesMutex);
        if (did >= deviceEntries.size()) return nullptr;
        const DeviceInterfaces& entry = deviceEntries.at(did);
        path = isEventInterface ? entry.eventPath : entry.cmdPath;
    }
    if (path.empty() || !backend) return nullptr;
    HidHandle*& handle = isEventInterface ? hidEvent : hidCmd;
    if (handle) backend->close(handle);
    handle = backend->openPath(path);
    if (!handle) {
        std::lock_guard<std::mutex> lock(devicesMutex);
        lastRefusedPath = path;
        if (did < deviceEntries.size()) {
            DeviceInterfaces& entry = deviceEntries[did];
            (isEventInterface ? entry.eventPath : entry.cmdPath).clear();
        }
        return nullptr;
    }
    backend->setNonblocking(handle, 0);
    return handle;
}

HidHandle* HidTransport::openCmdInterface(uint did) {
    return openInterface(did, false);
}

HidHandle* HidTransport::openEventInterface(uint did) {
    return openInterface(did, true);
}

void HidTransport::closeCmdInterface() {
    if (hidCmd && hidBackend) hidBackend.load()->close(hidCmd);
    hidCmd = nullptr;
}

void HidTransport::closeEventInterface() {
    if (hidEvent && hidBackend) hidBackend.load()->close(hidEvent);
    hidEvent = nullptr;
}

// The device announces on its event interface that it has carried out a
// command. The flag is lowered before the report it answers goes out, so an
// announcement that comes at once is not missed. The wait is 64 ms when the
// announcement came within them and 128 ms otherwise.
void HidTransport::waitDeviceReady() {
    QThread::msleep(kReadyWaitMs);
    if (isReady) return;
    qCDebug(lcTransport, "no ready notification within %d ms", kReadyWaitMs);
    ++extendedWaits;
    isReady = true;
    QThread::msleep(kReadyWaitMs);
}

bool HidTransport::fail() {
    closeCmdInterface();
    return false;
}

// Opens the command interface for the exchange and sends the command block,
// scrambled with the code the command was issued with when scrambling was on
// then. Null when either fails.
HidHandle* HidTransport::sendCommandReport(DeviceCommand& command) {
    HidHandle* handle = openCmdInterface(command.device);
    if (!handle) return nullptr;
    if (command.isEncode) report_codec::scramble(command.cmdReport + 1, command.secrecyCode);
    const int sent =
        hidBackend.load()->sendFeatureReport(handle, command.cmdReport, sizeof command.cmdReport);
    return sent < 0 ? nullptr : handle;
}

namespace {

// A payload is cut into reports of the device's report length; a length the
// device table never validated (0, or beyond the payload buffer) cannot be.
bool isCuttable(int dataLength, size_t reportLength) {
    return reportLength > 0 && reportLength <= size_t(DeviceCommand::kDataBufferSize) &&
           dataLength <= DeviceCommand::kDataBufferSize;
}

}  // namespace

bool HidTransport::hidSend(DeviceCommand& command) {
    DeviceInterfaces entry;
    device(command.device, &entry);
    const size_t reportLength = entry.reportLength;
    const int dataLength = command.dataLength;
    if (command.waitReady) isReady = false;
    HidHandle* handle = sendCommandReport(command);
    if (!handle) return fail();
    if (command.waitReady) waitDeviceReady();

    if (dataLength > 0) {
        if (!isCuttable(dataLength, reportLength)) return fail();
        std::vector<uchar> report(reportLength + 1, 0);
        for (size_t offset = 0; offset < size_t(dataLength); offset += reportLength) {
            const size_t count = std::min(reportLength, size_t(dataLength) - offset);
            std::fill(report.begin(), report.end(), uchar(0));
            std::memcpy(report.data() + 1, command.dataBuf + offset, count);
            const bool isLast = offset + count >= size_t(dataLength);
            if (isLast && command.waitReady) isReady = false;
            if (hidBackend.load()->write(handle, report.data(), report.size()) < 0) return fail();
            QThread::msleep(kReportPacingMs);
        }
        if (command.waitReady) waitDeviceReady();
    }
    closeCmdInterface();
    return true;
}

// Every read of the data phase is bounded by what is left of the query's
// deadline, so a device that stops answering fails the query as a whole in
// bounded time instead of freezing its caller.
bool HidTransport::hidQuery(DeviceCommand& command, Clock::time_point deadline) {
    DeviceInterfaces entry;
    device(command.device, &entry);
    const size_t reportLength = entry.reportLength;
    const int dataLength = command.dataLength;
    HidHandle* handle = sendCommandReport(command);
    if (!handle || hidBackend.load()->getFeatureReport(handle, command.ansReport,
                                                       sizeof command.ansReport) < 0)
        return fail();

    if (dataLength > 0) {
        if (!isCuttable(dataLength, reportLength)) return fail();
        std::vector<uchar> report(reportLength + 1, 0);
        for (size_t offset = 0; offset < size_t(dataLength); offset += reportLength) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return fail();
            std::fill(report.begin(), report.end(), uchar(0));
            // Nothing within the time left (0) fails the query like an error.
            if (hidBackend.load()->readTimeout(handle, report.data(), report.size(),
                                               int(left.count())) <= 0)
                return fail();
            // hidapi hands over the report without its id byte.
            std::memcpy(command.dataBuf + offset, report.data(),
                        std::min(reportLength, size_t(dataLength) - offset));
        }
        // The answer block of a query with a data phase stays as received.
        closeCmdInterface();
        return true;
    }
    closeCmdInterface();
    if (command.isEncode) report_codec::unscramble(command.ansReport + 1, command.secrecyCode);
    return true;
}
