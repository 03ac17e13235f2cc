// The real USB path: hidapi on the kernel's hidraw nodes. With the category
// q4.transport at debug level every report is logged in the shape of the
// emulated devices' trace, the node's path standing for the interface name.

#include <hidapi/hidapi.h>

#include <QString>
#include <mutex>

#include "common/logging.h"
#include "device/hid_backend.h"

namespace {

// hidapi keeps library-wide state: its initialisation and the error text of
// hid_enumerate and hid_open_path, which every such call frees and replaces
// without a lock. The device check, the command worker and the event
// listener enumerate and open on threads of their own, so those calls go one
// at a time. Calls on an opened interface touch only that interface's state.
std::mutex libraryMutex;
int backendCount = 0;  // guarded by libraryMutex

// One opened interface, with its path for the log.
struct OpenInterface {
    hid_device* device = nullptr;
    std::string path;
};

OpenInterface* opened(HidHandle* handle) {
    return reinterpret_cast<OpenInterface*>(handle);
}

QString hexBytes(const uint8_t* data, int count) {
    static const char digits[] = "0123456789ABCDEF";
    QString text;
    for (int i = 0; i < count; ++i) {
        text += ' ';
        text += QLatin1Char(digits[data[i] >> 4]);
        text += QLatin1Char(digits[data[i] & 0x0F]);
    }
    return text;
}

QString errorText(hid_device* device) {
    const wchar_t* text = hid_error(device);
    return text ? QString::fromWCharArray(text) : QStringLiteral("unknown error");
}

// One line per report: direction, node, bytes; a failure adds hidapi's reason.
void logReport(const char* direction, HidHandle* handle, const uint8_t* data, int count,
               int result) {
    if (!lcTransport().isDebugEnabled()) return;
    OpenInterface* interface = opened(handle);
    if (result < 0) {
        qCDebug(lcTransport, "%s %s%s failed: %s", direction, interface->path.c_str(),
                qPrintable(hexBytes(data, count)), qPrintable(errorText(interface->device)));
    } else {
        qCDebug(lcTransport, "%s %s%s", direction, interface->path.c_str(),
                qPrintable(hexBytes(data, count)));
    }
}

class HidapiBackend final : public HidBackend {
public:
    HidapiBackend() {
        std::lock_guard<std::mutex> lock(libraryMutex);
        if (backendCount++ == 0) hid_init();
    }
    ~HidapiBackend() override {
        std::lock_guard<std::mutex> lock(libraryMutex);
        if (--backendCount == 0) hid_exit();
    }

    std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) override {
        std::vector<HidDeviceInfo> found;
        std::lock_guard<std::mutex> lock(libraryMutex);
        hid_device_info* list = hid_enumerate(vendorId, productId);
        for (hid_device_info* item = list; item != nullptr; item = item->next) {
            HidDeviceInfo info;
            info.path = item->path ? item->path : "";
            info.vendorId = item->vendor_id;
            info.productId = item->product_id;
            info.usagePage = item->usage_page;
            info.usage = item->usage;
            info.interfaceNumber = item->interface_number;
            qCDebug(lcTransport, "found %s %04x:%04x interface %d usage page %04x usage %04x",
                    info.path.c_str(), info.vendorId, info.productId, info.interfaceNumber,
                    info.usagePage, info.usage);
            found.push_back(std::move(info));
        }
        hid_free_enumeration(list);
        if (found.empty())
            qCDebug(lcTransport, "no interface of %04x:%04x found", vendorId, productId);
        return found;
    }

    HidHandle* openPath(const std::string& path) override {
        std::lock_guard<std::mutex> lock(libraryMutex);
        hid_device* device = hid_open_path(path.c_str());
        if (!device) {
            // The one failure a user can do something about (access to the
            // node, see the udev rule), so it shows without asking.
            qCWarning(lcTransport, "cannot open %s: %s", path.c_str(),
                      qPrintable(errorText(nullptr)));
            return nullptr;
        }
        qCDebug(lcTransport, "open %s", path.c_str());
        return reinterpret_cast<HidHandle*>(new OpenInterface{device, path});
    }
    void close(HidHandle* handle) override {
        if (!handle) return;
        OpenInterface* interface = opened(handle);
        qCDebug(lcTransport, "close %s", interface->path.c_str());
        hid_close(interface->device);
        delete interface;
    }
    int setNonblocking(HidHandle* handle, int nonblock) override {
        return hid_set_nonblocking(opened(handle)->device, nonblock);
    }
    int sendFeatureReport(HidHandle* handle, const uint8_t* data, size_t length) override {
        const int result = hid_send_feature_report(opened(handle)->device, data, length);
        logReport("SET_FEATURE", handle, data, int(length), result);
        return result;
    }
    int getFeatureReport(HidHandle* handle, uint8_t* data, size_t length) override {
        const int result = hid_get_feature_report(opened(handle)->device, data, length);
        logReport("GET_FEATURE", handle, data, result, result);
        return result;
    }
    int write(HidHandle* handle, const uint8_t* data, size_t length) override {
        const int result = hid_write(opened(handle)->device, data, length);
        logReport("WRITE", handle, data, int(length), result);
        return result;
    }
    int read(HidHandle* handle, uint8_t* data, size_t length) override {
        const int result = hid_read(opened(handle)->device, data, length);
        // An empty read is a time-out, not a report; the listener has many.
        if (result != 0) logReport("READ", handle, data, result, result);
        return result;
    }
    int readTimeout(HidHandle* handle, uint8_t* data, size_t length, int milliseconds) override {
        const int result = hid_read_timeout(opened(handle)->device, data, length, milliseconds);
        if (result != 0) logReport("READ", handle, data, result, result);
        return result;
    }
};

}  // namespace

std::unique_ptr<HidBackend> createHidapiBackend() {
    return std::make_unique<HidapiBackend>();
}
