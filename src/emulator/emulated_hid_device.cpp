#include "emulator/emulated_hid_device.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "device/report_codec.h"

struct HidHandle {
    bool isEventInterface = false;
};

namespace {

// Like the kernel's report buffer: old reports drop out when nobody reads.
constexpr size_t kMaximumQueuedReports = 64;
// How long a stalled get-feature call hangs before it fails, as the kernel's
// control transfers eventually do.
constexpr auto kStalledFeatureTime = std::chrono::milliseconds(300);

const char* directionName(EmulatedHidDevice::Report::Direction direction) {
    switch (direction) {
        case EmulatedHidDevice::Report::Direction::SetFeature:
            return "SET_FEATURE";
        case EmulatedHidDevice::Report::Direction::GetFeature:
            return "GET_FEATURE";
        case EmulatedHidDevice::Report::Direction::Write:
            return "WRITE";
        case EmulatedHidDevice::Report::Direction::Read:
            return "READ";
    }
    return "?";
}

}  // namespace

EmulatedHidDevice::EmulatedHidDevice(Identity deviceIdentity)
    : identity(std::move(deviceIdentity)) {}

EmulatedHidDevice::~EmulatedHidDevice() {
    std::lock_guard<std::mutex> lock(mutex);
    for (HidHandle* handle : openHandles) delete handle;
}

bool EmulatedHidDevice::ownsPath(const std::string& path) const {
    return path == identity.commandPath || path == identity.eventPath;
}

void EmulatedHidDevice::setScrambling(bool isOn, const std::string& secrecyCode) {
    std::lock_guard<std::mutex> lock(mutex);
    isScrambling = isOn;
    std::memset(code, 0, sizeof code);
    for (size_t i = 0; i < 6 && i < secrecyCode.size(); ++i)
        code[i + 1] = static_cast<uint8_t>(secrecyCode[i]);
}

void EmulatedHidDevice::setTraceFile(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex);
    if (trace.is_open()) trace.close();
    if (!path.empty()) trace.open(path, std::ios::app);
}

void EmulatedHidDevice::setUnplugged(bool unplugged) {
    std::lock_guard<std::mutex> lock(mutex);
    isUnplugged = unplugged;
    reportArrived.notify_all();
}

void EmulatedHidDevice::setOpenRefused(bool isRefused) {
    std::lock_guard<std::mutex> lock(mutex);
    isOpenRefused = isRefused;
}

void EmulatedHidDevice::setEventInterfacePresent(bool isPresent) {
    std::lock_guard<std::mutex> lock(mutex);
    hasEventInterface = isPresent;
}

void EmulatedHidDevice::setReadyNotification(bool isSent) {
    std::lock_guard<std::mutex> lock(mutex);
    isReadySent = isSent;
}

void EmulatedHidDevice::setStalledReads(bool stalled) {
    std::lock_guard<std::mutex> lock(mutex);
    isStalled = stalled;
    reportArrived.notify_all();
}

void EmulatedHidDevice::setStalledWrites(bool stalled) {
    std::lock_guard<std::mutex> lock(mutex);
    areWritesStalled = stalled;
    reportArrived.notify_all();
}

void EmulatedHidDevice::waitWhileWritesStalled(std::unique_lock<std::mutex>& lock) {
    reportArrived.wait(lock, [this] { return !areWritesStalled || isUnplugged; });
}

void EmulatedHidDevice::setWrongEcho(bool isWrong) {
    std::lock_guard<std::mutex> lock(mutex);
    isEchoWrong = isWrong;
}

void EmulatedHidDevice::failWritesAfter(int count) {
    std::lock_guard<std::mutex> lock(mutex);
    writesBeforeFailure = count;
}

void EmulatedHidDevice::unplugAfter(int count) {
    std::lock_guard<std::mutex> lock(mutex);
    reportsBeforeUnplug = count;
}

void EmulatedHidDevice::unplugAfterReads(int count) {
    std::lock_guard<std::mutex> lock(mutex);
    readsBeforeUnplug = count;
}

void EmulatedHidDevice::setReadyDelay(std::chrono::milliseconds delay) {
    std::lock_guard<std::mutex> lock(mutex);
    readyDelay = delay;
}

void EmulatedHidDevice::setInputReportDelay(std::chrono::milliseconds delay) {
    std::lock_guard<std::mutex> lock(mutex);
    inputReportDelay = delay;
}

std::vector<EmulatedHidDevice::Report> EmulatedHidDevice::transcript() const {
    std::lock_guard<std::mutex> lock(mutex);
    return reports;
}

void EmulatedHidDevice::clearTranscript() {
    std::lock_guard<std::mutex> lock(mutex);
    reports.clear();
}

std::vector<HidDeviceInfo> EmulatedHidDevice::enumerate(uint16_t vendorId, uint16_t productId) {
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<HidDeviceInfo> found;
    if (isUnplugged) return found;
    if ((vendorId != 0 && vendorId != identity.vendorId) ||
        (productId != 0 && productId != identity.productId))
        return found;
    found.push_back({identity.commandPath, identity.vendorId, identity.productId,
                     identity.commandUsagePage, identity.commandUsage, 1});
    if (hasEventInterface)
        found.push_back({identity.eventPath, identity.vendorId, identity.productId,
                         identity.eventUsagePage, identity.eventUsage, 2});
    return found;
}

HidHandle* EmulatedHidDevice::openPath(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex);
    if (isUnplugged || isOpenRefused) return nullptr;
    const bool isEvent = path == identity.eventPath;
    if (!isEvent && path != identity.commandPath) return nullptr;
    if (isEvent && !hasEventInterface) return nullptr;
    auto* handle = new HidHandle{isEvent};
    openHandles.push_back(handle);
    return handle;
}

void EmulatedHidDevice::close(HidHandle* handle) {
    std::lock_guard<std::mutex> lock(mutex);
    auto found = std::find(openHandles.begin(), openHandles.end(), handle);
    if (found == openHandles.end()) return;
    openHandles.erase(found);
    delete handle;
    reportArrived.notify_all();
}

int EmulatedHidDevice::setNonblocking(HidHandle* handle, int) {
    std::lock_guard<std::mutex> lock(mutex);
    return isHandleUsable(handle) ? 0 : -1;
}

bool EmulatedHidDevice::isHandleUsable(HidHandle* handle) const {
    return !isUnplugged &&
           std::find(openHandles.begin(), openHandles.end(), handle) != openHandles.end();
}

bool EmulatedHidDevice::countReceivedReport() {
    if (reportsBeforeUnplug == 0) isUnplugged = true;
    if (reportsBeforeUnplug > 0) --reportsBeforeUnplug;
    if (writesBeforeFailure == 0) return false;
    if (writesBeforeFailure > 0) --writesBeforeFailure;
    return !isUnplugged;
}

int EmulatedHidDevice::sendFeatureReport(HidHandle* handle, const uint8_t* data, size_t length) {
    std::unique_lock<std::mutex> lock(mutex);
    waitWhileWritesStalled(lock);
    if (!isHandleUsable(handle) || handle->isEventInterface || length < 9) return -1;
    if (!countReceivedReport()) return -1;
    record(Report::Direction::SetFeature, false, data, length);
    uint8_t block[8];
    std::memcpy(block, data + 1, sizeof block);
    if (isScrambling) report_codec::unscramble(block, code);
    // A block with a wrong checksum is echoed but not carried out.
    if (!beginAnswer(block) || carryOutSharedCommand(block))
        sealAnswerAndPostReady();
    else
        carryOutCommand(block);
    return static_cast<int>(length);
}

int EmulatedHidDevice::getFeatureReport(HidHandle* handle, uint8_t* data, size_t length) {
    std::unique_lock<std::mutex> lock(mutex);
    if (!isHandleUsable(handle) || handle->isEventInterface || length < 9) return -1;
    if (isStalled) {
        reportArrived.wait_for(lock, kStalledFeatureTime, [this] { return !isStalled; });
        if (isStalled) return -1;
    }
    std::memcpy(data, answer.data(), 9);
    record(Report::Direction::GetFeature, false, data, 9);
    return 9;
}

int EmulatedHidDevice::write(HidHandle* handle, const uint8_t* data, size_t length) {
    std::unique_lock<std::mutex> lock(mutex);
    waitWhileWritesStalled(lock);
    if (!isHandleUsable(handle) || handle->isEventInterface || length < 1) return -1;
    if (!countReceivedReport()) return -1;
    record(Report::Direction::Write, false, data, length);
    if (pendingLength > 0) {
        // Byte 0 is the report id; the payload follows.
        const size_t take = std::min(length - 1, pendingLength - pendingData.size());
        pendingData.insert(pendingData.end(), data + 1, data + 1 + take);
        if (pendingData.size() >= pendingLength) applyDataPhase();
    }
    return static_cast<int>(length);
}

int EmulatedHidDevice::read(HidHandle* handle, uint8_t* data, size_t length) {
    return readTimeout(handle, data, length, -1);
}

int EmulatedHidDevice::readTimeout(HidHandle* handle, uint8_t* data, size_t length,
                                   int milliseconds) {
    std::unique_lock<std::mutex> lock(mutex);
    if (!isHandleUsable(handle)) return -1;
    const bool isEvent = handle->isEventInterface;
    return takeReport(isEvent ? eventInput : commandInput, lock, handle, isEvent, data, length,
                      milliseconds);
}

// Waits for the next report that is due (a negative time-out waits for ever),
// as long as the handle stays open and the device plugged in.
int EmulatedHidDevice::takeReport(std::deque<PendingReport>& queue,
                                  std::unique_lock<std::mutex>& lock, HidHandle* handle,
                                  bool isEventInterface, uint8_t* data, size_t length,
                                  int milliseconds) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(milliseconds, 0));
    for (;;) {
        if (!isHandleUsable(handle)) return -1;
        const auto now = Clock::now();
        if (!isStalled && !queue.empty() && queue.front().availableAt <= now) {
            const std::vector<uint8_t> bytes = std::move(queue.front().bytes);
            queue.pop_front();
            const size_t count = std::min(length, bytes.size());
            std::memcpy(data, bytes.data(), count);
            record(Report::Direction::Read, isEventInterface, bytes.data(), count);
            if (!isEventInterface && readsBeforeUnplug > 0 && --readsBeforeUnplug == 0) {
                isUnplugged = true;
                reportArrived.notify_all();
            }
            return static_cast<int>(count);
        }
        if (milliseconds >= 0 && now >= deadline) return 0;
        auto wakeAt = milliseconds >= 0 ? deadline : now + std::chrono::milliseconds(100);
        if (!isStalled && !queue.empty()) wakeAt = std::min(wakeAt, queue.front().availableAt);
        reportArrived.wait_until(lock, wakeAt);
    }
}

bool EmulatedHidDevice::beginAnswer(const uint8_t* block) {
    answer.fill(0);
    answer[1] = block[0];
    pendingLength = 0;
    pendingData.clear();
    if (report_codec::checksum(block) != block[7]) return false;
    if (block[0] == 0x00) {
        std::copy_n(block + 1, 4, answer.begin() + 2);
        if (isEchoWrong) answer[2] = static_cast<uint8_t>(answer[2] ^ 0xFF);
    }
    return true;
}

bool EmulatedHidDevice::carryOutSharedCommand(const uint8_t* block) {
    const uint8_t parameter = block[1];  // request byte 2
    SharedState shared = sharedState();
    switch (block[0]) {
        case 0x00:  // the handshake, answered by beginAnswer
            return true;
        case 0x01:
            *shared.reportRate = parameter;
            return true;
        case 0x02:
            *shared.profile = parameter;
            return true;
        case 0x80:
            answer[2] = shared.firmwareMajor;
            answer[3] = shared.firmwareMinor;
            return true;
        case 0x81:
            answer[2] = *shared.reportRate;
            return true;
        case 0x82:
            answer[2] = *shared.profile;
            return true;
        default:
            return false;
    }
}

void EmulatedHidDevice::sealAnswerAndPostReady() {
    answer[8] = report_codec::checksum(answer.data() + 1);
    if (isScrambling) report_codec::scramble(answer.data() + 1, code);
    postReady();
}

void EmulatedHidDevice::postReady() {
    if (!isReadySent) return;
    if (eventInput.size() >= kMaximumQueuedReports) eventInput.pop_front();
    // A device needs a moment to carry a command out.
    eventInput.push_back({Clock::now() + readyDelay, {0x04, 0x04, 0x00, 0x00}});
    reportArrived.notify_all();
}

void EmulatedHidDevice::queueInput(const std::vector<uint8_t>& data) {
    const size_t reportLength = identity.reportLength;
    commandInput.clear();
    if (reportLength == 0) return;  // a device without data reports
    auto availableAt = Clock::now();
    for (size_t offset = 0; offset < data.size(); offset += reportLength) {
        std::vector<uint8_t> report(reportLength, 0);
        std::copy_n(data.begin() + static_cast<long>(offset),
                    std::min(reportLength, data.size() - offset), report.begin());
        availableAt += inputReportDelay;
        commandInput.push_back({availableAt, std::move(report)});
    }
    reportArrived.notify_all();
}

void EmulatedHidDevice::record(Report::Direction direction, bool isEventInterface,
                               const uint8_t* data, size_t length) {
    Report report{direction, isEventInterface, std::vector<uint8_t>(data, data + length)};
    if (trace.is_open()) {
        static const char* digits = "0123456789ABCDEF";
        std::string line = directionName(direction);
        line += ' ';
        line += isEventInterface ? identity.eventTraceName : identity.commandTraceName;
        for (uint8_t byte : report.bytes) {
            line += ' ';
            line += digits[byte >> 4];
            line += digits[byte & 0x0F];
        }
        trace << line << '\n' << std::flush;
    }
    reports.push_back(std::move(report));
}
