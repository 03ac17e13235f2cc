#pragma once

#include <QFuture>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>

#include "device/device_table.h"
#include "device/hid_backend.h"
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
// Threads: the object lives on the GUI thread, which calls every slot. A set
// command takes the transport on the GUI thread and runs its transfer
// (hidSend) as a task on the global thread pool; a query runs its exchange on
// the calling thread. The event listener is another pool task.
//
// The transport lock is the flag isIdle: waitIdle() takes it on the GUI
// thread, and hidSend/hidQuery give it back on whichever thread ran them, on
// every path. Only the holder touches cmdReport, ansReport, dataBuf and
// hidCmd. hidEvent belongs to the listener alone.
//
// QThread is the base for the object model only: the thread is never started.
class Hid_Thread : public QThread {
    Q_OBJECT

public:
    static constexpr int kDataBufferSize = 512;
    static constexpr int kWaitIdleAttempts = 255;
    static constexpr int kWaitIdleSleepMs = 8;
    static constexpr int kReportPacingMs = 8;
    static constexpr int kReadyWaitMs = 64;
    static constexpr int kListenReadMs = 500;

    explicit Hid_Thread(QObject* parent = nullptr);
    ~Hid_Thread() override;

    // Not owned; must outlive this object. Without one the link talks to
    // nothing and every command fails at the open step.
    void setBackend(HidBackend* backend);
    HidBackend* backend() const { return hidBackend; }
    void setOwner(DeviceLinkOwner* linkOwner) { owner = linkOwner; }
    // The application configuration that holds the secrecy codes.
    void setApplicationConfigPath(const QString& path) { applicationConfigPath = path; }
    // Bound on every data-phase read: a device that stops answering fails the
    // query after this long instead of freezing the program.
    void setDataReadTimeout(int milliseconds) { dataReadTimeoutMs = milliseconds; }

    void updateDeviceList(const QList<DevInfo>& table);
    QList<DeviceEntry> deviceList() const;
    uint currentDevice() const { return curDevice; }
    // Type of the current device: 0 keyboard, 1 mouse, -1 when none is known.
    int currentDeviceType() const;
    // Gives the keyboard entry (or any entry) its interface paths; the device
    // table's keyboard row is never enumerated, so tests need this seam.
    void setDevicePaths(uint did, const QString& cmdPath, const QString& eventPath);

    void startListen(uint did);
    void stopListen();
    bool isListenerRunning() const { return isListening; }
    // Blocks until the set command in flight, if any, has ended its transfer.
    void waitForPendingTransfer();

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
    // Transport lock.
    bool waitIdle();
    void releaseTransport() { isIdle = true; }

    // Transport primitives.
    bool hidSend(int dataLength, bool waitReady);
    bool hidQuery(int dataLength);
    void waitDeviceReady();
    bool failTransfer();
    bool sendCommandReport(uint did);
    uint reportLengthOf(uint did) const;

    // Command helpers: take the transport (writing the failure line when it
    // cannot be had), build the request, launch or run the exchange.
    bool beginCommand(const char* failureLine);
    void buildRequest(uchar code, uchar byte2 = 0, uchar byte3 = 0, uchar byte4 = 0,
                      uchar byte5 = 0, uchar byte6 = 0, uchar byte7 = 0);
    void launchSend(int dataLength, bool waitReady);
    bool runQuery(int dataLength, const uchar* callerBuffer = nullptr);
    void copyDataOut(uchar* callerBuffer, int length) const;
    void clearAnswer();

    // Interfaces of a device entry, opened on demand.
    HidHandle* openCmdInterface(uint did);
    HidHandle* openEventInterface(uint did);
    void closeCmdInterface();
    void closeEventInterface();
    void listenDevice(uint did);
    bool exchangeSecrecyCode(uchar (&bytes)[4]);

    DeviceLinkOwner* owner = nullptr;
    // devicesMutex guards devices: held only to read or change entries,
    // never across a HID call (the pool thread clears paths of interfaces
    // that fail to open while the GUI thread may rebuild the list).
    mutable QMutex devicesMutex;
    QList<DeviceEntry> devices;
    std::atomic<uint> curDevice{1};
    HidHandle* hidCmd = nullptr;
    HidHandle* hidEvent = nullptr;
    std::atomic<bool> isIdle{true};
    std::atomic<bool> isListening{false};
    std::atomic<bool> isReady{true};
    QFuture<void> listenFuture;
    QFuture<bool> sendFuture;
    uchar cmdReport[9] = {};
    uchar ansReport[9] = {};
    uchar dataBuf[kDataBufferSize] = {};

    HidBackend* hidBackend = nullptr;
    QString applicationConfigPath = QStringLiteral("./modules/setting/apConfig.bin");
    int dataReadTimeoutMs = 1000;
};
