#include "link_fixture.h"

#include <QFile>
#include <algorithm>
#include <cstring>
#include <thread>

#include "device/device_table.h"
#include "settings_folder.h"

LinkFixture::LinkFixture() : link(std::make_unique<Hid_Thread>()) {
    resetLinkState();
    link->setBackend(&mouse);
    link->setOwner(&owner);
    link->setApplicationConfigPath(folder.filePath("apConfig.bin"));
    link->setQueryDeadline(200);
    link->updateDeviceList(loadDeviceTable(":/DevInfo.ini", folder.filePath("apConfig.bin")).rows);
    link->startListen(1);
}

LinkFixture::~LinkFixture() {
    // A test that failed half-way may leave the mouse hanging in a call; a
    // link cannot finish its transfers on such a device.
    mouse.setStalledWrites(false);
    mouse.setStalledReads(false);
    link.reset();  // stops the listener and lets the issued commands go out
    resetLinkState();
}

std::vector<EmulatedMouse::Report> LinkFixture::takeReports() {
    link->waitForPendingTransfer();
    auto reports = mouse.transcript();
    mouse.clearTranscript();
    // The listener's reads of ready notifications are not part of a command.
    reports.erase(
        std::remove_if(reports.begin(), reports.end(),
                       [](const EmulatedMouse::Report& report) { return report.isEventInterface; }),
        reports.end());
    return reports;
}

void LinkFixture::writeApplicationConfig(const QByteArray& iniText) {
    writeFile(folder.filePath("apConfig.bin"), iniText);
}

DevicesFixture::DevicesFixture(bool isKeyboardCurrent) {
    resetLinkState();
    link.setBackend(&devices);
    link.setOwner(&owner);
    link.setApplicationConfigPath(folder.filePath("apConfig.bin"));
    link.setQueryDeadline(200);
    link.updateDeviceList(loadDeviceTable(":/DevInfo.ini", "/nonexistent").rows);
    link.setDevicePaths(0, QString::fromStdString(EmulatedKeyboard::kCommandPath),
                        QString::fromStdString(EmulatedKeyboard::kEventPath));
    if (isKeyboardCurrent) link.swichCurDevice(0);  // runs the handshake
    devices.keyboard.clearTranscript();
}

DevicesFixture::~DevicesFixture() {
    link.stopListen();
    link.waitForPendingTransfer();
    resetLinkState();
}

struct HidHandle {};

namespace {
HidHandle recordingHandle;
}

HidHandle* RecordingBackend::openPath(const std::string& path) {
    return path.rfind("recorded/", 0) == 0 ? &recordingHandle : nullptr;
}

int RecordingBackend::sendFeatureReport(HidHandle*, const uint8_t* data, size_t length) {
    featureReports.emplace_back(data, data + length);
    return int(length);
}

int RecordingBackend::getFeatureReport(HidHandle*, uint8_t* data, size_t length) {
    if (!isAnswering) return -1;
    std::memcpy(data, answer.data(), std::min(length, answer.size()));
    return int(length);
}

int RecordingBackend::write(HidHandle*, const uint8_t* data, size_t length) {
    outputReports.emplace_back(data, data + length);
    return int(length);
}

int RecordingBackend::read(HidHandle* handle, uint8_t* data, size_t length) {
    return readTimeout(handle, data, length, -1);
}

int RecordingBackend::readTimeout(HidHandle*, uint8_t* data, size_t length, int milliseconds) {
    if (inputReports.empty()) {
        // The event interface: nothing to say, as a quiet device would.
        std::this_thread::sleep_for(std::chrono::milliseconds(std::max(milliseconds, 0)));
        return 0;
    }
    const std::vector<uint8_t> report = inputReports.front();
    inputReports.erase(inputReports.begin());
    const size_t count = std::min(length, report.size());
    std::memcpy(data, report.data(), count);
    return int(count);
}
