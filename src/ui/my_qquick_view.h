#pragma once

#include <QQuickWidget>
#include <QStringList>
#include <QVariant>

#include "ui/root_scene.h"
#include "ui/view_services.h"

class SettingsFile;

// The one object through which every QML page reaches the back end,
// published as "ui_View". Its public slots are the pages' API: 83 of them,
// declared in the order the pages were written against (the comment gives
// each one's index). Each slot is a thin forward to the service that owns
// the behaviour (sounds, application configuration, profiles, languages,
// macros, mouse settings, pointer settings, keyboard wrappers); the
// services are built elsewhere and handed over. The slots are defined in
// one source file per page (view_global_settings.cpp, view_profiles.cpp,
// view_key_page.cpp, view_macro_page.cpp, view_colour_page.cpp,
// view_sensor_page.cpp, view_keyboard.cpp).
//
// Owned by the host window (a child widget); GUI thread only.
class myQQuickView : public QQuickWidget {
    Q_OBJECT

public:
    myQQuickView(QWidget* parent, ViewServices services);
    ~myQQuickView() override;

    // One key of the key capture, as a USB usage: the root's
    // detectKeyboard(isDown, usbCode), queued.
    void detectKeyboard(bool isDown, int usbCode);
    // One mouse button press or release: the root's detectMouse, queued.
    void detectMouse(bool isDown, uint buttonCode, uint x, uint y);

    Hid_Thread* deviceLink() const { return hid; }
    SoundBoard& sounds() { return services.sounds; }
    ProfileStore& profiles() { return services.profiles; }
    SettingsFile* currentProfileSettings() const;
    // The root item's functions the back end calls.
    RootScene& root() { return rootScene; }

public slots:
    void syncFW();                                                                         // 0
    void initUI();                                                                         // 1
    void runUI();                                                                          // 2
    void setEnableAudio(bool isEnable);                                                    // 3
    void playMedia_Index(uchar index);                                                     // 4
    void playMedia_Background();                                                           // 5
    void clearAllMedia();                                                                  // 6
    void saveApConfig(QVariantList apConfigs);                                             // 7
    QVariantList loadApConfig();                                                           // 8
    QVariantList loadDeviceApConfig();                                                     // 9
    void resetApconfig();                                                                  // 10
    bool getIsSkinShow();                                                                  // 11
    QVariantList loadDefaultProfile(uchar uiPageId);                                       // 12
    void loadProfile(int profile);                                                         // 13
    void saveProfile(int profile);                                                         // 14
    void resetProfile(int profile);                                                        // 15
    void loadMacroIniFromFile(QVariant name);                                              // 16
    void saveMacroIniToFile(QVariant name);                                                // 17
    void renameMacroIniFile(QVariant oldName, QVariant newName);                           // 18
    QString getCustomFilePath();                                                           // 19
    QVariantMap chkLanguages();                                                            // 20
    QStringList getGlobalStrings(QString langCode);                                        // 21
    QStringList getProductLayoutStrings_Q4(QString langCode);                              // 22
    QVariant createMacroIni();                                                             // 23
    QVariant deleteMacroIni(QVariant name);                                                // 24
    QStringList getMacroIniNames();                                                        // 25
    QVariant saveMacroIni(QVariant name, QStringList macros);                              // 26
    QStringList loadMacroIni(QVariant name);                                               // 27
    QVariantList loadMacroIniConfig(QVariant name);                                        // 28
    void setMacroIniConfig(QVariant name, QVariantList config);                            // 29
    QVariantList getKeydefine(QVariant matrixId);                                          // 30
    QList<uchar> macroIncode(QStringList macros);                                          // 31
    void ui_01H_SetReportRate(uchar rate);                                                 // 32
    void ui_02H_SetCurrentProfile(int profile);                                            // 33
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);     // 34
    void ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4);  // 35
    void ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);                   // 36
    void ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                           uchar direction);                                      // 37
    void ui_09H_SetKeyboardMode(uchar mode);                                      // 38
    void ui_0DH_SetKeyMatrix(QVariantList src512);                                // 39
    void ui_0EH_SetKeyOnOff(QVariantList src21);                                  // 40
    void ui_11H_SetMacroKey(QVariant macroId, QVariant name);                     // 41
    void ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512);   // 42
    void ui_13H_SetRecoveryData();                                                // 43
    void ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);  // 44
    QString ui_80H_GetFWVersion();                                                // 45
    QVariant ui_81H_GetReportRate();                                              // 46
    QVariant ui_82H_GetCurrentProfile();                                          // 47
    QVariantList ui_83H_GetKeyboardoption();                                      // 48
    QVariantList ui_84H_GetButtonSensitivity();                                   // 49
    QVariantList ui_88H_GetLEDType();                                             // 50
    QVariant ui_89H_GetKeyboardMode();                                            // 51
    QVariantList ui_8DH_GetKeyMatrix();                                           // 52
    QVariantList ui_8EH_GetKeyOnOff();                                            // 53
    QVariantList ui_91H_GetMacroKey(uchar macroId);                               // 54
    QVariantList ui_92H_GetUserPicture(uchar index);                              // 55
    QVariantList ui_94H_GetColor(uchar index);                                    // 56
    QVariant getSensorType();                                                     // 57
    bool chkIsLogoLedWork();                                                      // 58
    bool getMsgAns_FoolProofing();                                                // 59
    void setScrollPinSwap(bool isSwap);                                           // 60
    void setAcceleration(bool acceleration);                                      // 61
    void setCursorSpeed(uint cursorSpeed);                                        // 62
    void setVerticalScrollLines(uint lines);                                      // 63
    void setDoubleClickSpeed(uint speed);                                         // 64
    void ui_0BH_SetCurrentDPIStage(uchar dpiStage);                               // 65
    void ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2,
                                QVariantList configs);                                     // 66
    void ui_10H_SetLED8StageColor(uchar type, QVariantList src24);                         // 67
    void ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex);  // 68
    void ui_12H_SetKeyMatrix(QVariantList src64);                                          // 69
    void ui_13H_SetMacroKey(QVariant macroId, QVariant name);                              // 70
    bool getScrollPinSwap();                                                               // 71
    bool getAcceleration();                                                                // 72
    uint getCursorSpeed();                                                                 // 73
    uint getVerticalScrollLines();                                                         // 74
    uint getDoubleClickSpeed();                                                            // 75
    QVariant ui_8BH_GetCurrentDPIStage();                                                  // 76
    QVariantList ui_8DH_GetRGBLedEffect();                                                 // 77
    QVariantList ui_90H_GetLED8StageColor(uchar type);                                     // 78
    uchar ui_91H_SyncDPI();                                                                // 79
    QVariantList ui_91H_GetDPISet();                                                       // 80
    QVariantList ui_92H_GetKeyMatrix();                                                    // 81
    QVariantList ui_93H_GetMacroKey(uchar macroId);                                        // 82

private:
    ViewServices services;
    Hid_Thread* hid;  // the host's device link, not owned (null: none)
    RootScene rootScene;
};
