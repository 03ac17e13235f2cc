#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The device seam: the hidapi calls the device link makes, one to one. The
// real implementation goes to the kernel's hidraw devices; the emulated Q4
// mouse answers the same calls from a firmware model.
//
// Every call may come from any thread (set commands run on pool threads, the
// event listener on another); implementations are thread-safe.

// Opaque handle of one opened interface, owned by the back end that opened it.
struct HidHandle;

struct HidDeviceInfo {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int interfaceNumber = -1;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;

    // hid_enumerate: the interfaces with these ids (0 matches any).
    virtual std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) = 0;
    // hid_open_path: null when the interface cannot be opened.
    virtual HidHandle* openPath(const std::string& path) = 0;
    virtual void close(HidHandle* handle) = 0;
    virtual int setNonblocking(HidHandle* handle, int nonblock) = 0;
    // The feature-report calls carry the report id in byte 0 and return the
    // number of bytes transferred, or -1.
    virtual int sendFeatureReport(HidHandle* handle, const uint8_t* data, size_t length) = 0;
    virtual int getFeatureReport(HidHandle* handle, uint8_t* data, size_t length) = 0;
    // hid_write: byte 0 is the report id.
    virtual int write(HidHandle* handle, const uint8_t* data, size_t length) = 0;
    // hid_read / hid_read_timeout: the report without its id byte; 0 when
    // nothing arrived within the time-out, -1 on error.
    virtual int read(HidHandle* handle, uint8_t* data, size_t length) = 0;
    virtual int readTimeout(HidHandle* handle, uint8_t* data, size_t length, int milliseconds) = 0;
};

// The hidapi back end on the kernel's hidraw interfaces.
std::unique_ptr<HidBackend> createHidapiBackend();
