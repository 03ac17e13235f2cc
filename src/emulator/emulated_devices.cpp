#include "emulator/emulated_devices.h"

void EmulatedDevices::setTraceFile(const std::string& path) {
    mouse.setTraceFile(path);
    keyboard.setTraceFile(path);
}

std::vector<HidDeviceInfo> EmulatedDevices::enumerate(uint16_t vendorId, uint16_t productId) {
    return mouse.enumerate(vendorId, productId);
}

HidHandle* EmulatedDevices::openPath(const std::string& path) {
    EmulatedHidDevice* device = keyboard.ownsPath(path) ? static_cast<EmulatedHidDevice*>(&keyboard)
                                                        : static_cast<EmulatedHidDevice*>(&mouse);
    HidHandle* handle = device->openPath(path);
    if (handle) {
        std::lock_guard<std::mutex> lock(mutex);
        openedBy[handle] = device;
    }
    return handle;
}

void EmulatedDevices::close(HidHandle* handle) {
    EmulatedHidDevice* device = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex);
        const auto found = openedBy.find(handle);
        if (found == openedBy.end()) return;
        device = found->second;
        openedBy.erase(found);
    }
    device->close(handle);
}

EmulatedHidDevice* EmulatedDevices::deviceOf(HidHandle* handle) const {
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = openedBy.find(handle);
    return found == openedBy.end() ? nullptr : found->second;
}

int EmulatedDevices::setNonblocking(HidHandle* handle, int nonblock) {
    EmulatedHidDevice* device = deviceOf(handle);
    return device ? device->setNonblocking(handle, nonblock) : -1;
}

int EmulatedDevices::sendFeatureReport(HidHandle* handle, const uint8_t* data, size_t length) {
    EmulatedHidDevice* device = deviceOf(handle);
    return device ? device->sendFeatureReport(handle, data, length) : -1;
}

int EmulatedDevices::getFeatureReport(HidHandle* handle, uint8_t* data, size_t length) {
    EmulatedHidDevice* device = deviceOf(handle);
    return device ? device->getFeatureReport(handle, data, length) : -1;
}

int EmulatedDevices::write(HidHandle* handle, const uint8_t* data, size_t length) {
    EmulatedHidDevice* device = deviceOf(handle);
    return device ? device->write(handle, data, length) : -1;
}

int EmulatedDevices::read(HidHandle* handle, uint8_t* data, size_t length) {
    EmulatedHidDevice* device = deviceOf(handle);
    return device ? device->read(handle, data, length) : -1;
}

int EmulatedDevices::readTimeout(HidHandle* handle, uint8_t* data, size_t length,
                                 int milliseconds) {
    EmulatedHidDevice* device = deviceOf(handle);
    return device ? device->readTimeout(handle, data, length, milliseconds) : -1;
}
