// Device discovery, the secrecy-code handshake and the event listener.

#include <QDateTime>
#include <QDebug>
#include <QRandomGenerator>
#include <QSettings>
#include <algorithm>

#include "common/prompt.h"
#include "common/logging.h"
#include "device/hid_thread.h"

namespace {

// With this code configured, a failed handshake starts the program anyway.
const QString kDemoCode = QStringLiteral("q-harbor");
const QString kDefaultSecrecyCode = QStringLiteral("731406");

// The mouse reports this on its event interface when it has carried out a
// command.
constexpr uchar kReadyNotification[4] = {0x04, 0x04, 0x00, 0x00};

// A mouse that is there but whose node the user may not open needs another
// remedy than one that is missing: say which node and how access is given.
QString refusedNodeText(const QString& name, const QString& path) {
    return QStringLiteral(
               "%1 is connected, but its device node %2 cannot be opened.\n\n"
               "The udev rule 70-q4-mouse.rules gives the logged-in user access to it. "
               "Once the rule is installed, reload the rules with\n\n"
               "    sudo udevadm control --reload-rules\n"
               "    sudo udevadm trigger\n\n"
               "or unplug the mouse and plug it in again.")
        .arg(name, path);
}

}  // namespace

void Hid_Thread::updateDeviceList(const QList<DevInfo>& table) {
    QList<DeviceEntry> rows;
    std::vector<DeviceInterfaces> interfaces;
    for (const DevInfo& row : table) {
        DeviceEntry entry;
        entry.name = row.productName;
        entry.type = row.type;
        entry.reportLength = row.reportLength;
        rows.append(entry);
        interfaces.push_back({{}, {}, row.reportLength});
    }
    // Only the mouse row is looked for; the keyboard's interfaces are never
    // enumerated. When several interfaces match, the last complete pair wins.
    HidBackend* hidBackend = transport->backend();
    if (rows.size() > 1 && hidBackend) {
        const DevInfo& mouse = table.at(1);
        std::string commandCandidate;
        std::string eventCandidate;
        for (const HidDeviceInfo& item : hidBackend->enumerate(mouse.vid, mouse.pid)) {
            if (item.usagePage == mouse.usagePage && item.usage == mouse.usage)
                commandCandidate = item.path;
            if (item.usagePage == mouse.usagePage2 && item.usage == mouse.usage2)
                eventCandidate = item.path;
            if (!commandCandidate.empty() && !eventCandidate.empty()) {
                interfaces[1].cmdPath = commandCandidate;
                interfaces[1].eventPath = eventCandidate;
            }
        }
        if (interfaces[1].cmdPath.empty())
            qCDebug(lcDevice,
                    "no %04x:%04x with a command interface %04x/%04x and an event interface "
                    "%04x/%04x",
                    mouse.vid, mouse.pid, mouse.usagePage, mouse.usage, mouse.usagePage2,
                    mouse.usage2);
        else
            qCDebug(lcDevice, "mouse: command interface %s, event interface %s",
                    interfaces[1].cmdPath.c_str(), interfaces[1].eventPath.c_str());
    }
    deviceRows = rows;
    transport->setDevices(std::move(interfaces));
}

QList<DeviceEntry> Hid_Thread::deviceList() const {
    QList<DeviceEntry> rows = deviceRows;
    const std::vector<DeviceInterfaces> interfaces = transport->devices();
    for (int did = 0; did < rows.size() && size_t(did) < interfaces.size(); ++did) {
        rows[did].cmdPath = QString::fromStdString(interfaces[size_t(did)].cmdPath);
        rows[did].eventPath = QString::fromStdString(interfaces[size_t(did)].eventPath);
    }
    return rows;
}

int Hid_Thread::currentDeviceType() const {
    const uint did = curDevice;
    return did < uint(deviceRows.size()) ? deviceRows.at(int(did)).type : -1;
}

void Hid_Thread::setDevicePaths(uint did, const QString& cmdPath, const QString& eventPath) {
    transport->setDevicePaths(did, cmdPath.toStdString(), eventPath.toStdString());
}

// The handshake that follows (re)starts the listener for the device when it
// passes, so a new id needs nothing more here.
void Hid_Thread::swichCurDevice(uint did) {
    if (did != curDevice) {
        stopListen();
        curDevice = did;
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
        const QByteArray latin1 = code.toLatin1();
        char characters[6];
        std::copy_n(latin1.constData(), 6, characters);
        setSecrecyCode(characters);
    }

    QRandomGenerator random(static_cast<quint32>(QDateTime::currentSecsSinceEpoch()));
    uchar challenge[4];
    for (uchar& byte : challenge) byte = static_cast<uchar>(random.generate() & 0xFF);
    uchar answer[4] = {challenge[0], challenge[1], challenge[2], challenge[3]};
    const bool isExchanged = exchangeSecrecyCode(answer);
    if (isExchanged && std::equal(std::begin(answer), std::end(answer), std::begin(challenge))) {
        qCDebug(lcDevice, "Device Connect");
        isDeviceOk = true;
        // A connected device always has its listener: the ready waits of
        // every set depend on it.
        startListen(did);
        return;
    }
    qCDebug(lcDevice, "Device Error");
    isDeviceOk = false;
    stopListen();
    if (code == kDemoCode) {
        isDemoMode = true;
        isDeviceOk = true;
        isEncode = false;
        return;
    }
    const QString name = did < uint(deviceRows.size()) ? deviceRows.at(int(did)).name : QString();
    const QString refusedPath = unopenableNode();
    const QString caption = owner ? owner->ownerTitle() : QString();
    if (refusedPath.isEmpty()) {
        qCInfo(lcDevice, "%s is not connected or does not answer", qUtf8Printable(name));
        prompt().warning(caption, QStringLiteral("Can not detect %1 !").arg(name));
    } else {
        qCWarning(lcDevice, "%s: cannot open %s; the udev rule 70-q4-mouse.rules grants access",
                  qUtf8Printable(name), qUtf8Printable(refusedPath));
        prompt().warning(caption, refusedNodeText(name, refusedPath));
    }
    if (owner) owner->requestClose();
}

// An open can fail because the device went between the enumeration and the
// open; only a node that is still listed is one the user may not open.
QString Hid_Thread::unopenableNode() const {
    const std::string refused = transport->refusedPath();
    HidBackend* hidBackend = transport->backend();
    if (refused.empty() || !hidBackend) return QString();
    for (const HidDeviceInfo& item : hidBackend->enumerate(0, 0))
        if (item.path == refused) return QString::fromStdString(refused);
    return QString();
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
// 1 to 4. True only when the exchange took place and succeeded; a query that
// never ran leaves the bytes as they were, which must not count as an echo.
bool Hid_Thread::exchangeSecrecyCode(uchar (&bytes)[4]) {
    const auto command = request(0x00, bytes[0], bytes[1], bytes[2], bytes[3]);
    const QueryOutcome outcome = runQuery(command, "cmd Failed 00");
    if (outcome == QueryOutcome::NotRun) return false;
    for (int i = 0; i < 4; ++i) bytes[i] = command->ansReport[i + 2];
    return outcome == QueryOutcome::Succeeded;
}

void Hid_Thread::startListen(uint did) {
    stopListen();
    isListening = true;
    isListenerAlive = true;
    listener = std::thread(&Hid_Thread::listenDevice, this, did);
}

// Returns within one read slice of the listener.
void Hid_Thread::stopListen() {
    isListening = false;
    if (listener.joinable()) listener.join();
}

// Runs on the listener's own thread. The event interface stays open while
// the listener runs: a report the device sends between two reads is then
// kept for the next read instead of being lost with a closed handle, and a
// removed device shows as a read that fails.
void Hid_Thread::listenDevice(uint did) {
    HidBackend* hidBackend = transport->backend();
    DeviceInterfaces entry;
    HidHandle* handle = nullptr;
    // An entry without an event interface has nothing to watch.
    if (hidBackend && transport->device(did, &entry) && !entry.eventPath.empty()) {
        handle = transport->openEventInterface(did);
        if (!handle) qCDebug(lcDevice, "Device removed");  // the failed open cleared the path
    }
    if (handle) qCDebug(lcDevice, "listening on %s", entry.eventPath.c_str());
    uchar buffer[4];
    while (handle && isListening) {
        const int count = hidBackend->readTimeout(handle, buffer, sizeof buffer, kListenSliceMs);
        if (count < 0) {
            qCDebug(lcDevice, "Device removed");
            transport->clearEventPath(did);
            break;
        }
        if (count == 4 && std::equal(buffer, buffer + 4, kReadyNotification))
            transport->markReady();
    }
    transport->closeEventInterface();
    isListening = false;
    isListenerAlive = false;
}
