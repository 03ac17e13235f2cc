#pragma once

#include <QJSValue>
#include <QObject>
#include <QStringList>
#include <QVariant>

class QJSEngine;

// Stands in for the view as "ui_View" in the page tests: the same 83 slots
// with the same signatures, plus QWidget's setEnabled. Every call is
// recorded in order with its arguments as the slot received them; a slot
// with a result answers what the test set with setAnswer (a value, or a
// function called with the arguments), else its type's empty value.
// GUI thread only.
class RecordingView : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariantList calls READ calls NOTIFY callsChanged)
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY callsChanged)

public:
    explicit RecordingView(QObject* parent = nullptr) : QObject(parent) {}

    // Needed to call answers that are functions.
    void setEngine(QJSEngine* jsEngine) { engine = jsEngine; }
    QVariantList calls() const { return recorded; }
    bool isEnabled() const { return enabled; }

    // Forgets the calls and the answers. Each call is {name, args}.
    Q_INVOKABLE void clear();
    Q_INVOKABLE void setAnswer(const QString& slotName, const QJSValue& answer);
    // The names of the calls in order.
    Q_INVOKABLE QStringList callNames() const;
    // The argument lists of the calls to one slot, in order.
    Q_INVOKABLE QVariantList argumentsOf(const QString& slotName) const;

signals:
    void callsChanged();

public slots:
    void setEnabled(bool isEnabled);

    void syncFW();
    void initUI();
    void runUI();
    void setEnableAudio(bool isEnable);
    void playMedia_Index(uchar index);
    void playMedia_Background();
    void clearAllMedia();
    void saveApConfig(QVariantList apConfigs);
    QVariantList loadApConfig();
    QVariantList loadDeviceApConfig();
    void resetApconfig();
    bool getIsSkinShow();
    QVariantList loadDefaultProfile(uchar uiPageId);
    void loadProfile(int profile);
    void saveProfile(int profile);
    void resetProfile(int profile);
    void loadMacroIniFromFile(QVariant name);
    void saveMacroIniToFile(QVariant name);
    void renameMacroIniFile(QVariant oldName, QVariant newName);
    QString getCustomFilePath();
    QVariantMap chkLanguages();
    QStringList getGlobalStrings(QString langCode);
    QStringList getProductLayoutStrings_Q4(QString langCode);
    QVariant createMacroIni();
    QVariant deleteMacroIni(QVariant name);
    QStringList getMacroIniNames();
    QVariant saveMacroIni(QVariant name, QStringList macros);
    QStringList loadMacroIni(QVariant name);
    QVariantList loadMacroIniConfig(QVariant name);
    void setMacroIniConfig(QVariant name, QVariantList config);
    QVariantList getKeydefine(QVariant matrixId);
    QList<uchar> macroIncode(QStringList macros);
    void ui_01H_SetReportRate(uchar rate);
    void ui_02H_SetCurrentProfile(int profile);
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4);
    void ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                           uchar direction);
    void ui_09H_SetKeyboardMode(uchar mode);
    void ui_0DH_SetKeyMatrix(QVariantList src512);
    void ui_0EH_SetKeyOnOff(QVariantList src21);
    void ui_11H_SetMacroKey(QVariant macroId, QVariant name);
    void ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512);
    void ui_13H_SetRecoveryData();
    void ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);
    QString ui_80H_GetFWVersion();
    QVariant ui_81H_GetReportRate();
    QVariant ui_82H_GetCurrentProfile();
    QVariantList ui_83H_GetKeyboardoption();
    QVariantList ui_84H_GetButtonSensitivity();
    QVariantList ui_88H_GetLEDType();
    QVariant ui_89H_GetKeyboardMode();
    QVariantList ui_8DH_GetKeyMatrix();
    QVariantList ui_8EH_GetKeyOnOff();
    QVariantList ui_91H_GetMacroKey(uchar macroId);
    QVariantList ui_92H_GetUserPicture(uchar index);
    QVariantList ui_94H_GetColor(uchar index);
    QVariant getSensorType();
    bool chkIsLogoLedWork();
    bool getMsgAns_FoolProofing();
    void setScrollPinSwap(bool isSwap);
    void setAcceleration(bool acceleration);
    void setCursorSpeed(uint cursorSpeed);
    void setVerticalScrollLines(uint lines);
    void setDoubleClickSpeed(uint speed);
    void ui_0BH_SetCurrentDPIStage(uchar dpiStage);
    void ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, QVariantList configs);
    void ui_10H_SetLED8StageColor(uchar type, QVariantList src24);
    void ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex);
    void ui_12H_SetKeyMatrix(QVariantList src64);
    void ui_13H_SetMacroKey(QVariant macroId, QVariant name);
    bool getScrollPinSwap();
    bool getAcceleration();
    uint getCursorSpeed();
    uint getVerticalScrollLines();
    uint getDoubleClickSpeed();
    QVariant ui_8BH_GetCurrentDPIStage();
    QVariantList ui_8DH_GetRGBLedEffect();
    QVariantList ui_90H_GetLED8StageColor(uchar type);
    uchar ui_91H_SyncDPI();
    QVariantList ui_91H_GetDPISet();
    QVariantList ui_92H_GetKeyMatrix();
    QVariantList ui_93H_GetMacroKey(uchar macroId);

private:
    // Records the call and returns the answer set for it (invalid: none).
    QVariant call(const char* slotName, const QVariantList& arguments);

    QVariantList recorded;
    QHash<QString, QJSValue> answers;
    QJSEngine* engine = nullptr;
    bool enabled = true;
};

// Stands in for the controller as "ui_Ctl": records the window operations
// (close, drag, busy lock) as text, e.g. "onXChanged(5)".
class RecordingController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList calls READ calls NOTIFY callsChanged)

public:
    using QObject::QObject;
    QStringList calls() const { return recorded; }
    Q_INVOKABLE void clear();

signals:
    void callsChanged();

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();

private:
    void record(const QString& call);
    QStringList recorded;
};
