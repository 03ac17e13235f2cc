#pragma once

#include <array>
#include <string>

#include "emulator/emulated_hid_device.h"

// A firmware model of the Q4 mouse behind the device seam, so the program
// and its tests run without hardware.
//
// It enumerates with the mouse's ids and two interfaces (commands on usage
// page ff00, events on ff01), echoes the handshake, keeps the device state,
// applies every set command with its data phase, answers every query with
// its state (code echoed at offset 1, answer bytes, checksum at offset 8),
// and posts the ready notification 04 04 00 00 on its event interface a few
// milliseconds after each command. Fault switches, scrambling, the
// transcript and the trace file are the emulated device's (the base).
//
// Threads: any thread may call it; the base's mutex guards the mouse's state
// too.
class EmulatedMouse : public EmulatedHidDevice {
public:
    static constexpr uint16_t kVendorId = 0x04D9;
    static constexpr uint16_t kProductId = 0x6C2E;
    static constexpr int kReportLength = 32;  // payload bytes of a data report
    static constexpr int kMacroSlots = 12;
    static constexpr int kMacroLength = 128;

    struct State {
        uint8_t reportRate = 0x02;       // 1 = 1000 Hz, 2 = 500, 4 = 250, 8 = 125
        uint8_t sensorType = 0;          // 0 to 3
        uint8_t functionOption1 = 0x05;  // bit 6: scroll direction swapped
        uint8_t functionOption2 = 0x00;
        std::array<std::array<uint8_t, 3>, 4> ledInstruction{};  // per LED type
        uint8_t dpiStage = 2;                                    // 1 to 8
        uint8_t dpiStageCount = 8;                               // stages the sensor offers
        uint8_t dpiStagesInUse = 4;                              // as the last DPI set said
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

    EmulatedMouse();

    // Configuration of the model.
    void setSensorType(uint8_t type);
    void setDpiStageCount(uint8_t count);
    void setLogoLedPresent(bool isPresent);

    State state() const;
    void setState(const State& state);

    static const std::string kCommandPath;
    static const std::string kEventPath;

private:
    // The firmware (emulated_mouse_firmware.cpp).
    SharedState sharedState() override;
    void carryOutCommand(const uint8_t* block) override;
    void applyDataPhase() override;

    State model;
    bool isLogoLedPresent = true;
    uint8_t pendingCode = 0;  // set command waiting for its data phase
    uint8_t pendingParameter = 0;
};
