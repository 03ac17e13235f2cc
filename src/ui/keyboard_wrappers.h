#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <functional>

class Hid_Thread;
class SettingsFile;

// The view's keyboard slots: each takes the page's values, keeps what the
// profile keeps, and hands the bytes to the device link's command of the
// same code. The view's slots of the same names forward here one to one.
//
// Profile keys (values are lists):
//   "color/ledType"     effect, speed, light, color, direction  (08, read by 88)
//   "keydefine/<n>"     the 4 bytes of key n, n = 0 to 125       (0D)
//   "userPicture/<i>"   the 512 entries of picture i            (12, read by 92)
//   "color/<i>"         red, green, blue of colour slot i       (14, read by 94)
// Lists the caller gives are stored entry for entry as given; lists built
// from byte arguments are stored as ints. What comes back from the profile
// is a list of ints, whether the list was set in this run or read from the
// file (which holds text); an entry that is not a number reads as 0.
//
// A list the page gives is brought to the command's length first: entries
// beyond it are dropped, missing ones count as 0, so the profile holds what
// the keyboard received. The device gets each entry's toInt in its low 8
// bits. Setters store before they send and keep the stored value when the
// command fails.
//
// The device getters start from zero bytes, so a keyboard that does not
// answer reads as zeros and its firmware version as "unknown". Without a
// device link nothing is sent and the getters give zeros and an empty
// version; without a current profile nothing is stored and the profile
// getters are empty.
//
// Threads: owned and used by the GUI thread only, like the device link and
// the profile settings objects it uses.
class KeyboardWrappers {
public:
    // deviceLink may be null until the host has one; not owned.
    // currentProfile returns the current profile's settings object (it
    // changes with the profile switch, so it is asked on every call).
    KeyboardWrappers(Hid_Thread* deviceLink, std::function<SettingsFile*()> currentProfile);

    void setDeviceLink(Hid_Thread* deviceLink) { hid = deviceLink; }

    // Set slots.
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4);
    void ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                           uchar direction);
    void ui_09H_SetKeyboardMode(uchar mode);
    void ui_0DH_SetKeyMatrix(const QVariantList& src512);
    void ui_0EH_SetKeyOnOff(const QVariantList& src21);
    // Option 255 only stores the picture; the keyboard is not told.
    void ui_12H_SetUserPicture(uchar index, uchar option, const QVariantList& src512);
    void ui_13H_SetRecoveryData();
    void ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);

    // Get slots: the device's answers as ints 0 to 255.
    QString ui_80H_GetFWVersion();
    QVariant ui_82H_GetCurrentProfile();
    QVariantList ui_83H_GetKeyboardoption();
    QVariantList ui_84H_GetButtonSensitivity();
    QVariant ui_89H_GetKeyboardMode();
    QVariantList ui_8DH_GetKeyMatrix();
    QVariantList ui_8EH_GetKeyOnOff();
    QVariantList ui_91H_GetMacroKey(uchar macroId);
    // Tells the keyboard that profile 0 to 9 is now current (command 02),
    // when the keyboard is the current device; the mouse keeps no profile
    // selection of its own and is not told.
    void profileSwitched(int profileIndex);
    // The keyboard's five user pictures copied into the current profile
    // ("userPicture/0" to "/4", 512 ints each); nothing for the mouse.
    void syncFW();

    // Get slots answered from the current profile; empty when absent.
    QVariantList ui_88H_GetLEDType() const;
    QVariantList ui_92H_GetUserPicture(uchar index) const;
    QVariantList ui_94H_GetColor(uchar index) const;

private:
    void store(const QString& key, const QVariantList& value) const;
    QVariantList stored(const QString& key) const;

    Hid_Thread* hid;
    std::function<SettingsFile*()> profile;
};
