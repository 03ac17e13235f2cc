#include "emulator/emulated_mouse.h"

#include <algorithm>
#include <cstring>
#include <thread>

#include "device/report_codec.h"

struct HidHandle {
    bool isEventInterface = false;
};

const std::string EmulatedMouse::kCommandPath = "emulated:q4-mouse/commands";
const std::string EmulatedMouse::kEventPath = "emulated:q4-mouse/events";

namespace {

// The mouse needs a moment to carry a command out. The link clears its ready
// flag only after the 8 ms pause that follows the last data report, so a
// notification that came sooner than that would be missed.
constexpr auto kReadyDelay = std::chrono::milliseconds(12);
// Like the kernel's report buffer: old reports drop out when nobody reads.
constexpr size_t kMaximumQueuedReports = 64;
// How long a stalled get-feature call hangs before it fails, as the kernel's
// control transfers eventually do.
constexpr auto kStalledFeatureTime = std::chrono::milliseconds(300);

const char* directionName(EmulatedMouse::Report::Direction direction) {
    switch (direction) {
        case EmulatedMouse::Report::Direction::SetFeature: return "SET_FEATURE";
        case EmulatedMouse::Report::Direction::GetFeature: return "GET_FEATURE";
        case EmulatedMouse::Report::Direction::Write: return "WRITE";
        case EmulatedMouse::Report::Direction::Read: return "READ";
    }
    return "?";
}

}  // namespace

EmulatedMouse::EmulatedMouse() {
    // Factory state: DPI codes of a type-0 sensor's starting values, a
    // rainbow for the effect colours, the logo LED present.
    model.dpiCodes = {0x05, 0x0A, 0x0F, 0x14, 0x80, 0x80, 0x80, 0x80};
    model.stageColours = {255, 0, 0, 255, 128, 0, 255, 255, 0, 0, 255, 0,
                          0, 255, 255, 0, 0, 255, 128, 0, 255, 255, 0, 255};
    model.indicatorColours = model.stageColours;
    model.logoColourIds = {0x10, 0x32, 0x54, 0x76};
    setScrambling(false);
}

EmulatedMouse::~EmulatedMouse() {
    std::lock_guard<std::mutex> lock(mutex);
    for (HidHandle* handle : openHandles) delete handle;
}

void EmulatedMouse::setSensorType(uint8_t type) {
    std::lock_guard<std::mutex> lock(mutex);
    model.sensorType = type;
}

void EmulatedMouse::setDpiStageCount(uint8_t count) {
    std::lock_guard<std::mutex> lock(mutex);
    model.dpiStageCount = count;
}

void EmulatedMouse::setLogoLedPresent(bool isPresent) {
    std::lock_guard<std::mutex> lock(mutex);
    isLogoLedPresent = isPresent;
}

void EmulatedMouse::setScrambling(bool isOn, const std::string& secrecyCode) {
    std::lock_guard<std::mutex> lock(mutex);
    isScrambling = isOn;
    std::memset(code, 0, sizeof code);
    for (size_t i = 0; i < 6 && i < secrecyCode.size(); ++i)
        code[i + 1] = static_cast<uint8_t>(secrecyCode[i]);
}

void EmulatedMouse::setTraceFile(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex);
    if (trace.is_open()) trace.close();
    if (!path.empty()) trace.open(path, std::ios::app);
}

void EmulatedMouse::setUnplugged(bool unplugged) {
    std::lock_guard<std::mutex> lock(mutex);
    isUnplugged = unplugged;
    reportArrived.notify_all();
}

void EmulatedMouse::setEventInterfacePresent(bool isPresent) {
    std::lock_guard<std::mutex> lock(mutex);
    hasEventInterface = isPresent;
}

void EmulatedMouse::setReadyNotification(bool isSent) {
    std::lock_guard<std::mutex> lock(mutex);
    isReadySent = isSent;
}

void EmulatedMouse::setStalledReads(bool stalled) {
    std::lock_guard<std::mutex> lock(mutex);
    isStalled = stalled;
    reportArrived.notify_all();
}

void EmulatedMouse::setStalledWrites(bool stalled) {
    std::lock_guard<std::mutex> lock(mutex);
    areWritesStalled = stalled;
    reportArrived.notify_all();
}

void EmulatedMouse::waitWhileWritesStalled(std::unique_lock<std::mutex>& lock) {
    reportArrived.wait(lock, [this] { return !areWritesStalled || isUnplugged; });
}

void EmulatedMouse::setWrongEcho(bool isWrong) {
    std::lock_guard<std::mutex> lock(mutex);
    isEchoWrong = isWrong;
}

void EmulatedMouse::failWritesAfter(int count) {
    std::lock_guard<std::mutex> lock(mutex);
    writesBeforeFailure = count;
}

void EmulatedMouse::unplugAfter(int count) {
    std::lock_guard<std::mutex> lock(mutex);
    reportsBeforeUnplug = count;
}

EmulatedMouse::State EmulatedMouse::state() const {
    std::lock_guard<std::mutex> lock(mutex);
    return model;
}

void EmulatedMouse::setState(const State& newState) {
    std::lock_guard<std::mutex> lock(mutex);
    model = newState;
}

std::vector<EmulatedMouse::Report> EmulatedMouse::transcript() const {
    std::lock_guard<std::mutex> lock(mutex);
    return reports;
}

void EmulatedMouse::clearTranscript() {
    std::lock_guard<std::mutex> lock(mutex);
    reports.clear();
}

std::vector<HidDeviceInfo> EmulatedMouse::enumerate(uint16_t vendorId, uint16_t productId) {
    std::lock_guard<std::mutex> lock(mutex);
    std::vector<HidDeviceInfo> found;
    if (isUnplugged) return found;
    if ((vendorId != 0 && vendorId != kVendorId) || (productId != 0 && productId != kProductId))
        return found;
    HidDeviceInfo commands{kCommandPath, kVendorId, kProductId, 0xFF00, 0xFF00, 1};
    found.push_back(commands);
    if (hasEventInterface) {
        HidDeviceInfo events{kEventPath, kVendorId, kProductId, 0xFF01, 0xFF01, 2};
        found.push_back(events);
    }
    return found;
}

HidHandle* EmulatedMouse::openPath(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex);
    if (isUnplugged) return nullptr;
    const bool isEvent = path == kEventPath;
    if (!isEvent && path != kCommandPath) return nullptr;
    if (isEvent && !hasEventInterface) return nullptr;
    auto* handle = new HidHandle{isEvent};
    openHandles.push_back(handle);
    return handle;
}

void EmulatedMouse::close(HidHandle* handle) {
    std::lock_guard<std::mutex> lock(mutex);
    auto found = std::find(openHandles.begin(), openHandles.end(), handle);
    if (found == openHandles.end()) return;
    openHandles.erase(found);
    delete handle;
    reportArrived.notify_all();
}

int EmulatedMouse::setNonblocking(HidHandle* handle, int) {
    std::lock_guard<std::mutex> lock(mutex);
    return isHandleUsable(handle) ? 0 : -1;
}

bool EmulatedMouse::isHandleUsable(HidHandle* handle) const {
    return !isUnplugged &&
           std::find(openHandles.begin(), openHandles.end(), handle) != openHandles.end();
}

bool EmulatedMouse::countReceivedReport() {
    if (reportsBeforeUnplug == 0) isUnplugged = true;
    if (reportsBeforeUnplug > 0) --reportsBeforeUnplug;
    if (writesBeforeFailure == 0) return false;
    if (writesBeforeFailure > 0) --writesBeforeFailure;
    return !isUnplugged;
}

int EmulatedMouse::sendFeatureReport(HidHandle* handle, const uint8_t* data, size_t length) {
    std::unique_lock<std::mutex> lock(mutex);
    waitWhileWritesStalled(lock);
    if (!isHandleUsable(handle) || handle->isEventInterface || length < 9) return -1;
    if (!countReceivedReport()) return -1;
    record(Report::Direction::SetFeature, false, data, length);
    uint8_t block[8];
    std::memcpy(block, data + 1, sizeof block);
    if (isScrambling) report_codec::unscramble(block, code);
    carryOutCommand(block);
    return static_cast<int>(length);
}

int EmulatedMouse::getFeatureReport(HidHandle* handle, uint8_t* data, size_t length) {
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

int EmulatedMouse::write(HidHandle* handle, const uint8_t* data, size_t length) {
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

int EmulatedMouse::read(HidHandle* handle, uint8_t* data, size_t length) {
    return readTimeout(handle, data, length, -1);
}

int EmulatedMouse::readTimeout(HidHandle* handle, uint8_t* data, size_t length, int milliseconds) {
    std::unique_lock<std::mutex> lock(mutex);
    if (!isHandleUsable(handle)) return -1;
    const bool isEvent = handle->isEventInterface;
    return takeReport(isEvent ? eventInput : commandInput, lock, handle, isEvent, data, length,
                      milliseconds);
}

// Waits for the next report that is due (a negative time-out waits for ever),
// as long as the handle stays open and the mouse plugged in.
int EmulatedMouse::takeReport(std::deque<PendingReport>& queue, std::unique_lock<std::mutex>& lock,
                              HidHandle* handle, bool isEventInterface, uint8_t* data,
                              size_t length, int milliseconds) {
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
            return static_cast<int>(count);
        }
        if (milliseconds >= 0 && now >= deadline) return 0;
        auto wakeAt = milliseconds >= 0 ? deadline : now + std::chrono::milliseconds(100);
        if (!isStalled && !queue.empty()) wakeAt = std::min(wakeAt, queue.front().availableAt);
        reportArrived.wait_until(lock, wakeAt);
    }
}

void EmulatedMouse::postReady() {
    if (!isReadySent) return;
    if (eventInput.size() >= kMaximumQueuedReports) eventInput.pop_front();
    eventInput.push_back({Clock::now() + kReadyDelay, {0x04, 0x04, 0x00, 0x00}});
    reportArrived.notify_all();
}

void EmulatedMouse::queueInput(const std::vector<uint8_t>& data) {
    commandInput.clear();
    for (size_t offset = 0; offset < data.size(); offset += kReportLength) {
        std::vector<uint8_t> report(kReportLength, 0);
        std::copy_n(data.begin() + static_cast<long>(offset),
                    std::min<size_t>(kReportLength, data.size() - offset), report.begin());
        commandInput.push_back({Clock::now(), std::move(report)});
    }
    reportArrived.notify_all();
}

void EmulatedMouse::record(Report::Direction direction, bool isEventInterface, const uint8_t* data,
                           size_t length) {
    Report report{direction, isEventInterface, std::vector<uint8_t>(data, data + length)};
    if (trace.is_open()) {
        static const char* digits = "0123456789ABCDEF";
        std::string line = directionName(direction);
        line += isEventInterface ? " event" : " cmd";
        for (uint8_t byte : report.bytes) {
            line += ' ';
            line += digits[byte >> 4];
            line += digits[byte & 0x0F];
        }
        trace << line << '\n' << std::flush;
    }
    reports.push_back(std::move(report));
}
