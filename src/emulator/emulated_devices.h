#pragma once

#include <map>
#include <mutex>
#include <string>

#include "emulator/emulated_keyboard.h"
#include "emulator/emulated_mouse.h"

// The emulated mouse and the emulated keyboard behind one back end, so one
// device link can talk to both, as it does to the real pair through hidapi.
//
// Opening a path goes to the device that owns it; every later call on the
// handle goes to the device that opened it. Enumeration shows the mouse's
// interfaces only: the link looks for the mouse alone, and the keyboard
// entry gets its paths (EmulatedKeyboard::kCommandPath, kEventPath) from
// whoever sets it up.
//
// Threads: any thread may call it. Its own mutex guards only the handle
// table and is never held across a call into a device (reads block).
class EmulatedDevices final : public HidBackend {
public:
    // Both devices append to the same trace file; the keyboard's lines name
    // its interfaces "kb-cmd" and "kb-event".
    void setTraceFile(const std::string& path);

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

    EmulatedMouse mouse;
    EmulatedKeyboard keyboard;

private:
    // The device that opened the handle; null for a handle nobody opened.
    EmulatedHidDevice* deviceOf(HidHandle* handle) const;

    mutable std::mutex mutex;
    std::map<HidHandle*, EmulatedHidDevice*> openedBy;
};
