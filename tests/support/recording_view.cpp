#include "recording_view.h"

#include <QJSEngine>

void RecordingView::clear() {
    recorded.clear();
    answers.clear();
    enabled = true;
    emit callsChanged();
}

void RecordingView::setAnswer(const QString& slotName, const QJSValue& answer) {
    answers.insert(slotName, answer);
}

QStringList RecordingView::callNames() const {
    QStringList names;
    for (const QVariant& each : recorded) names.append(each.toMap().value("name").toString());
    return names;
}

QVariantList RecordingView::argumentsOf(const QString& slotName) const {
    QVariantList lists;
    for (const QVariant& each : recorded)
        if (each.toMap().value("name").toString() == slotName)
            lists.append(QVariant(each.toMap().value("args").toList()));
    return lists;
}

QVariant RecordingView::call(const char* slotName, const QVariantList& arguments) {
    recorded.append(QVariantMap{{"name", QString::fromLatin1(slotName)}, {"args", arguments}});
    emit callsChanged();
    const QJSValue answer = answers.value(QString::fromLatin1(slotName));
    if (answer.isCallable() && engine) {
        QJSValueList values;
        for (const QVariant& argument : arguments) values.append(engine->toScriptValue(argument));
        return answer.call(values).toVariant();
    }
    return answer.isUndefined() ? QVariant() : answer.toVariant();
}

void RecordingView::setEnabled(bool isEnabled) {
    enabled = isEnabled;
    call("setEnabled", {isEnabled});
}

void RecordingView::syncFW() {
    call("syncFW", {});
}

void RecordingView::initUI() {
    call("initUI", {});
}

void RecordingView::runUI() {
    call("runUI", {});
}

void RecordingView::setEnableAudio(bool isEnable) {
    call("setEnableAudio", {QVariant(isEnable)});
}

void RecordingView::playMedia_Index(uchar index) {
    call("playMedia_Index", {QVariant(int(index))});
}

void RecordingView::playMedia_Background() {
    call("playMedia_Background", {});
}

void RecordingView::clearAllMedia() {
    call("clearAllMedia", {});
}

void RecordingView::saveApConfig(QVariantList apConfigs) {
    call("saveApConfig", {QVariant(apConfigs)});
}

QVariantList RecordingView::loadApConfig() {
    return call("loadApConfig", {}).toList();
}

QVariantList RecordingView::loadDeviceApConfig() {
    return call("loadDeviceApConfig", {}).toList();
}

void RecordingView::resetApconfig() {
    call("resetApconfig", {});
}

bool RecordingView::getIsSkinShow() {
    return call("getIsSkinShow", {}).toBool();
}

QVariantList RecordingView::loadDefaultProfile(uchar uiPageId) {
    return call("loadDefaultProfile", {QVariant(int(uiPageId))}).toList();
}

void RecordingView::loadProfile(int profile) {
    call("loadProfile", {QVariant(profile)});
}

void RecordingView::saveProfile(int profile) {
    call("saveProfile", {QVariant(profile)});
}

void RecordingView::resetProfile(int profile) {
    call("resetProfile", {QVariant(profile)});
}

void RecordingView::loadMacroIniFromFile(QVariant name) {
    call("loadMacroIniFromFile", {QVariant(name)});
}

void RecordingView::saveMacroIniToFile(QVariant name) {
    call("saveMacroIniToFile", {QVariant(name)});
}

void RecordingView::renameMacroIniFile(QVariant oldName, QVariant newName) {
    call("renameMacroIniFile", {QVariant(oldName), QVariant(newName)});
}

QString RecordingView::getCustomFilePath() {
    return call("getCustomFilePath", {}).toString();
}

QVariantMap RecordingView::chkLanguages() {
    return call("chkLanguages", {}).toMap();
}

QStringList RecordingView::getGlobalStrings(QString langCode) {
    return call("getGlobalStrings", {QVariant(langCode)}).toStringList();
}

QStringList RecordingView::getProductLayoutStrings_Q4(QString langCode) {
    return call("getProductLayoutStrings_Q4", {QVariant(langCode)}).toStringList();
}

QVariant RecordingView::createMacroIni() {
    return call("createMacroIni", {});
}

QVariant RecordingView::deleteMacroIni(QVariant name) {
    return call("deleteMacroIni", {QVariant(name)});
}

QStringList RecordingView::getMacroIniNames() {
    return call("getMacroIniNames", {}).toStringList();
}

QVariant RecordingView::saveMacroIni(QVariant name, QStringList macros) {
    return call("saveMacroIni", {QVariant(name), QVariant(macros)});
}

QStringList RecordingView::loadMacroIni(QVariant name) {
    return call("loadMacroIni", {QVariant(name)}).toStringList();
}

QVariantList RecordingView::loadMacroIniConfig(QVariant name) {
    return call("loadMacroIniConfig", {QVariant(name)}).toList();
}

void RecordingView::setMacroIniConfig(QVariant name, QVariantList config) {
    call("setMacroIniConfig", {QVariant(name), QVariant(config)});
}

QVariantList RecordingView::getKeydefine(QVariant matrixId) {
    return call("getKeydefine", {QVariant(matrixId)}).toList();
}

QList<uchar> RecordingView::macroIncode(QStringList macros) {
    call("macroIncode", {QVariant(macros)});
    return {};
}

void RecordingView::ui_01H_SetReportRate(uchar rate) {
    call("ui_01H_SetReportRate", {QVariant(int(rate))});
}

void RecordingView::ui_02H_SetCurrentProfile(int profile) {
    call("ui_02H_SetCurrentProfile", {QVariant(profile)});
}

void RecordingView::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
    call("ui_03H_SetKeyboardoption",
         {QVariant(int(byte1)), QVariant(int(byte2)), QVariant(int(byte3)), QVariant(int(byte4))});
}

void RecordingView::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3,
                                                uchar sens4) {
    call("ui_04H_SetButtonSensitivity",
         {QVariant(int(sens1)), QVariant(int(sens2)), QVariant(int(sens3)), QVariant(int(sens4))});
}

void RecordingView::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    call("ui_07H_SetControlIndicatorLight", {QVariant(int(effect)), QVariant(int(frequenty))});
}

void RecordingView::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                      uchar color, uchar direction) {
    call("ui_08H_SetLEDType",
         {QVariant(int(option)), QVariant(int(effect)), QVariant(int(speed)), QVariant(int(light)),
          QVariant(int(color)), QVariant(int(direction))});
}

void RecordingView::ui_09H_SetKeyboardMode(uchar mode) {
    call("ui_09H_SetKeyboardMode", {QVariant(int(mode))});
}

void RecordingView::ui_0DH_SetKeyMatrix(QVariantList src512) {
    call("ui_0DH_SetKeyMatrix", {QVariant(src512)});
}

void RecordingView::ui_0EH_SetKeyOnOff(QVariantList src21) {
    call("ui_0EH_SetKeyOnOff", {QVariant(src21)});
}

void RecordingView::ui_11H_SetMacroKey(QVariant macroId, QVariant name) {
    call("ui_11H_SetMacroKey", {QVariant(macroId), QVariant(name)});
}

void RecordingView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512) {
    call("ui_12H_SetUserPicture", {QVariant(int(index)), QVariant(int(option)), QVariant(src512)});
}

void RecordingView::ui_13H_SetRecoveryData() {
    call("ui_13H_SetRecoveryData", {});
}

void RecordingView::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    call("ui_14H_SetColor", {QVariant(int(index)), QVariant(int(rValue)), QVariant(int(gValue)),
                             QVariant(int(bValue))});
}

QString RecordingView::ui_80H_GetFWVersion() {
    return call("ui_80H_GetFWVersion", {}).toString();
}

QVariant RecordingView::ui_81H_GetReportRate() {
    return call("ui_81H_GetReportRate", {});
}

QVariant RecordingView::ui_82H_GetCurrentProfile() {
    return call("ui_82H_GetCurrentProfile", {});
}

QVariantList RecordingView::ui_83H_GetKeyboardoption() {
    return call("ui_83H_GetKeyboardoption", {}).toList();
}

QVariantList RecordingView::ui_84H_GetButtonSensitivity() {
    return call("ui_84H_GetButtonSensitivity", {}).toList();
}

QVariantList RecordingView::ui_88H_GetLEDType() {
    return call("ui_88H_GetLEDType", {}).toList();
}

QVariant RecordingView::ui_89H_GetKeyboardMode() {
    return call("ui_89H_GetKeyboardMode", {});
}

QVariantList RecordingView::ui_8DH_GetKeyMatrix() {
    return call("ui_8DH_GetKeyMatrix", {}).toList();
}

QVariantList RecordingView::ui_8EH_GetKeyOnOff() {
    return call("ui_8EH_GetKeyOnOff", {}).toList();
}

QVariantList RecordingView::ui_91H_GetMacroKey(uchar macroId) {
    return call("ui_91H_GetMacroKey", {QVariant(int(macroId))}).toList();
}

QVariantList RecordingView::ui_92H_GetUserPicture(uchar index) {
    return call("ui_92H_GetUserPicture", {QVariant(int(index))}).toList();
}

QVariantList RecordingView::ui_94H_GetColor(uchar index) {
    return call("ui_94H_GetColor", {QVariant(int(index))}).toList();
}

QVariant RecordingView::getSensorType() {
    return call("getSensorType", {});
}

bool RecordingView::chkIsLogoLedWork() {
    return call("chkIsLogoLedWork", {}).toBool();
}

bool RecordingView::getMsgAns_FoolProofing() {
    return call("getMsgAns_FoolProofing", {}).toBool();
}

void RecordingView::setScrollPinSwap(bool isSwap) {
    call("setScrollPinSwap", {QVariant(isSwap)});
}

void RecordingView::setAcceleration(bool acceleration) {
    call("setAcceleration", {QVariant(acceleration)});
}

void RecordingView::setCursorSpeed(uint cursorSpeed) {
    call("setCursorSpeed", {QVariant(cursorSpeed)});
}

void RecordingView::setVerticalScrollLines(uint lines) {
    call("setVerticalScrollLines", {QVariant(lines)});
}

void RecordingView::setDoubleClickSpeed(uint speed) {
    call("setDoubleClickSpeed", {QVariant(speed)});
}

void RecordingView::ui_0BH_SetCurrentDPIStage(uchar dpiStage) {
    call("ui_0BH_SetCurrentDPIStage", {QVariant(int(dpiStage))});
}

void RecordingView::ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2,
                                           QVariantList configs) {
    call("ui_0DH_SetRGBLedEffect", {QVariant(int(effect)), QVariant(int(option1)),
                                    QVariant(int(option2)), QVariant(configs)});
}

void RecordingView::ui_10H_SetLED8StageColor(uchar type, QVariantList src24) {
    call("ui_10H_SetLED8StageColor", {QVariant(int(type)), QVariant(src24)});
}

void RecordingView::ui_11H_SetDPISet(uchar dpiStage, QVariantList src8,
                                     QVariantList valueForIndex) {
    call("ui_11H_SetDPISet", {QVariant(int(dpiStage)), QVariant(src8), QVariant(valueForIndex)});
}

void RecordingView::ui_12H_SetKeyMatrix(QVariantList src64) {
    call("ui_12H_SetKeyMatrix", {QVariant(src64)});
}

void RecordingView::ui_13H_SetMacroKey(QVariant macroId, QVariant name) {
    call("ui_13H_SetMacroKey", {QVariant(macroId), QVariant(name)});
}

bool RecordingView::getScrollPinSwap() {
    return call("getScrollPinSwap", {}).toBool();
}

bool RecordingView::getAcceleration() {
    return call("getAcceleration", {}).toBool();
}

uint RecordingView::getCursorSpeed() {
    return call("getCursorSpeed", {}).toUInt();
}

uint RecordingView::getVerticalScrollLines() {
    return call("getVerticalScrollLines", {}).toUInt();
}

uint RecordingView::getDoubleClickSpeed() {
    return call("getDoubleClickSpeed", {}).toUInt();
}

QVariant RecordingView::ui_8BH_GetCurrentDPIStage() {
    return call("ui_8BH_GetCurrentDPIStage", {});
}

QVariantList RecordingView::ui_8DH_GetRGBLedEffect() {
    return call("ui_8DH_GetRGBLedEffect", {}).toList();
}

QVariantList RecordingView::ui_90H_GetLED8StageColor(uchar type) {
    return call("ui_90H_GetLED8StageColor", {QVariant(int(type))}).toList();
}

uchar RecordingView::ui_91H_SyncDPI() {
    return static_cast<uchar>(call("ui_91H_SyncDPI", {}).toUInt());
}

QVariantList RecordingView::ui_91H_GetDPISet() {
    return call("ui_91H_GetDPISet", {}).toList();
}

QVariantList RecordingView::ui_92H_GetKeyMatrix() {
    return call("ui_92H_GetKeyMatrix", {}).toList();
}

QVariantList RecordingView::ui_93H_GetMacroKey(uchar macroId) {
    return call("ui_93H_GetMacroKey", {QVariant(int(macroId))}).toList();
}

void RecordingController::clear() {
    recorded.clear();
    emit callsChanged();
}

void RecordingController::record(const QString& call) {
    recorded.append(call);
    emit callsChanged();
}

void RecordingController::onMinimize() {
    record("onMinimize");
}

void RecordingController::onXChanged(int x) {
    record(QStringLiteral("onXChanged(%1)").arg(x));
}

void RecordingController::onYChanged(int y) {
    record(QStringLiteral("onYChanged(%1)").arg(y));
}

void RecordingController::setBusy(int busyTime) {
    record(QStringLiteral("setBusy(%1)").arg(busyTime));
}

void RecordingController::setBusy() {
    record("setBusy()");
}
