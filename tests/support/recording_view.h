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

    void syncFW() { call(__func__, {}); }
    void initUI() { call(__func__, {}); }
    void runUI() { call(__func__, {}); }
    void setEnableAudio(bool isEnable) { call(__func__, {QVariant(isEnable)}); }
    void playMedia_Index(uchar index) { call(__func__, {QVariant(int(index))}); }
    void playMedia_Background() { call(__func__, {}); }
    void clearAllMedia() { call(__func__, {}); }
    void saveApConfig(QVariantList apConfigs) { call(__func__, {QVariant(apConfigs)}); }
    QVariantList loadApConfig() { return call(__func__, {}).toList(); }
    QVariantList loadDeviceApConfig() { return call(__func__, {}).toList(); }
    void resetApconfig() { call(__func__, {}); }
    bool getIsSkinShow() { return call(__func__, {}).toBool(); }
    QVariantList loadDefaultProfile(uchar uiPageId) {
        return call(__func__, {QVariant(int(uiPageId))}).toList();
    }
    void loadProfile(int profile) { call(__func__, {QVariant(profile)}); }
    void saveProfile(int profile) { call(__func__, {QVariant(profile)}); }
    void resetProfile(int profile) { call(__func__, {QVariant(profile)}); }
    void loadMacroIniFromFile(QVariant name) { call(__func__, {QVariant(name)}); }
    void saveMacroIniToFile(QVariant name) { call(__func__, {QVariant(name)}); }
    void renameMacroIniFile(QVariant oldName, QVariant newName) {
        call(__func__, {QVariant(oldName), QVariant(newName)});
    }
    QString getCustomFilePath() { return call(__func__, {}).toString(); }
    QVariantMap chkLanguages() { return call(__func__, {}).toMap(); }
    QStringList getGlobalStrings(QString langCode) {
        return call(__func__, {QVariant(langCode)}).toStringList();
    }
    QStringList getProductLayoutStrings_Q4(QString langCode) {
        return call(__func__, {QVariant(langCode)}).toStringList();
    }
    QVariant createMacroIni() { return call(__func__, {}); }
    QVariant deleteMacroIni(QVariant name) { return call(__func__, {QVariant(name)}); }
    QStringList getMacroIniNames() { return call(__func__, {}).toStringList(); }
    QVariant saveMacroIni(QVariant name, QStringList macros) {
        return call(__func__, {QVariant(name), QVariant(macros)});
    }
    QStringList loadMacroIni(QVariant name) {
        return call(__func__, {QVariant(name)}).toStringList();
    }
    QVariantList loadMacroIniConfig(QVariant name) {
        return call(__func__, {QVariant(name)}).toList();
    }
    void setMacroIniConfig(QVariant name, QVariantList config) {
        call(__func__, {QVariant(name), QVariant(config)});
    }
    QVariantList getKeydefine(QVariant matrixId) {
        return call(__func__, {QVariant(matrixId)}).toList();
    }
    QList<uchar> macroIncode(QStringList macros) {
        call(__func__, {QVariant(macros)});
        return {};
    }
    void ui_01H_SetReportRate(uchar rate) { call(__func__, {QVariant(int(rate))}); }
    void ui_02H_SetCurrentProfile(int profile) { call(__func__, {QVariant(profile)}); }
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
        call(__func__, {QVariant(int(byte1)), QVariant(int(byte2)), QVariant(int(byte3)),
                        QVariant(int(byte4))});
    }
    void ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4) {
        call(__func__, {QVariant(int(sens1)), QVariant(int(sens2)), QVariant(int(sens3)),
                        QVariant(int(sens4))});
    }
    void ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
        call(__func__, {QVariant(int(effect)), QVariant(int(frequenty))});
    }
    void ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                           uchar direction) {
        call(__func__, {QVariant(int(option)), QVariant(int(effect)), QVariant(int(speed)),
                        QVariant(int(light)), QVariant(int(color)), QVariant(int(direction))});
    }
    void ui_09H_SetKeyboardMode(uchar mode) { call(__func__, {QVariant(int(mode))}); }
    void ui_0DH_SetKeyMatrix(QVariantList src512) { call(__func__, {QVariant(src512)}); }
    void ui_0EH_SetKeyOnOff(QVariantList src21) { call(__func__, {QVariant(src21)}); }
    void ui_11H_SetMacroKey(QVariant macroId, QVariant name) {
        call(__func__, {QVariant(macroId), QVariant(name)});
    }
    void ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512) {
        call(__func__, {QVariant(int(index)), QVariant(int(option)), QVariant(src512)});
    }
    void ui_13H_SetRecoveryData() { call(__func__, {}); }
    void ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
        call(__func__, {QVariant(int(index)), QVariant(int(rValue)), QVariant(int(gValue)),
                        QVariant(int(bValue))});
    }
    QString ui_80H_GetFWVersion() { return call(__func__, {}).toString(); }
    QVariant ui_81H_GetReportRate() { return call(__func__, {}); }
    QVariant ui_82H_GetCurrentProfile() { return call(__func__, {}); }
    QVariantList ui_83H_GetKeyboardoption() { return call(__func__, {}).toList(); }
    QVariantList ui_84H_GetButtonSensitivity() { return call(__func__, {}).toList(); }
    QVariantList ui_88H_GetLEDType() { return call(__func__, {}).toList(); }
    QVariant ui_89H_GetKeyboardMode() { return call(__func__, {}); }
    QVariantList ui_8DH_GetKeyMatrix() { return call(__func__, {}).toList(); }
    QVariantList ui_8EH_GetKeyOnOff() { return call(__func__, {}).toList(); }
    QVariantList ui_91H_GetMacroKey(uchar macroId) {
        return call(__func__, {QVariant(int(macroId))}).toList();
    }
    QVariantList ui_92H_GetUserPicture(uchar index) {
        return call(__func__, {QVariant(int(index))}).toList();
    }
    QVariantList ui_94H_GetColor(uchar index) {
        return call(__func__, {QVariant(int(index))}).toList();
    }
    QVariant getSensorType() { return call(__func__, {}); }
    bool chkIsLogoLedWork() { return call(__func__, {}).toBool(); }
    bool getMsgAns_FoolProofing() { return call(__func__, {}).toBool(); }
    void setScrollPinSwap(bool isSwap) { call(__func__, {QVariant(isSwap)}); }
    void setAcceleration(bool acceleration) { call(__func__, {QVariant(acceleration)}); }
    void setCursorSpeed(uint cursorSpeed) { call(__func__, {QVariant(cursorSpeed)}); }
    void setVerticalScrollLines(uint lines) { call(__func__, {QVariant(lines)}); }
    void setDoubleClickSpeed(uint speed) { call(__func__, {QVariant(speed)}); }
    void ui_0BH_SetCurrentDPIStage(uchar dpiStage) { call(__func__, {QVariant(int(dpiStage))}); }
    void ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, QVariantList configs) {
        call(__func__, {QVariant(int(effect)), QVariant(int(option1)), QVariant(int(option2)),
                        QVariant(configs)});
    }
    void ui_10H_SetLED8StageColor(uchar type, QVariantList src24) {
        call(__func__, {QVariant(int(type)), QVariant(src24)});
    }
    void ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex) {
        call(__func__, {QVariant(int(dpiStage)), QVariant(src8), QVariant(valueForIndex)});
    }
    void ui_12H_SetKeyMatrix(QVariantList src64) { call(__func__, {QVariant(src64)}); }
    void ui_13H_SetMacroKey(QVariant macroId, QVariant name) {
        call(__func__, {QVariant(macroId), QVariant(name)});
    }
    bool getScrollPinSwap() { return call(__func__, {}).toBool(); }
    bool getAcceleration() { return call(__func__, {}).toBool(); }
    uint getCursorSpeed() { return call(__func__, {}).toUInt(); }
    uint getVerticalScrollLines() { return call(__func__, {}).toUInt(); }
    uint getDoubleClickSpeed() { return call(__func__, {}).toUInt(); }
    QVariant ui_8BH_GetCurrentDPIStage() { return call(__func__, {}); }
    QVariantList ui_8DH_GetRGBLedEffect() { return call(__func__, {}).toList(); }
    QVariantList ui_90H_GetLED8StageColor(uchar type) {
        return call(__func__, {QVariant(int(type))}).toList();
    }
    uchar ui_91H_SyncDPI() { return static_cast<uchar>(call(__func__, {}).toUInt()); }
    QVariantList ui_91H_GetDPISet() { return call(__func__, {}).toList(); }
    QVariantList ui_92H_GetKeyMatrix() { return call(__func__, {}).toList(); }
    QVariantList ui_93H_GetMacroKey(uchar macroId) {
        return call(__func__, {QVariant(int(macroId))}).toList();
    }

private:
    // Records the call and returns the answer set for it (invalid: none).
    QVariant call(const char* slotName, const QVariantList& arguments);

    QVariantList recorded;
    QHash<QString, QJSValue> answers;
    QJSEngine* engine = nullptr;
    bool enabled = true;
};

// Stands in for the controller as "ui_Ctl": records the window operations
// (close, drag, busy lock, help page) as text, e.g. "onXChanged(5)".
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
    void openHelpPage(const QString& link);

private:
    void record(const QString& call);
    QStringList recorded;
};
