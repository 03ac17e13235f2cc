#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "device/hid_backend.h"

// What every emulated device has in common, whatever its firmware: two
// interfaces (commands and events) behind the device seam, the command block
// as a 9-byte feature report and its answer, data phases as output and input
// reports of the device's report length, the ready notification 04 04 00 00
// on the event interface, optional scrambling of the command and answer
// blocks, a transcript (and optional trace file) of every report, and the
// fault switches tests use to break the device.
//
// A device's firmware derives from it and says what each command block and
// each completed data phase does (carryOutCommand, applyDataPhase).
//
// Threads: any thread may call it; one mutex guards all of its state and the
// report queues, and is never held while a caller sleeps except inside the
// condition waits of the reads. The firmware hooks run with it held.
class EmulatedHidDevice : public HidBackend {
public:
    // One report as it crossed the seam, for traces and tests.
    struct Report {
        enum class Direction { SetFeature, GetFeature, Write, Read };
        Direction direction;
        bool isEventInterface;
        std::vector<uint8_t> bytes;
    };

    // How the device shows itself: its paths, ids and usages, the payload
    // length of its data reports and the names of its interfaces in traces.
    struct Identity {
        std::string commandPath;
        std::string eventPath;
        uint16_t vendorId = 0;
        uint16_t productId = 0;
        uint16_t commandUsagePage = 0;
        uint16_t commandUsage = 0;
        uint16_t eventUsagePage = 0;
        uint16_t eventUsage = 0;
        size_t reportLength = 0;
        std::string commandTraceName = "cmd";
        std::string eventTraceName = "event";
    };

    explicit EmulatedHidDevice(Identity identity);
    ~EmulatedHidDevice() override;
    EmulatedHidDevice(const EmulatedHidDevice&) = delete;
    EmulatedHidDevice& operator=(const EmulatedHidDevice&) = delete;

    // True for the device's own command and event paths.
    bool ownsPath(const std::string& path) const;

    // Scrambled command and answer blocks with the device's own code.
    void setScrambling(bool isOn, const std::string& code = "731406");
    // Appends one line per report to this file (empty: no trace).
    void setTraceFile(const std::string& path);

    // Fault switches.
    void setUnplugged(bool isUnplugged);
    // Enumerated but never opened, as a hidraw node the user has no access to.
    void setOpenRefused(bool isRefused);
    void setEventInterfacePresent(bool isPresent);
    void setReadyNotification(bool isSent);
    void setStalledReads(bool isStalled);
    // Sends and writes hang until the switch is cleared (a busy transport).
    void setStalledWrites(bool isStalled);
    void setWrongEcho(bool isWrong);
    // After n more reports received, every write fails (-1: never).
    void failWritesAfter(int reports);
    // After n more reports received, the device is unplugged (-1: never).
    void unplugAfter(int reports);
    // Once n more input reports of the command interface have been read,
    // the device is unplugged (-1: never): a device that leaves the bus
    // between two reports of a data phase, whatever the load.
    void unplugAfterReads(int reads);
    // How long after a command the ready notification comes (12 ms unless
    // set; 0 answers at once).
    void setReadyDelay(std::chrono::milliseconds delay);
    // Input reports of a data phase come this far apart (a slow device).
    void setInputReportDelay(std::chrono::milliseconds delay);

    std::vector<Report> transcript() const;
    void clearTranscript();

    // HidBackend.
    std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) override;
    HidHandle* openPath(const std::string& path) override;
    void close(HidHandle* handle) override;
    int setNonblocking(HidHandle* handle, int nonblock) override;
    int sendFeatureReport(HidHandle* handle, const uint8_t* data, size_t length) override;
    int getFeatureReport(HidHandle* handle, uint8_t* data, size_t length) override;
    int write(HidHandle* handle, const uint8_t* data, size_t length) override;
    int read(HidHandle* handle, uint8_t* data, size_t length) override;
    int readTimeout(HidHandle* handle, uint8_t* data, size_t length, int milliseconds) override;

protected:
    // What both devices keep and answer alike: 0x01/0x81 the report rate,
    // 0x02/0x82 the profile, 0x80 the firmware version.
    struct SharedState {
        uint8_t* reportRate;
        uint8_t* profile;
        uint8_t firmwareMajor;
        uint8_t firmwareMinor;
    };
    virtual SharedState sharedState() = 0;

    // The firmware, for every command but the handshake and the shared ones.
    // block: the command block after unscrambling, code first, checksum
    // last. It fills answer, expects a data phase by setting pendingLength,
    // and posts the ready notification.
    virtual void carryOutCommand(const uint8_t* block) = 0;
    // Called once pendingData holds pendingLength bytes; clears both and
    // posts the ready notification.
    virtual void applyDataPhase() = 0;

    // For the firmware: the answer's checksum and scrambling, then ready.
    void sealAnswerAndPostReady();

    // Replaces the pending input reports by data cut into data reports.
    void queueInput(const std::vector<uint8_t>& data);
    void postReady();

    mutable std::mutex mutex;
    bool isScrambling = false;
    uint8_t code[8] = {};
    bool isEchoWrong = false;
    std::array<uint8_t, 9> answer{};   // the next GET_FEATURE reply
    std::vector<uint8_t> pendingData;  // data phase received so far
    size_t pendingLength = 0;          // 0: no data phase expected

private:
    using Clock = std::chrono::steady_clock;
    struct PendingReport {
        Clock::time_point availableAt;
        std::vector<uint8_t> bytes;
    };

    // Starts the answer to a command block: clears it and any data phase,
    // echoes the code, and answers the handshake (0x00) by echoing its four
    // challenge bytes. False when the block's checksum does not match: such
    // a block is echoed but not carried out.
    bool beginAnswer(const uint8_t* block);
    // True when the block was the handshake or a shared command, answered.
    bool carryOutSharedCommand(const uint8_t* block);
    bool isHandleUsable(HidHandle* handle) const;
    bool countReceivedReport();  // false when the write must fail
    void waitWhileWritesStalled(std::unique_lock<std::mutex>& lock);
    void record(Report::Direction direction, bool isEventInterface, const uint8_t* data,
                size_t length);
    int takeReport(std::deque<PendingReport>& queue, std::unique_lock<std::mutex>& lock,
                   HidHandle* handle, bool isEventInterface, uint8_t* data, size_t length,
                   int milliseconds);

    const Identity identity;
    std::condition_variable reportArrived;
    bool isUnplugged = false;
    bool isOpenRefused = false;
    bool hasEventInterface = true;
    bool isReadySent = true;
    bool isStalled = false;
    bool areWritesStalled = false;
    std::chrono::milliseconds readyDelay{12};
    std::chrono::milliseconds inputReportDelay{0};
    int writesBeforeFailure = -1;
    int reportsBeforeUnplug = -1;
    int readsBeforeUnplug = -1;

    std::deque<PendingReport> commandInput;
    std::deque<PendingReport> eventInput;
    std::vector<HidHandle*> openHandles;
    std::vector<Report> reports;
    std::ofstream trace;
};
