#include "hidraw_bridge.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <umockdev.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

// The kernel keeps this many unread reports per open file.
constexpr size_t kQueuedReportLimit = 64;
// How often the service thread looks for due reports: like a device polled
// every millisecond.
constexpr auto kServiceTick = std::chrono::milliseconds(1);
// How long a read that finds no report waits for one (see handleRead).
constexpr auto kEmptyReadWait = std::chrono::milliseconds(20);

// Numbers of the hidraw ioctls whose length travels in the request.
constexpr unsigned kSetFeatureNumber = 0x06;  // HIDIOCSFEATURE(length)
constexpr unsigned kGetFeatureNumber = 0x07;  // HIDIOCGFEATURE(length)

std::string hex4(uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

std::string hex8(uint16_t value) {
    char text[12];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

// A report count item, one byte of count where it fits.
void appendReportCount(std::vector<uint8_t>& descriptor, size_t count) {
    if (count <= 0xFF) {
        descriptor.insert(descriptor.end(), {0x95, uint8_t(count)});
    } else {
        descriptor.insert(descriptor.end(), {0x96, uint8_t(count & 0xFF), uint8_t(count >> 8)});
    }
}

}  // namespace

// One queued transfer to the device (a feature report or an output report),
// completed once: by the file's thread with the device's answer, or by the
// service thread when the transfer limit passed first.
struct HidrawBridge::Transfer {
    UMockdevIoctlClient* client = nullptr;  // a reference of ours
    UMockdevIoctlData* buffer = nullptr;    // where an answer goes; a reference of ours
    Clock::time_point deadline;
    std::mutex mutex;
    bool isCompleted = false;

    ~Transfer() {
        if (buffer) g_object_unref(buffer);
        g_object_unref(client);
    }

    void complete(long result, int error, const uint8_t* answer = nullptr, size_t length = 0) {
        std::lock_guard<std::mutex> lock(mutex);
        if (isCompleted) return;
        isCompleted = true;
        if (answer && buffer)
            std::memcpy(buffer->data, answer, std::min(length, size_t(buffer->data_len)));
        umockdev_ioctl_client_complete(client, result, error);
    }
};

// One open file of a node: the back end's handle for it, its queue of input
// reports, and the thread that makes its device calls in order.
struct HidrawBridge::OpenFile {
    UMockdevIoctlClient* client = nullptr;  // a reference of ours
    HidHandle* handle = nullptr;            // null: the open failed (device gone)
    std::deque<std::vector<uint8_t>> input;
    bool isReadWaiting = false;  // a read waits for the next report
    Clock::time_point readGivesUpAt;

    std::mutex jobMutex;
    std::condition_variable jobArrived;
    std::deque<std::function<void()>> jobs;  // an empty job ends the thread
    std::thread thread;
    std::atomic<bool> isFinished{false};

    ~OpenFile() { g_object_unref(client); }

    void post(std::function<void()> job) {
        std::lock_guard<std::mutex> lock(jobMutex);
        jobs.push_back(std::move(job));
        jobArrived.notify_one();
    }

    void run() {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock<std::mutex> lock(jobMutex);
                jobArrived.wait(lock, [this] { return !jobs.empty(); });
                job = std::move(jobs.front());
                jobs.pop_front();
            }
            if (!job) break;
            job();
        }
        isFinished = true;
    }
};

struct HidrawBridge::Node {
    HidrawBridge* bridge = nullptr;
    size_t device = 0;
    std::string path;  // "/dev/hidrawN"
    std::string backendPath;
    std::string name;  // the device's product name
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::vector<uint8_t> descriptor;
    size_t inputLength = 0;
    int master = -1;  // the pseudo-terminal behind the node
    int slave = -1;   // our own end of it, to take back the bytes of served reports
    UMockdevIoctlBase* handler = nullptr;
    std::vector<std::shared_ptr<OpenFile>> files;
    HidHandle* pollHandle = nullptr;  // open while a file is: the device is polled
    bool isGone = false;
    int opens = 0;

    // One byte in the terminal per queued report makes poll() see it.
    void signalReport() const {
        const char token = 'r';
        if (master >= 0 && ::write(master, &token, 1) < 0) {
            // The terminal is full or closed; poll() already reports it.
        }
    }
    void takeSignals(size_t count) const {
        char token;
        for (size_t i = 0; i < count; ++i)
            if (::read(slave, &token, 1) < 0) break;
    }
};

std::vector<uint8_t> HidrawBridge::reportDescriptor(const Interface& interface) {
    std::vector<uint8_t> descriptor = {
        0x06,
        uint8_t(interface.usagePage & 0xFF),
        uint8_t(interface.usagePage >> 8),  // page
        0x0A,
        uint8_t(interface.usage & 0xFF),
        uint8_t(interface.usage >> 8),  // usage
        0xA1,
        0x01,  // application
        0x15,
        0x00,
        0x26,
        0xFF,
        0x00,  // logical 0 to 255
        0x75,
        0x08,  // 8 bits per field
    };
    if (interface.inputLength > 0) {
        descriptor.insert(descriptor.end(), {0x09, 0x01});
        appendReportCount(descriptor, interface.inputLength);
        descriptor.insert(descriptor.end(), {0x81, 0x02});
    }
    if (interface.outputLength > 0) {
        descriptor.insert(descriptor.end(), {0x09, 0x02});
        appendReportCount(descriptor, interface.outputLength);
        descriptor.insert(descriptor.end(), {0x91, 0x02});
    }
    descriptor.insert(descriptor.end(), {0x09, 0x03, 0x95, 0x08, 0xB1, 0x02, 0xC0});
    return descriptor;
}

HidrawBridge::HidrawBridge(HidBackend& hidBackend) : backend(hidBackend) {
    testbed = umockdev_testbed_new();
    gchar* root = umockdev_testbed_get_root_dir(testbed);
    rootFolder = root;
    g_free(root);
    service = std::thread(&HidrawBridge::serve, this);
}

HidrawBridge::~HidrawBridge() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        isStopping = true;
        stopRequested.notify_all();
    }
    service.join();
    // A caller still waiting in a call would be left talking to a testbed
    // that is gone: release it with an error first.
    for (const auto& transfer : transfers) transfer->complete(-1, ENODEV);
    for (const auto& node : nodes)
        for (const auto& file : node->files)
            if (file->isReadWaiting) umockdev_ioctl_client_complete(file->client, -1, EIO);
    for (const auto& node : nodes) {
        umockdev_testbed_detach_ioctl(testbed, node->path.c_str(), nullptr);
        g_object_unref(node->handler);
    }
    std::vector<std::shared_ptr<OpenFile>> files = closedFiles;
    for (const auto& node : nodes) {
        for (const auto& file : node->files) {
            file->post(nullptr);
            files.push_back(file);
        }
        if (node->pollHandle) backend.close(node->pollHandle);
    }
    for (const auto& file : files) {
        if (file->thread.joinable()) file->thread.join();
        if (file->handle) backend.close(file->handle);
        file->handle = nullptr;
    }
    for (const auto& node : nodes) {
        if (node->master >= 0) close(node->master);
        if (node->slave >= 0) close(node->slave);
    }
    transfers.clear();
    g_object_unref(testbed);
}

std::vector<std::string> HidrawBridge::addDevice(const Device& device) {
    std::lock_guard<std::mutex> lock(mutex);
    const size_t index = devicePaths.size();
    const std::string port = "1-" + std::to_string(index + 1);
    gchar* usbPath = umockdev_testbed_add_device(
        testbed, "usb", port.c_str(), nullptr, "idVendor", hex4(device.vendorId).c_str(),
        "idProduct", hex4(device.productId).c_str(), "bcdDevice", "0100", "manufacturer",
        "Q4 test bench", "product", device.name.c_str(), nullptr, "DEVTYPE", "usb_device", nullptr);
    std::vector<std::string> sysfsPaths;
    std::vector<std::string> nodePaths;
    for (size_t number = 0; number < device.interfaces.size(); ++number) {
        const Interface& interface = device.interfaces[number];
        const std::string interfaceName = port + ":1." + std::to_string(number);
        gchar* interfacePath = umockdev_testbed_add_device(
            testbed, "usb", interfaceName.c_str(), usbPath, "bInterfaceNumber",
            hex4(uint16_t(number)).substr(2).c_str(), nullptr, "DEVTYPE", "usb_interface", nullptr);
        const int hidraw = nextHidrawNumber++;
        char hidName[32];
        std::snprintf(hidName, sizeof hidName, "0003:%04X:%04X.%04X", device.vendorId,
                      device.productId, hidraw + 1);
        const std::string hidId = "0003:" + hex8(device.vendorId) + ":" + hex8(device.productId);
        gchar* hidPath = umockdev_testbed_add_device(testbed, "hid", hidName, interfacePath,
                                                     nullptr, "HID_ID", hidId.c_str(), "HID_NAME",
                                                     device.name.c_str(), "HID_UNIQ", "", nullptr);
        std::vector<uint8_t> descriptor = reportDescriptor(interface);
        umockdev_testbed_set_attribute_binary(testbed, hidPath, "report_descriptor",
                                              descriptor.data(), int(descriptor.size()));
        const std::string rawName = "hidraw" + std::to_string(hidraw);
        const std::string nodePath = "/dev/" + rawName;
        const std::string majorMinor = "240:" + std::to_string(hidraw);
        gchar* rawPath = umockdev_testbed_add_device(testbed, "hidraw", rawName.c_str(), hidPath,
                                                     "dev", majorMinor.c_str(), nullptr, "DEVNAME",
                                                     nodePath.c_str(), nullptr);
        // hidapi reads <hidraw>/device/uevent directly.
        umockdev_testbed_set_attribute_link(testbed, rawPath, "device", "..");

        auto node = std::make_unique<Node>();
        node->bridge = this;
        node->device = index;
        node->path = nodePath;
        node->backendPath = interface.backendPath;
        node->name = device.name;
        node->vendorId = device.vendorId;
        node->productId = device.productId;
        node->descriptor = std::move(descriptor);
        node->inputLength = interface.inputLength;
        char terminalName[256];
        if (openpty(&node->master, &node->slave, terminalName, nullptr, nullptr) < 0)
            throw std::runtime_error("openpty failed");
        termios mode;
        tcgetattr(node->slave, &mode);
        cfmakeraw(&mode);
        tcsetattr(node->slave, TCSANOW, &mode);
        fcntl(node->master, F_SETFL, fcntl(node->master, F_GETFL) | O_NONBLOCK);
        fcntl(node->slave, F_SETFL, fcntl(node->slave, F_GETFL) | O_NONBLOCK);
        const std::string nodeFile = rootFolder + nodePath;
        unlink(nodeFile.c_str());
        if (symlink(terminalName, nodeFile.c_str()) < 0)
            throw std::runtime_error("cannot lay out " + nodeFile);
        node->handler = umockdev_ioctl_base_new();
        g_signal_connect(node->handler, "handle-ioctl", G_CALLBACK(onIoctl), node.get());
        g_signal_connect(node->handler, "handle-read", G_CALLBACK(onRead), node.get());
        g_signal_connect(node->handler, "handle-write", G_CALLBACK(onWrite), node.get());
        g_signal_connect(node->handler, "client-connected", G_CALLBACK(onConnected), node.get());
        g_signal_connect(node->handler, "client-vanished", G_CALLBACK(onVanished), node.get());
        if (!umockdev_testbed_attach_ioctl(testbed, nodePath.c_str(), node->handler, nullptr))
            throw std::runtime_error("cannot serve " + nodePath);
        nodes.push_back(std::move(node));
        nodePaths.push_back(nodePath);
        sysfsPaths.push_back(rawPath);
        sysfsPaths.push_back(hidPath);
        sysfsPaths.push_back(interfacePath);
        g_free(rawPath);
        g_free(hidPath);
        g_free(interfacePath);
    }
    sysfsPaths.push_back(usbPath);
    g_free(usbPath);
    devicePaths.push_back(sysfsPaths);
    return nodePaths;
}

// The nodes and sysfs entries go first, so a caller that sees the hang-up
// no longer finds or opens the device; then every open file of the device
// hangs up and its waiting reads fail.
void HidrawBridge::unplugLocked(size_t device) {
    for (const std::string& path : devicePaths.at(device))
        umockdev_testbed_remove_device(testbed, path.c_str());
    devicePaths.at(device).clear();
    for (const auto& node : nodes) {
        if (node->device != device || node->isGone) continue;
        node->isGone = true;
        unlink((rootFolder + node->path).c_str());
        for (const auto& file : node->files) {
            if (file->isReadWaiting) umockdev_ioctl_client_complete(file->client, -1, EIO);
            file->isReadWaiting = false;
        }
        if (node->pollHandle) backend.close(node->pollHandle);
        node->pollHandle = nullptr;
        close(node->master);  // POLLHUP on every open file
        node->master = -1;
    }
}

void HidrawBridge::setNodeMode(const std::string& nodePath, mode_t mode) {
    chmod((rootFolder + nodePath).c_str(), mode);
}

void HidrawBridge::setTransferLimit(std::chrono::milliseconds limit) {
    std::lock_guard<std::mutex> lock(mutex);
    transferLimit = limit;
}

int HidrawBridge::openCount(const std::string& nodePath) const {
    std::lock_guard<std::mutex> lock(mutex);
    for (const auto& node : nodes)
        if (node->path == nodePath) return node->opens;
    return 0;
}

// The handlers run on umockdev's worker thread.

int HidrawBridge::onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, void* node) {
    static_cast<Node*>(node)->bridge->handleIoctl(*static_cast<Node*>(node), client);
    return TRUE;
}

int HidrawBridge::onRead(UMockdevIoctlBase*, UMockdevIoctlClient* client, void* node) {
    static_cast<Node*>(node)->bridge->handleRead(*static_cast<Node*>(node), client);
    return TRUE;
}

int HidrawBridge::onWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client, void* node) {
    static_cast<Node*>(node)->bridge->handleWrite(*static_cast<Node*>(node), client);
    return TRUE;
}

void HidrawBridge::onConnected(UMockdevIoctlBase*, UMockdevIoctlClient* client, void* node) {
    static_cast<Node*>(node)->bridge->connect(*static_cast<Node*>(node), client);
}

void HidrawBridge::onVanished(UMockdevIoctlBase*, UMockdevIoctlClient* client, void* node) {
    static_cast<Node*>(node)->bridge->vanish(*static_cast<Node*>(node), client);
}

std::shared_ptr<HidrawBridge::OpenFile> HidrawBridge::openFile(Node& node,
                                                               UMockdevIoctlClient* client) const {
    for (const auto& file : node.files)
        if (file->client == client) return file;
    return nullptr;
}

// The open file a call came on; a call on a file not known here fails with
// EBADF.
std::shared_ptr<HidrawBridge::OpenFile> HidrawBridge::fileOfCall(Node& node,
                                                                 UMockdevIoctlClient* client) {
    std::shared_ptr<OpenFile> file;
    {
        std::lock_guard<std::mutex> lock(mutex);
        file = openFile(node, client);
    }
    if (!file) umockdev_ioctl_client_complete(client, -1, EBADF);
    return file;
}

// A file was opened: the back end opens the interface for it, and the device
// is polled from now on if it was not already.
void HidrawBridge::connect(Node& node, UMockdevIoctlClient* client) {
    auto file = std::make_shared<OpenFile>();
    file->client = UMOCKDEV_IOCTL_CLIENT(g_object_ref(client));
    {
        std::lock_guard<std::mutex> lock(mutex);
        node.files.push_back(file);
        ++node.opens;
    }
    file->thread = std::thread(&OpenFile::run, file.get());
    file->post([this, &node, file] {
        HidHandle* handle = backend.openPath(node.backendPath);
        std::lock_guard<std::mutex> lock(mutex);
        file->handle = handle;
        if (handle && !node.pollHandle && !node.isGone)
            node.pollHandle = backend.openPath(node.backendPath);
    });
}

// A file was closed: its unread reports go with it; the last one closed
// stops the polling.
void HidrawBridge::vanish(Node& node, UMockdevIoctlClient* client) {
    std::lock_guard<std::mutex> lock(mutex);
    const std::shared_ptr<OpenFile> file = openFile(node, client);
    if (!file) return;
    node.files.erase(std::find(node.files.begin(), node.files.end(), file));
    node.takeSignals(file->input.size());
    file->input.clear();
    if (node.files.empty() && node.pollHandle) {
        backend.close(node.pollHandle);
        node.pollHandle = nullptr;
    }
    file->post([this, file] {
        if (file->handle) backend.close(file->handle);
        file->handle = nullptr;
    });
    file->post(nullptr);
    closedFiles.push_back(file);
}

std::shared_ptr<HidrawBridge::Transfer> HidrawBridge::startTransfer(UMockdevIoctlClient* client) {
    auto transfer = std::make_shared<Transfer>();
    transfer->client = UMOCKDEV_IOCTL_CLIENT(g_object_ref(client));
    std::lock_guard<std::mutex> lock(mutex);
    transfer->deadline = Clock::now() + transferLimit;
    transfers.push_back(transfer);
    return transfer;
}

void HidrawBridge::handleIoctl(Node& node, UMockdevIoctlClient* client) {
    const std::shared_ptr<OpenFile> file = fileOfCall(node, client);
    if (!file) return;
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    UMockdevIoctlData* argument = umockdev_ioctl_client_get_arg(client);
    const size_t size = _IOC_SIZE(request);
    if (_IOC_TYPE(request) != 'H') {
        umockdev_ioctl_client_complete(client, -1, ENOTTY);
        return;
    }

    // What the kernel knows of the device itself answers at once, once the
    // file's open has gone through to the device.
    if (request == HIDIOCGRDESCSIZE || request == HIDIOCGRDESC || request == HIDIOCGRAWINFO) {
        UMockdevIoctlData* data = umockdev_ioctl_data_resolve(argument, 0, size, nullptr);
        auto transfer = startTransfer(client);
        transfer->buffer = data;
        file->post([&node, file, transfer, request] {
            if (!file->handle) return transfer->complete(-1, ENODEV);
            std::vector<uint8_t> answer(transfer->buffer ? size_t(transfer->buffer->data_len) : 0);
            if (request == HIDIOCGRDESCSIZE && answer.size() >= sizeof(int)) {
                const int length = int(node.descriptor.size());
                std::memcpy(answer.data(), &length, sizeof length);
            } else if (request == HIDIOCGRDESC &&
                       answer.size() >= sizeof(hidraw_report_descriptor)) {
                hidraw_report_descriptor descriptor{};
                descriptor.size = uint32_t(node.descriptor.size());
                std::copy(node.descriptor.begin(), node.descriptor.end(), descriptor.value);
                std::memcpy(answer.data(), &descriptor, sizeof descriptor);
            } else if (request == HIDIOCGRAWINFO && answer.size() >= sizeof(hidraw_devinfo)) {
                const hidraw_devinfo info{3 /* USB */, int16_t(node.vendorId),
                                          int16_t(node.productId)};
                std::memcpy(answer.data(), &info, sizeof info);
            } else {
                return transfer->complete(-1, EINVAL);
            }
            transfer->complete(0, 0, answer.data(), answer.size());
        });
        return;
    }

    const unsigned number = _IOC_NR(request);
    if (number != kSetFeatureNumber && number != kGetFeatureNumber) {
        umockdev_ioctl_client_complete(client, -1, EINVAL);
        return;
    }
    UMockdevIoctlData* data = umockdev_ioctl_data_resolve(argument, 0, size, nullptr);
    if (!data) {
        umockdev_ioctl_client_complete(client, -1, EFAULT);
        return;
    }
    std::vector<uint8_t> report(data->data, data->data + data->data_len);
    auto transfer = startTransfer(client);
    transfer->buffer = data;
    const bool isSet = number == kSetFeatureNumber;
    file->post([this, file, transfer, report, isSet]() mutable {
        if (!file->handle) return transfer->complete(-1, ENODEV);
        const int result =
            isSet ? backend.sendFeatureReport(file->handle, report.data(), report.size())
                  : backend.getFeatureReport(file->handle, report.data(), report.size());
        if (result < 0) return transfer->complete(-1, EPIPE);
        transfer->complete(result, 0, isSet ? nullptr : report.data(), size_t(result));
    });
}

void HidrawBridge::handleWrite(Node& node, UMockdevIoctlClient* client) {
    const std::shared_ptr<OpenFile> file = fileOfCall(node, client);
    if (!file) return;
    UMockdevIoctlData* argument = umockdev_ioctl_client_get_arg(client);
    std::vector<uint8_t> report(argument->data, argument->data + argument->data_len);
    auto transfer = startTransfer(client);
    file->post([this, file, transfer, report] {
        if (!file->handle) return transfer->complete(-1, ENODEV);
        const int result = backend.write(file->handle, report.data(), report.size());
        transfer->complete(result < 0 ? -1 : result, result < 0 ? EPIPE : 0);
    });
}

// A read takes the oldest report of the file's queue, cut to the caller's
// buffer. Readiness is the node's, not the file's: a poll() may wake for a
// report queued for another file (one whose close umockdev has not told us
// yet). A read that finds its own queue empty therefore waits only briefly
// for a report and then fails with EAGAIN, which hidapi reports as no
// report, like a poll time-out; it never blocks for good.
void HidrawBridge::handleRead(Node& node, UMockdevIoctlClient* client) {
    std::lock_guard<std::mutex> lock(mutex);
    const std::shared_ptr<OpenFile> file = openFile(node, client);
    if (!file) {
        umockdev_ioctl_client_complete(client, -1, EBADF);
        return;
    }
    file->isReadWaiting = true;
    file->readGivesUpAt = Clock::now() + kEmptyReadWait;
    serveReads(node);
}

// Under the mutex.
void HidrawBridge::serveReads(Node& node) {
    for (const auto& file : node.files) {
        if (!file->isReadWaiting) continue;
        if (node.isGone) {
            file->isReadWaiting = false;
            umockdev_ioctl_client_complete(file->client, -1, EIO);
            continue;
        }
        if (file->input.empty()) continue;
        std::vector<uint8_t> report = std::move(file->input.front());
        file->input.pop_front();
        node.takeSignals(1);
        UMockdevIoctlData* argument = umockdev_ioctl_client_get_arg(file->client);
        const size_t count = std::min(report.size(), size_t(argument->data_len));
        umockdev_ioctl_data_update(argument, 0, report.data(), int(count));
        file->isReadWaiting = false;
        umockdev_ioctl_client_complete(file->client, long(count), 0);
    }
}

// Under the mutex. Takes every report the device has due and hands it to
// every open file; a poll that fails means the device has left the bus.
void HidrawBridge::takeDueReports(Node& node) {
    if (!node.pollHandle || node.isGone) return;
    uint8_t buffer[1024];
    for (;;) {
        const int count = backend.readTimeout(node.pollHandle, buffer, sizeof buffer, 0);
        if (count == 0) return;
        if (count < 0) {
            unplugLocked(node.device);
            return;
        }
        for (const auto& file : node.files) {
            if (file->input.size() >= kQueuedReportLimit) continue;
            file->input.emplace_back(buffer, buffer + count);
            node.signalReport();
        }
        serveReads(node);
    }
}

void HidrawBridge::serve() {
    std::unique_lock<std::mutex> lock(mutex);
    while (!isStopping) {
        const auto now = Clock::now();
        for (const auto& node : nodes) {
            takeDueReports(*node);
            for (const auto& file : node->files)
                if (file->isReadWaiting && file->readGivesUpAt <= now) {
                    file->isReadWaiting = false;
                    umockdev_ioctl_client_complete(file->client, -1, EAGAIN);
                }
        }
        std::vector<std::shared_ptr<Transfer>> expired;
        for (auto it = transfers.begin(); it != transfers.end();) {
            bool isCompleted;
            {
                std::lock_guard<std::mutex> transferLock((*it)->mutex);
                isCompleted = (*it)->isCompleted;
            }
            if (isCompleted || (*it)->deadline <= now) {
                if (!isCompleted) expired.push_back(*it);
                it = transfers.erase(it);
            } else {
                ++it;
            }
        }
        std::vector<std::shared_ptr<OpenFile>> finished;
        for (auto it = closedFiles.begin(); it != closedFiles.end();) {
            if ((*it)->isFinished) {
                finished.push_back(*it);
                it = closedFiles.erase(it);
            } else {
                ++it;
            }
        }
        lock.unlock();
        // The device never took it: the kernel gives up on the transfer.
        for (const auto& transfer : expired) transfer->complete(-1, ETIMEDOUT);
        for (const auto& file : finished) file->thread.join();
        lock.lock();
        stopRequested.wait_for(lock, kServiceTick, [this] { return isStopping; });
    }
}
