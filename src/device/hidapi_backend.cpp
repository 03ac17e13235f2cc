#include <hidapi/hidapi.h>

#include "device/hid_backend.h"

namespace {

hid_device* device(HidHandle* handle) {
    return reinterpret_cast<hid_device*>(handle);
}

// hidapi keeps library-wide state; hid_init once per process and hid_exit
// with the last back end.
class HidapiBackend final : public HidBackend {
public:
    HidapiBackend() { hid_init(); }
    ~HidapiBackend() override { hid_exit(); }

    std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) override {
        std::vector<HidDeviceInfo> found;
        hid_device_info* list = hid_enumerate(vendorId, productId);
        for (hid_device_info* item = list; item != nullptr; item = item->next) {
            HidDeviceInfo info;
            info.path = item->path ? item->path : "";
            info.vendorId = item->vendor_id;
            info.productId = item->product_id;
            info.usagePage = item->usage_page;
            info.usage = item->usage;
            info.interfaceNumber = item->interface_number;
            found.push_back(std::move(info));
        }
        hid_free_enumeration(list);
        return found;
    }

    HidHandle* openPath(const std::string& path) override {
        return reinterpret_cast<HidHandle*>(hid_open_path(path.c_str()));
    }
    void close(HidHandle* handle) override {
        if (handle) hid_close(device(handle));
    }
    int setNonblocking(HidHandle* handle, int nonblock) override {
        return hid_set_nonblocking(device(handle), nonblock);
    }
    int sendFeatureReport(HidHandle* handle, const uint8_t* data, size_t length) override {
        return hid_send_feature_report(device(handle), data, length);
    }
    int getFeatureReport(HidHandle* handle, uint8_t* data, size_t length) override {
        return hid_get_feature_report(device(handle), data, length);
    }
    int write(HidHandle* handle, const uint8_t* data, size_t length) override {
        return hid_write(device(handle), data, length);
    }
    int read(HidHandle* handle, uint8_t* data, size_t length) override {
        return hid_read(device(handle), data, length);
    }
    int readTimeout(HidHandle* handle, uint8_t* data, size_t length, int milliseconds) override {
        return hid_read_timeout(device(handle), data, length, milliseconds);
    }
};

}  // namespace

std::unique_ptr<HidBackend> createHidapiBackend() {
    return std::make_unique<HidapiBackend>();
}
