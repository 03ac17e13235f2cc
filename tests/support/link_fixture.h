#pragma once

#include <QTemporaryDir>
#include <memory>

#include "device/hid_thread.h"
#include "emulator/emulated_devices.h"
#include "emulator/emulated_mouse.h"
#include "test_doubles.h"

// A device link on the emulated mouse, as the program sets it up: the
// compiled-in device table, the mouse found by enumeration, the listener
// running. The application configuration is a file in a temporary folder.
struct LinkFixture {
    LinkFixture();
    ~LinkFixture();

    // Waits for the set command in flight and returns the reports the mouse
    // received since the last call.
    std::vector<EmulatedMouse::Report> takeReports();
    // Writes the application configuration (key/value pairs, INI syntax).
    void writeApplicationConfig(const QByteArray& iniText);

    QTemporaryDir folder;
    EmulatedMouse mouse;
    RecordingOwner owner;
    RecordingPrompt prompt;
    std::unique_ptr<Hid_Thread> link;
};

// A device link on the emulated mouse and keyboard: the mouse found by
// enumeration, the keyboard's entry given its paths (the keyboard is never
// enumerated). The mouse is current unless the keyboard is asked for. The
// test installs its own prompt.
struct DevicesFixture {
    explicit DevicesFixture(bool isKeyboardCurrent = false);
    ~DevicesFixture();

    QTemporaryDir folder;
    EmulatedDevices devices;
    RecordingOwner owner;
    Hid_Thread link;
};

// A back end that records every report and answers with canned bytes, for
// exact report layouts and partial answers no firmware model would give.
// One command interface "recorded/commands" and one event interface
// "recorded/events".
class RecordingBackend final : public HidBackend {
public:
    std::vector<HidDeviceInfo> enumerate(uint16_t, uint16_t) override { return {}; }
    HidHandle* openPath(const std::string& path) override;
    void close(HidHandle*) override {}
    int setNonblocking(HidHandle*, int) override { return 0; }
    int sendFeatureReport(HidHandle*, const uint8_t* data, size_t length) override;
    int getFeatureReport(HidHandle*, uint8_t* data, size_t length) override;
    int write(HidHandle*, const uint8_t* data, size_t length) override;
    int read(HidHandle* handle, uint8_t* data, size_t length) override;
    int readTimeout(HidHandle*, uint8_t* data, size_t length, int milliseconds) override;

    std::vector<std::vector<uint8_t>> featureReports;
    std::vector<std::vector<uint8_t>> outputReports;
    std::vector<uint8_t> answer = std::vector<uint8_t>(9, 0);  // GET_FEATURE reply
    std::vector<std::vector<uint8_t>> inputReports;            // data-phase replies
    bool isAnswering = true;
};
