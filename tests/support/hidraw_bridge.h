#pragma once

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/hid_backend.h"

struct _UMockdevTestbed;
struct _UMockdevIoctlBase;
struct _UMockdevIoctlClient;

// Hidraw devices without a kernel: a umockdev testbed lays out USB devices
// in sysfs and /dev as the kernel's hid and hidraw drivers do, and serves
// every node from a HidBackend (the emulated devices). hidapi, and so the
// program's real back end, enumerates, opens, reads and writes them with its
// own code as it would real hidraw nodes.
//
// The process must run with umockdev's preload library (see hidraw_process.h).
//
// What it keeps of the kernel, because the device link depends on it:
// - Every open file of a node has its own queue of input reports (at most
//   64, newer ones dropped when full). Reports are taken from the device only
//   while some file of the node is open, and go to every file open then; a
//   file's unread reports go with it when it is closed.
// - poll() on a file waits for its queue: each node is a pseudo-terminal
//   into which one byte is written per queued report (reads themselves are
//   answered here), so a caller's poll time-out holds.
// - A feature report or output report the device does not take within the
//   transfer limit fails with ETIMEDOUT, as the kernel's USB transfers do.
// - A device that leaves the bus hangs up every open file (POLLHUP), its
//   nodes and sysfs entries go, later calls fail with ENODEV.
// It does not model the kernel's report descriptor parsing, the udev rule,
// hot-plug events or USB timing.
//
// Threads: the methods are for one thread (the test's). umockdev calls the
// handlers on its own worker thread, which never blocks; every open file has
// a thread that makes its device calls in order (they may block, as a
// stalled device does); a service thread takes the reports the devices have
// due and fails transfers past their limit. One mutex guards the nodes and
// the open files; no device call that may block runs under it.
class HidrawBridge {
public:
    struct Interface {
        std::string backendPath;  // how the back end knows the interface
        uint16_t usagePage = 0;
        uint16_t usage = 0;
        size_t inputLength = 0;  // payload bytes of its input and output reports
        size_t outputLength = 0;
    };
    struct Device {
        uint16_t vendorId = 0;
        uint16_t productId = 0;
        std::string name;
        std::vector<Interface> interfaces;  // interface numbers 0, 1, ... in order
    };

    // The kernel's limit for a USB control or interrupt transfer.
    static constexpr std::chrono::milliseconds kKernelTransferLimit{5000};

    // Not owned; must outlive the bridge.
    explicit HidrawBridge(HidBackend& backend);
    // Every file of the nodes must be closed by then, and no device call
    // still blocked.
    ~HidrawBridge();
    HidrawBridge(const HidrawBridge&) = delete;
    HidrawBridge& operator=(const HidrawBridge&) = delete;

    // Lays the device out on its own USB port. Returns its nodes
    // ("/dev/hidrawN"), one per interface, in order.
    std::vector<std::string> addDevice(const Device& device);
    // Permission bits of a node (0: only a process that overrides file
    // permissions may open it).
    void setNodeMode(const std::string& node, mode_t mode);
    void setTransferLimit(std::chrono::milliseconds limit);
    // How often the node was opened so far.
    int openCount(const std::string& node) const;

    // The report descriptor of an interface: one vendor collection with its
    // usage page and usage, a feature report of 8 bytes and input and output
    // reports of the interface's lengths, all without report ids.
    static std::vector<uint8_t> reportDescriptor(const Interface& interface);

private:
    struct Node;
    struct OpenFile;
    struct Transfer;

    static int onIoctl(_UMockdevIoctlBase* handler, _UMockdevIoctlClient* client, void* node);
    static int onRead(_UMockdevIoctlBase* handler, _UMockdevIoctlClient* client, void* node);
    static int onWrite(_UMockdevIoctlBase* handler, _UMockdevIoctlClient* client, void* node);
    static void onConnected(_UMockdevIoctlBase* handler, _UMockdevIoctlClient* client, void* node);
    static void onVanished(_UMockdevIoctlBase* handler, _UMockdevIoctlClient* client, void* node);

    void handleIoctl(Node& node, _UMockdevIoctlClient* client);
    void handleRead(Node& node, _UMockdevIoctlClient* client);
    void handleWrite(Node& node, _UMockdevIoctlClient* client);
    void connect(Node& node, _UMockdevIoctlClient* client);
    void vanish(Node& node, _UMockdevIoctlClient* client);

    std::shared_ptr<OpenFile> openFile(Node& node, _UMockdevIoctlClient* client) const;
    std::shared_ptr<OpenFile> fileOfCall(Node& node, _UMockdevIoctlClient* client);
    std::shared_ptr<Transfer> startTransfer(_UMockdevIoctlClient* client);
    void serveReads(Node& node);
    void takeDueReports(Node& node);
    void unplugLocked(size_t device);
    void serve();

    HidBackend& backend;
    _UMockdevTestbed* testbed = nullptr;
    std::string rootFolder;

    mutable std::mutex mutex;
    std::vector<std::unique_ptr<Node>> nodes;
    std::vector<std::shared_ptr<Transfer>> transfers;
    std::vector<std::shared_ptr<OpenFile>> closedFiles;  // threads to join
    std::vector<std::vector<std::string>> devicePaths;   // sysfs paths per device, leaf first
    std::chrono::milliseconds transferLimit = kKernelTransferLimit;
    int nextHidrawNumber = 0;

    bool isStopping = false;
    std::condition_variable stopRequested;
    std::thread service;
};
