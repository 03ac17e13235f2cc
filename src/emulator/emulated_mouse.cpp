#include "emulator/emulated_mouse.h"

const std::string EmulatedMouse::kCommandPath = "emulated:q4-mouse/commands";
const std::string EmulatedMouse::kEventPath = "emulated:q4-mouse/events";

namespace {

EmulatedHidDevice::Identity mouseIdentity() {
    EmulatedHidDevice::Identity identity;
    identity.commandPath = EmulatedMouse::kCommandPath;
    identity.eventPath = EmulatedMouse::kEventPath;
    identity.vendorId = EmulatedMouse::kVendorId;
    identity.productId = EmulatedMouse::kProductId;
    identity.commandUsagePage = 0xFF00;
    identity.commandUsage = 0xFF00;
    identity.eventUsagePage = 0xFF01;
    identity.eventUsage = 0xFF01;
    identity.reportLength = EmulatedMouse::kReportLength;
    return identity;
}

}  // namespace

EmulatedMouse::EmulatedMouse() : EmulatedHidDevice(mouseIdentity()) {
    // Factory state: DPI codes of a type-0 sensor's starting values, a
    // rainbow for the effect colours, the logo LED present.
    model.dpiCodes = {0x05, 0x0A, 0x0F, 0x14, 0x80, 0x80, 0x80, 0x80};
    model.stageColours = {255, 0,   0,   255, 128, 0,   255, 255, 0,   0,   255, 0,
                          0,   255, 255, 0,   0,   255, 128, 0,   255, 255, 0,   255};
    model.indicatorColours = model.stageColours;
    model.logoColourIds = {0x10, 0x32, 0x54, 0x76};
}

void EmulatedMouse::setSensorType(uint8_t type) {
    std::lock_guard<std::mutex> lock(mutex);
    model.sensorType = type;
}

void EmulatedMouse::setDpiStageCount(uint8_t count) {
    std::lock_guard<std::mutex> lock(mutex);
    model.dpiStageCount = count;
}

void EmulatedMouse::setLogoLedPresent(bool isPresent) {
    std::lock_guard<std::mutex> lock(mutex);
    isLogoLedPresent = isPresent;
}

EmulatedMouse::State EmulatedMouse::state() const {
    std::lock_guard<std::mutex> lock(mutex);
    return model;
}

void EmulatedMouse::setState(const State& newState) {
    std::lock_guard<std::mutex> lock(mutex);
    model = newState;
}
