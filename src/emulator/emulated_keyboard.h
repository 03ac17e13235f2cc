#pragma once

#include <array>
#include <string>

#include "emulator/emulated_hid_device.h"

// A firmware model of the companion keyboard behind the device seam, beside
// the emulated mouse, so the keyboard's commands and the view's keyboard
// slots run end to end without hardware.
//
// It enumerates with the keyboard's ids and two interfaces (commands on
// usage page ff01, events on ff02), echoes the handshake, keeps the
// keyboard's state and carries out its command set: the value commands
// (options, sensitivities, indicator light, LED type, mode, colour slots),
// the data commands whose data phase travels in 64-byte reports (key matrix
// 512 bytes, key on/off map 21, macro slot 192, user picture 512), the
// recovery to factory state, and the commands both devices share (report
// rate, profile, firmware version). Queries answer from the state: code
// echoed at offset 1, answer bytes, checksum at offset 8, data in 64-byte
// input reports. After each command, and again after each data phase, the
// ready notification 04 04 00 00 goes out on the event interface.
//
// No part of the program interprets the option, sensitivity, LED and mode
// bytes or the layout of key entries and pictures: the model keeps them as
// they come and answers them back.
//
// The device link never enumerates the keyboard, so a test gives the link's
// keyboard entry kCommandPath and kEventPath itself. Traces name the
// keyboard's interfaces "kb-cmd" and "kb-event".
//
// Threads: any thread may call it; the base's mutex guards the keyboard's
// state too.
class EmulatedKeyboard : public EmulatedHidDevice {
public:
    static constexpr uint16_t kVendorId = 0x04D9;
    static constexpr uint16_t kProductId = 0x5A17;
    static constexpr size_t kReportLength = 64;  // payload bytes of a data report
    static constexpr size_t kKeyMatrixLength = 512;
    static constexpr size_t kKeyOnOffLength = 21;
    static constexpr size_t kMacroSlots = 35;  // slot ids 0 to 34
    static constexpr size_t kMacroLength = 192;
    static constexpr size_t kPictureCount = 5;  // pictures 0 to 4
    static constexpr size_t kPictureLength = 512;
    static constexpr size_t kColourSlots = 256;  // every index byte names a slot

    struct State {
        std::array<uint8_t, 4> options{};        // 0x03: byte1 to byte4
        std::array<uint8_t, 4> sensitivities{};  // 0x04: sens1 to sens4
        uint8_t indicatorEffect = 0;             // 0x07
        uint8_t indicatorFrequency = 0;
        uint8_t ledOption = 0;  // 0x08: option, then the five the query returns
        uint8_t ledEffect = 0;
        uint8_t ledSpeed = 0;
        uint8_t ledLight = 0;
        uint8_t ledColor = 0;
        uint8_t ledDirection = 0;
        uint8_t mode = 0;  // 0x09
        std::array<uint8_t, kKeyMatrixLength> keyMatrix{};
        std::array<uint8_t, kKeyOnOffLength> keyOnOff{};
        std::array<std::array<uint8_t, kMacroLength>, kMacroSlots> macros{};
        std::array<std::array<uint8_t, kPictureLength>, kPictureCount> pictures{};
        std::array<uint8_t, kPictureCount> pictureOptions{};
        std::array<std::array<uint8_t, 3>, kColourSlots> colours{};  // R, G, B
        uint8_t reportRate = 0x01;
        uint8_t profile = 0;
        uint8_t firmwareMajor = 0x02;
        uint8_t firmwareMinor = 0x10;
    };

    // The state out of the factory, and after the recovery command.
    static State factoryState();

    EmulatedKeyboard();

    State state() const;
    void setState(const State& state);
    // How many recovery commands the keyboard carried out.
    int recoveryCount() const;

    static const std::string kCommandPath;
    static const std::string kEventPath;

private:
    SharedState sharedState() override;
    void carryOutCommand(const uint8_t* block) override;
    void applyDataPhase() override;
    // The data phase a set command announces: byte 4 counts 64-byte reports,
    // except for the key on/off map, where it counts bytes.
    void expectDataPhase(uint8_t commandCode, const uint8_t* parameter);

    State model;
    int recoveries = 0;
    uint8_t pendingCode = 0;   // set command waiting for its data phase
    uint8_t pendingIndex = 0;  // its slot or picture number
    uint8_t pendingOption = 0;
};
