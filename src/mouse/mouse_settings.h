#pragma once

#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>

class Hid_Thread;
class SettingsFile;

// What the mouse pages (sensor, colour, key definition) read and change:
// every value the user sets is written into the current profile first and
// then sent to the mouse; every getter answers from the profile. Only the
// sensor type, the logo-LED probe, the DPI stage count, the key matrix and
// macro read-backs and the scroll swap ask the mouse itself.
//
// The methods carry the names and value types of the view's slots, so each
// slot of the view is a one-line forward. Lists cross as QVariantList; every
// list getter answers unsigned numbers, whether the profile was written in
// this run or read back from its file (which holds text).
//
// The mouse keeps no profile of its own: switching profile changes only
// which settings object currentProfile() hands out, and the pages re-read.
//
// Threads: owned and used by the GUI thread only. Set commands are queued on
// the device link and return at once; queries wait for their exchange (at
// most the link's own deadline).
class MouseSettings {
public:
    // Sensor types from the function-option query; above 3 the pages offer
    // no DPI table. This one stands for "the mouse did not say".
    static constexpr int kUnknownSensorType = 0xFF;
    // Stages offered when the mouse cannot be asked.
    static constexpr uchar kDefaultStageCount = 8;
    // Bit 6 of the function option's option1: scroll direction swapped.
    static constexpr uchar kScrollSwapBit = 0x40;

    // deviceLink may be null until the host has one (every device call is
    // then skipped and the fallbacks below are answered); not owned.
    // currentProfile hands out the current profile's settings object at the
    // time of the call (never kept, import and reset replace it); a null
    // answer stores nothing and reads the fallbacks. messageStrings hands
    // out msg/0 to msg/5 of the active language.
    MouseSettings(Hid_Thread* deviceLink, std::function<SettingsFile*()> currentProfile,
                  std::function<QStringList()> messageStrings);

    void setDeviceLink(Hid_Thread* deviceLink) { hid = deviceLink; }

    // Report rate byte 8, 4, 2, 1 for 125 to 1000 Hz. Stored only when the
    // mouse is the current device; sent to either device.
    void ui_01H_SetReportRate(uchar rate);
    // Mouse: the stored byte (0 when absent). Keyboard: the device's answer.
    QVariant ui_81H_GetReportRate();

    // Current DPI stage 1 to 8.
    void ui_0BH_SetCurrentDPIStage(uchar dpiStage);
    QVariant ui_8BH_GetCurrentDPIStage();

    // Stores the 8 DPI values (valueForIndex, 0 = stage unused) and sends
    // the 8 codes of src8. Missing codes go out as 0x80, "stage unused".
    void ui_11H_SetDPISet(uchar dpiStage, const QVariantList& src8,
                          const QVariantList& valueForIndex);
    // The stored DPI values; the mouse is not asked.
    QVariantList ui_91H_GetDPISet();
    // The number of stages the mouse offers; 8 when it cannot say (no answer,
    // or a count outside 1 to 8).
    uchar ui_91H_SyncDPI();

    // Sends effect, brightness and speed as device values and stores the
    // page's own indices (configs) for the page to read back.
    void ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2,
                                const QVariantList& configs);
    QVariantList ui_8DH_GetRGBLedEffect();

    // Colour table 0 (effect palette, 24 RGB bytes), 1 (DPI-stage colours,
    // 24 RGB bytes) or 2 (8 four-bit colour ids, sent packed two to a byte,
    // low nibble first). Stores the list as given; sends at most 24 entries.
    void ui_10H_SetLED8StageColor(uchar type, const QVariantList& src24);
    QVariantList ui_90H_GetLED8StageColor(uchar type);

    // 16 buttons of 4 bytes each: stored per button, sent as 64 bytes. A
    // list of fewer than 64 entries is refused whole (nothing stored or
    // sent): a half matrix would leave buttons, perhaps the primary one,
    // without a function. Entries beyond 64 are ignored.
    void ui_12H_SetKeyMatrix(const QVariantList& src64);
    // The stored entry of one button: the mouse's "keydefine_Q4/<n>", the
    // keyboard's "keydefine/<n>"; empty for any other device.
    QVariantList getKeydefine(const QVariant& matrixId);
    // The mouse's own tables read back: 64 and 128 ints. Bytes the mouse
    // did not send read as 0.
    QVariantList ui_92H_GetKeyMatrix();
    QVariantList ui_93H_GetMacroKey(uchar macroId);

    // Stores the flag, then reads the function option and the report rate
    // and sends the option back with only the swap bit changed. When the
    // mouse did not answer the reads, nothing is sent: writing back unread
    // values would reset its report rate and options.
    void setScrollPinSwap(bool isSwap);
    bool getScrollPinSwap();

    // The first byte of the function option; kUnknownSensorType when the
    // link could not ask.
    QVariant getSensorType();
    // True when the LED-instruction query for type 0 answered option1 = 0.
    bool chkIsLogoLedWork();
    // Asks before the last primary button loses its function: title msg/4,
    // text msg/5, OK and Cancel with Cancel the default. True only for OK.
    bool getMsgAns_FoolProofing();

private:
    int deviceType() const;
    void store(const QString& key, const QVariant& value);
    QVariant stored(const QString& key, const QVariant& fallback = QVariant()) const;
    QVariantList storedList(const QString& key) const;
    QVariantList storedNumbers(const QString& key) const;

    Hid_Thread* hid;
    std::function<SettingsFile*()> currentProfile;
    std::function<QStringList()> messageStrings;
};
