#pragma once

#include <QList>
#include <QString>
#include <QThread>
#include <atomic>
#include <initializer_list>
#include <memory>
#include <thread>

#include "device/command_queue.h"
#include "device/device_table.h"
#include "device/hid_backend.h"
#include "device/hid_transport.h"
#include "device/link_state.h"

// The host of the device link: the caption of the handshake's warning box
// and the window the link closes when the device is not accepted.
class DeviceLinkOwner {
public:
    virtual ~DeviceLinkOwner() = default;
    virtual QString ownerTitle() const = 0;
    // Closes the owner once the event loop runs again (never synchronously:
    // the request comes from inside a device check).
    virtual void requestClose() = 0;
};

// Runtime row of one device-table entry; the index is the device id.
struct DeviceEntry {
    QString name;
    int type = -1;
    QString cmdPath;    // empty: not found, or the last open failed
    QString eventPath;  // empty: not found, the last open failed, or removed
    uint reportLength = 0;
};

// The one object through which the program talks to a device.
//
// Threads: the object lives on the GUI thread, which normally calls every
// slot; a slot may also be called from another thread. Every command is
// built into a DeviceCommand of its own and handed to one ordered queue, so
// the device receives the commands in the order they were issued and a query
// sees the effect of every set issued before it, however calls nest. A set
// returns once queued; a query waits for its exchange, bounded by a total
// deadline, and on the GUI thread keeps the window painting meanwhile (user
// input waits). The queue's worker thread runs every exchange; the event
// listener has a thread of its own.
//
// The scrambling switch and the secrecy code are read when a command is
// issued and travel with it, so a handshake that changes them never touches
// a transfer in flight.
//
// QThread is the base for the object model only: the thread is never started.
class Hid_Thread : public QThread {
    Q_OBJECT

public:
    static constexpr int kDataBufferSize = DeviceCommand::kDataBufferSize;
    static constexpr int kReportPacingMs = HidTransport::kReportPacingMs;
    static constexpr int kReadyWaitMs = HidTransport::kReadyWaitMs;
    // The listener reads in slices this long, so a stop takes effect soon.
    static constexpr int kListenSliceMs = 50;
    // A query's exchange as a whole, data phase included.
    static constexpr int kDefaultQueryDeadlineMs = 1000;

    explicit Hid_Thread(QObject* parent = nullptr);
    ~Hid_Thread() override;

    // Not owned; must outlive this object. Without one the link talks to
    // nothing and every command fails at the open step.
    void setBackend(HidBackend* backend);
    HidBackend* backend() const;
    void setOwner(DeviceLinkOwner* linkOwner) { owner = linkOwner; }
    // The application configuration that holds the secrecy codes.
    void setApplicationConfigPath(const QString& path) { applicationConfigPath = path; }
    // Bound on a query's exchange, all of its data phase included.
    void setQueryDeadline(int milliseconds) { queryDeadlineMs = milliseconds; }

    // The device list is replaced and read on the GUI thread.
    void updateDeviceList(const QList<DevInfo>& table);
    QList<DeviceEntry> deviceList() const;
    uint currentDevice() const { return curDevice; }
    // Type of the current device: 0 keyboard, 1 mouse, -1 when none is known.
    int currentDeviceType() const;
    // Gives the keyboard entry (or any entry) its interface paths; the device
    // table's keyboard row is never enumerated, so tests need this seam.
    void setDevicePaths(uint did, const QString& cmdPath, const QString& eventPath);

    // The event listener carries the device's ready notifications and notices
    // its removal. A passing handshake (re)starts it; a failing one stops it.
    void startListen(uint did);
    void stopListen();
    bool isListenerRunning() const { return isListenerAlive; }
    // Blocks until every command issued so far has ended, at most the given
    // time. True when the queue drained.
    bool waitForPendingTransfer(int milliseconds = CommandQueue::kShutdownWaitMs);
    // Ready waits that found no announcement in time (see HidTransport).
    int extendedReadyWaits() const { return transport->extendedReadyWaits(); }

    // The queries 0x83 and 0x81 with their outcome: false when the exchange
    // did not take place, the values then being the pre-filled ones.
    bool queryFunctionOption(uchar& type, uchar& option1, uchar& option2);
    bool queryReportRate(uchar& rate);

public slots:
    void swichCurDevice(uint did);
    uchar hidCS(uchar* cmd);
    void chkDeviceIsEnCode();
    void USBDataEncryption(uchar FIFOBuf[], uchar SecrecyCode[]);
    void USBDataDecipher(uchar FIFOBuf[], uchar SecrecyCode[]);
    void hid_00H_GetSecrecyCode(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4);

    // Keyboard set commands (0x01 and 0x02 serve both devices).
    void hid_01H_SetReportRate(uchar rate);
    void hid_02H_SetCurrentProfile(uchar profile);
    void hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4);
    void hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                            uchar direction);
    void hid_0DH_SetKeyMatrix(uchar* src512);
    void hid_0EH_SetKeyOnOff(uchar* src21);
    void hid_09H_SetKeyboardMode(uchar mode);
    void hid_11H_SetMacroKey(uchar macroId, uchar* src192);
    void hid_12H_SetUserPicture(uchar index, uchar option, uchar* src512);
    void hid_13H_SetRecoveryData();
    void hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);

    // Keyboard queries (0x80 to 0x82 serve both devices).
    void hid_80H_GetFWVersion(QString& version);
    void hid_81H_GetReportRate(uchar& rate);
    void hid_82H_GetCurrentProfile(uchar& profile);
    void hid_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4);
    void hid_84H_GetButtonSensitivity(uchar& sens1, uchar& sens2, uchar& sens3, uchar& sens4);
    void hid_88H_GetLEDType(uchar& effect, uchar& speed, uchar& light, uchar& color,
                            uchar& direction);
    void hid_89H_GetKeyboardMode(uchar& mode);
    void hid_8DH_GetKeyMatrix(uchar* src512);
    void hid_8EH_GetKeyOnOff(uchar* src21);
    void hid_91H_GetMacroKey(uchar macroId, uchar* src192);
    void hid_92H_GetUserPicture(uchar index, uchar* src512);
    void hid_94H_GetColor(uchar index, uchar& rValue, uchar& gValue, uchar& bValue);

    // Mouse set commands.
    void hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2);
    void hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2, uchar option3);
    void hid_0BH_SetCurrentDPIStage(uchar dpiStage);
    void hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2);
    void hid_10H_SetLED8StageColor(uchar type, uchar* src24);
    void hid_11H_SetDPISet(uchar dpiStage, uchar* src8);
    void hid_12H_SetKeyMatrix(uchar* src64);
    void hid_13H_SetMacroKey(uchar macroId, uchar* src128);

    // Mouse queries.
    void hid_83H_GetFunctionOption(uchar& type, uchar& option1, uchar& option2);
    bool hid_87H_GetLEDInstructFunction(uchar type, uchar& option1, uchar& option2, uchar& option3);
    void hid_8BH_GetCurrentDPIStage(uchar& dpiStage);
    void hid_8DH_GetRGBLedEffect(uchar& effect, uchar& option1, uchar& option2);
    void hid_90H_GetLED8StageColor(uchar type, uchar* src24);
    bool hid_91H_GetDPISet(uchar& dpiMAXStage, uchar* src8);
    void hid_92H_GetKeyMatrix(uchar* src64);
    void hid_93H_GetMacroKey(uchar macroId, uchar* src128);

private:
    // Command helpers. A command starts from its request (code, six
    // parameter bytes, checksum); a set is then queued, a query run.
    std::shared_ptr<DeviceCommand> request(uchar code, uchar byte2 = 0, uchar byte3 = 0,
                                           uchar byte4 = 0, uchar byte5 = 0, uchar byte6 = 0,
                                           uchar byte7 = 0) const;
    void launchSend(const std::shared_ptr<DeviceCommand>& command, const char* failureLine,
                    const uchar* data, int dataLength, bool waitReady);
    // Runs a query with an optional data phase: the caller's bytes go in
    // first, so what does not arrive stays as it was. Result: the exchange
    // did not run (transport never free: failure line written), ran and
    // failed, or succeeded.
    enum class QueryOutcome { NotRun, Failed, Succeeded };
    QueryOutcome runQuery(const std::shared_ptr<DeviceCommand>& command, const char* failureLine,
                          uchar* callerBuffer = nullptr, int dataLength = 0);
    // Runs a value query: its code and the caller's values go into the
    // answer block first (the values at consecutive offsets from
    // firstOffset), so an exchange that brings no answer changes nothing;
    // the values are then read back from the same offsets.
    void runValueQuery(const std::shared_ptr<DeviceCommand>& command, int firstOffset,
                       std::initializer_list<uchar*> values);
    // The node a failed open left behind when the device still lists it: a
    // node the user may not open. Empty when nothing failed to open or the
    // device has gone.
    QString unopenableNode() const;
    bool exchangeSecrecyCode(uchar (&bytes)[4]);
    void listenDevice(uint did);

    DeviceLinkOwner* owner = nullptr;
    std::atomic<uint> curDevice{1};
    std::shared_ptr<HidTransport> transport;
    // Name, type and report length of each device; the paths live in the
    // transport, which the worker and the listener change.
    QList<DeviceEntry> deviceRows;
    std::unique_ptr<CommandQueue> queue;

    std::atomic<bool> isListening{false};
    std::atomic<bool> isListenerAlive{false};
    std::thread listener;

    QString applicationConfigPath = QStringLiteral("./modules/setting/apConfig.bin");
    std::atomic<int> queryDeadlineMs{kDefaultQueryDeadlineMs};
};
