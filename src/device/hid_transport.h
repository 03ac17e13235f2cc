#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <vector>

#include "device/command_queue.h"
#include "device/hid_backend.h"

// Where the link finds one device (the index is the device id): the paths
// of its two interfaces and the payload length of its data reports. A path
// is empty when the interface was not found, its last open failed, or the
// device was removed. Plain strings: the worker and the listener copy and
// change these, and Qt's strings would share their storage between threads
// behind reference counts the thread checker cannot see into.
struct DeviceInterfaces {
    std::string cmdPath;
    std::string eventPath;
    size_t reportLength = 0;
};

// The report transport of the device link: the runtime device list, the two
// interfaces of a device opened on demand, the primitives that carry one
// command (hidSend for sets, hidQuery for queries) and the ready flag the
// event listener raises.
//
// Threads: the command queue's worker runs hidSend and hidQuery, and it alone
// touches hidCmd. The event listener's thread alone touches hidEvent. The GUI
// thread replaces the device list. devicesMutex guards the list and is held
// only to read or change entries, never across a device call. The object is
// shared (std::shared_ptr) by the link, its worker and its listener, so a
// worker stuck inside a device call never outlives what it uses.
class HidTransport {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr int kReportPacingMs = 8;
    static constexpr int kReadyWaitMs = 64;

    // Not owned; must outlive every transfer.
    void setBackend(HidBackend* backend) { hidBackend = backend; }
    HidBackend* backend() const { return hidBackend; }

    void setDevices(std::vector<DeviceInterfaces> entries);
    std::vector<DeviceInterfaces> devices() const;
    // False when did is beyond the list.
    bool device(uint did, DeviceInterfaces* entry) const;
    void setDevicePaths(uint did, const std::string& cmdPath, const std::string& eventPath);
    void clearEventPath(uint did);
    // The path of the last interface that was found but could not be opened
    // (a hidraw node without access, typically); empty when every open since
    // the last setDevices succeeded.
    std::string refusedPath() const;

    // Worker thread. Both close the command interface when they end.
    bool hidSend(DeviceCommand& command);
    bool hidQuery(DeviceCommand& command, Clock::time_point deadline);

    // Listener thread.
    HidHandle* openEventInterface(uint did);
    void closeEventInterface();
    void markReady() { isReady = true; }

    // Ready waits that ran their full 128 ms because no announcement came
    // within the first 64: a measure of lost notifications.
    int extendedReadyWaits() const { return extendedWaits; }

private:
    HidHandle* openCmdInterface(uint did);
    HidHandle* openInterface(uint did, bool isEventInterface);
    void closeCmdInterface();
    HidHandle* sendCommandReport(DeviceCommand& command);
    bool fail();
    void waitDeviceReady();

    std::atomic<HidBackend*> hidBackend{nullptr};
    mutable std::mutex devicesMutex;
    std::vector<DeviceInterfaces> deviceEntries;
    std::string lastRefusedPath;
    HidHandle* hidCmd = nullptr;
    HidHandle* hidEvent = nullptr;
    // Lowered before a report whose effect the device will announce, raised
    // by the listener when the announcement 04 04 00 00 comes.
    std::atomic<bool> isReady{true};
    std::atomic<int> extendedWaits{0};
};
