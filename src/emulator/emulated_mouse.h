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

// A firmware model of the Q4 mouse behind the device seam, so the program
// and its tests run without hardware.
//
// It enumerates with the mouse's ids and two interfaces (commands on usage
// page ff00, events on ff01), echoes the handshake, keeps the device state,
// applies every set command with its data phase, answers every query with
// its state (code echoed at offset 1, answer bytes, checksum at offset 8),
// and posts the ready notification 04 04 00 00 on its event interface a few
// milliseconds after each command. Fault switches let tests break it.
//
// Threads: any thread may call it; one mutex guards all of its state and the
// report queues, and is never held while a caller sleeps except inside the
// condition waits of the reads.
class EmulatedMouse : public HidBackend {
public:
    static constexpr uint16_t kVendorId = 0x04D9;
    static constexpr uint16_t kProductId = 0x6C2E;
    static constexpr int kReportLength = 32;  // payload bytes of a data report
    static constexpr int kMacroSlots = 12;
    static constexpr int kMacroLength = 128;

    struct State {
        uint8_t reportRate = 0x02;  // 1 = 1000 Hz, 2 = 500, 4 = 250, 8 = 125
        uint8_t sensorType = 0;     // 0 to 3
        uint8_t functionOption1 = 0x05;  // bit 6: scroll direction swapped
        uint8_t functionOption2 = 0x00;
        std::array<std::array<uint8_t, 3>, 4> ledInstruction{};  // per LED type
        uint8_t dpiStage = 2;        // 1 to 8
        uint8_t dpiStageCount = 8;   // stages the sensor offers
        uint8_t dpiStagesInUse = 4;  // as the last DPI set said
        std::array<uint8_t, 8> dpiCodes{};
        uint8_t ledEffect = 1;
        uint8_t ledBrightness = 255;
        uint8_t ledSpeed = 10;
        std::array<uint8_t, 24> stageColours{};      // type 0: the effect's 8 colours
        std::array<uint8_t, 24> indicatorColours{};  // type 1: DPI-stage colours
        std::array<uint8_t, 4> logoColourIds{};      // type 2: packed 4-bit ids
        std::array<uint8_t, 64> keyMatrix{};
        std::array<std::array<uint8_t, kMacroLength>, kMacroSlots> macros{};
        uint8_t profile = 0;
        uint8_t firmwareMajor = 0x01;
        uint8_t firmwareMinor = 0x05;
    };

    // One report as it crossed the seam, for traces and tests.
    struct Report {
        enum class Direction { SetFeature, GetFeature, Write, Read };
        Direction direction;
        bool isEventInterface;
        std::vector<uint8_t> bytes;
    };

    EmulatedMouse();
    ~EmulatedMouse() override;

    // Configuration of the model.
    void setSensorType(uint8_t type);
    void setDpiStageCount(uint8_t count);
    void setLogoLedPresent(bool isPresent);
    // Scrambled command and answer blocks with the device's own code.
    void setScrambling(bool isOn, const std::string& code = "731406");
    // Appends one line per report to this file (empty: no trace).
    void setTraceFile(const std::string& path);

    // Fault switches.
    void setUnplugged(bool isUnplugged);
    void setEventInterfacePresent(bool isPresent);
    void setReadyNotification(bool isSent);
    void setStalledReads(bool isStalled);
    // Sends and writes hang until the switch is cleared (a busy transport).
    void setStalledWrites(bool isStalled);
    void setWrongEcho(bool isWrong);
    // After n more reports received, every write fails (-1: never).
    void failWritesAfter(int reports);
    // After n more reports received, the mouse is unplugged (-1: never).
    void unplugAfter(int reports);

    State state() const;
    void setState(const State& state);
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

    static const std::string kCommandPath;
    static const std::string kEventPath;

private:
    using Clock = std::chrono::steady_clock;
    struct PendingReport {
        Clock::time_point availableAt;
        std::vector<uint8_t> bytes;
    };

    bool isHandleUsable(HidHandle* handle) const;
    bool countReceivedReport();  // false when the write must fail
    void waitWhileWritesStalled(std::unique_lock<std::mutex>& lock);
    void carryOutCommand(const uint8_t* block);
    void applyDataPhase();
    void queueInput(const std::vector<uint8_t>& data);
    void postReady();
    void record(Report::Direction direction, bool isEventInterface, const uint8_t* data,
                size_t length);
    int takeReport(std::deque<PendingReport>& queue, std::unique_lock<std::mutex>& lock,
                   HidHandle* handle, bool isEventInterface, uint8_t* data, size_t length,
                   int milliseconds);

    mutable std::mutex mutex;
    std::condition_variable reportArrived;
    State model;
    bool isLogoLedPresent = true;
    bool isScrambling = false;
    uint8_t code[8] = {};
    bool isUnplugged = false;
    bool hasEventInterface = true;
    bool isReadySent = true;
    bool isStalled = false;
    bool areWritesStalled = false;
    bool isEchoWrong = false;
    int writesBeforeFailure = -1;
    int reportsBeforeUnplug = -1;

    std::array<uint8_t, 9> answer{};  // the next GET_FEATURE reply
    uint8_t pendingCode = 0;          // set command waiting for its data phase
    uint8_t pendingParameter = 0;
    std::vector<uint8_t> pendingData;
    size_t pendingLength = 0;
    std::deque<PendingReport> commandInput;
    std::deque<PendingReport> eventInput;
    std::vector<HidHandle*> openHandles;
    std::vector<Report> reports;
    std::ofstream trace;
};
