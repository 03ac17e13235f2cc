// Device discovery, the secrecy-code handshake and the event listener.

#include <QDateTime>
#include <QDebug>
#include <QRandomGenerator>
#include <QSettings>

#include "device/hid_thread.h"
#include "ui/prompt.h"

namespace {

// With this code configured, a failed handshake starts the program anyway.
const QString kDemoCode = QStringLiteral("q-harbor");
const QString kDefaultSecrecyCode = QStringLiteral("731406");

// The mouse reports this on its event interface when it has carried out a
// command.
constexpr uchar kReadyNotification[4] = {0x04, 0x04, 0x00, 0x00};

}  // namespace

void Hid_Thread::updateDeviceList(const QList<DevInfo>& table) {
    QList<DeviceEntry> entries;
    for (const DevInfo& row : table) {
        DeviceEntry entry;
        entry.name = row.productName;
        entry.type = row.type;
        entry.reportLength = row.reportLength;
        entries.append(entry);
    }
    // Only the mouse row is looked for; the keyboard's interfaces are never
    // enumerated. When several interfaces match, the last complete pair wins.
    if (entries.size() > 1 && hidBackend) {
        const DevInfo& mouse = table.at(1);
        QString commandCandidate;
        QString eventCandidate;
        for (const HidDeviceInfo& item : hidBackend->enumerate(mouse.vid, mouse.pid)) {
            const QString path = QString::fromStdString(item.path);
            if (item.usagePage == mouse.usagePage && item.usage == mouse.usage)
                commandCandidate = path;
            if (item.usagePage == mouse.usagePage2 && item.usage == mouse.usage2)
                eventCandidate = path;
            if (!commandCandidate.isEmpty() && !eventCandidate.isEmpty()) {
                entries[1].cmdPath = commandCandidate;
                entries[1].eventPath = eventCandidate;
            }
        }
    }
    QMutexLocker lock(&devicesMutex);
    devices = entries;
}

QList<DeviceEntry> Hid_Thread::deviceList() const {
    QMutexLocker lock(&devicesMutex);
    return devices;
}

int Hid_Thread::currentDeviceType() const {
    QMutexLocker lock(&devicesMutex);
    const uint did = curDevice;
    return did < static_cast<uint>(devices.size()) ? devices.at(int(did)).type : -1;
}

void Hid_Thread::setDevicePaths(uint did, const QString& cmdPath, const QString& eventPath) {
    QMutexLocker lock(&devicesMutex);
    if (did >= static_cast<uint>(devices.size())) return;
    devices[int(did)].cmdPath = cmdPath;
    devices[int(did)].eventPath = eventPath;
}

// Opens the interface anew. A failed open clears the path: the interface
// counts as gone until the next device check rebuilds the list. A device id
// beyond the list is a device that is not found.
HidHandle* Hid_Thread::openCmdInterface(uint did) {
    QString path;
    {
        QMutexLocker lock(&devicesMutex);
        if (did >= static_cast<uint>(devices.size())) return nullptr;
        path = devices.at(int(did)).cmdPath;
    }
    if (path.isEmpty() || !hidBackend) return nullptr;
    closeCmdInterface();
    hidCmd = hidBackend->openPath(path.toStdString());
    if (!hidCmd) {
        QMutexLocker lock(&devicesMutex);
        if (did < static_cast<uint>(devices.size())) devices[int(did)].cmdPath.clear();
        return nullptr;
    }
    hidBackend->setNonblocking(hidCmd, 0);
    return hidCmd;
}

HidHandle* Hid_Thread::openEventInterface(uint did) {
    QString path;
    {
        QMutexLocker lock(&devicesMutex);
        if (did >= static_cast<uint>(devices.size())) return nullptr;
        path = devices.at(int(did)).eventPath;
    }
    if (path.isEmpty() || !hidBackend) return nullptr;
    closeEventInterface();
    hidEvent = hidBackend->openPath(path.toStdString());
    if (!hidEvent) {
        QMutexLocker lock(&devicesMutex);
        if (did < static_cast<uint>(devices.size())) devices[int(did)].eventPath.clear();
        return nullptr;
    }
    hidBackend->setNonblocking(hidEvent, 0);
    return hidEvent;
}

void Hid_Thread::closeCmdInterface() {
    if (hidCmd && hidBackend) hidBackend->close(hidCmd);
    hidCmd = nullptr;
}

void Hid_Thread::closeEventInterface() {
    if (hidEvent && hidBackend) hidBackend->close(hidEvent);
    hidEvent = nullptr;
}

void Hid_Thread::swichCurDevice(uint did) {
    if (did != curDevice) {
        curDevice = did;
        startListen(did);
    }
    chkDeviceIsEnCode();
}

void Hid_Thread::chkDeviceIsEnCode() {
    const uint did = curDevice;
    QString code;
    if (did == 0 || did == 1) {
        const QSettings config(applicationConfigPath, QSettings::IniFormat);
        code = config.value("common/sCode" + QString::number(did), kDefaultSecrecyCode).toString();
    }
    if (code.size() == 6) {
        const QByteArray characters = code.toLatin1();
        for (int i = 0; i < 6; ++i) secrecyCode[i + 1] = static_cast<uchar>(characters.at(i));
    }

    QRandomGenerator random(static_cast<quint32>(QDateTime::currentSecsSinceEpoch()));
    uchar challenge[4];
    for (uchar& byte : challenge) byte = static_cast<uchar>(random.generate() & 0xFF);
    uchar answer[4] = {challenge[0], challenge[1], challenge[2], challenge[3]};
    const bool isExchanged = exchangeSecrecyCode(answer);
    if (isExchanged && std::equal(std::begin(answer), std::end(answer), std::begin(challenge))) {
        qDebug("Device Connect");
        isDeviceOk = true;
        return;
    }
    qDebug("Device Error");
    isDeviceOk = false;
    if (code == kDemoCode) {
        isDemoMode = true;
        isDeviceOk = true;
        isEncode = false;
        return;
    }
    QString name;
    {
        QMutexLocker lock(&devicesMutex);
        if (did < static_cast<uint>(devices.size())) name = devices.at(int(did)).name;
    }
    prompt().warning(owner ? owner->ownerTitle() : QString(),
                     QStringLiteral("Can not detect %1 !").arg(name));
    if (owner) owner->requestClose();
}

void Hid_Thread::hid_00H_GetSecrecyCode(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4) {
    uchar bytes[4] = {byte1, byte2, byte3, byte4};
    exchangeSecrecyCode(bytes);
    byte1 = bytes[0];
    byte2 = bytes[1];
    byte3 = bytes[2];
    byte4 = bytes[3];
}

// The handshake query 0x00: the device echoes the four bytes in answer bytes
// 1 to 4. True only when the transport was taken and the exchange succeeded;
// a query that never ran leaves the bytes as they were, which must not count
// as an echo.
bool Hid_Thread::exchangeSecrecyCode(uchar (&bytes)[4]) {
    if (!beginCommand("cmd Failed 00")) return false;
    buildRequest(0x00, bytes[0], bytes[1], bytes[2], bytes[3]);
    clearAnswer();
    const bool isExchanged = hidQuery(0);
    for (int i = 0; i < 4; ++i) bytes[i] = ansReport[i + 2];
    return isExchanged;
}

// Runs on a pool thread. Opens the event interface for every read so that a
// removed device shows as an interface that cannot be opened.
void Hid_Thread::listenDevice(uint did) {
    {
        QMutexLocker lock(&devicesMutex);
        if (did >= static_cast<uint>(devices.size()) || devices.at(int(did)).eventPath.isEmpty())
            return;
    }
    uchar buffer[4];
    while (isListening) {
        HidHandle* handle = openEventInterface(did);
        if (!handle) {
            qDebug("Device removed");
            QMutexLocker lock(&devicesMutex);
            if (did < static_cast<uint>(devices.size())) devices[int(did)].eventPath.clear();
            isListening = false;
            return;
        }
        const int count = hidBackend->readTimeout(handle, buffer, sizeof buffer, kListenReadMs);
        if (count == 4 && std::equal(buffer, buffer + 4, kReadyNotification)) isReady = true;
        closeEventInterface();
    }
}
