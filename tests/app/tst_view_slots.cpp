// The view's public slots are the QML pages' contract: names, order,
// argument and result types. A change here breaks pages silently, so the
// whole table is pinned.

#include <QMetaMethod>
#include <QtTest>

#include "guarded_test_case.h"
#include "ui/my_qquick_view.h"

namespace {

struct Slot {
    const char* result;
    const char* signature;
};

const Slot kSlots[] = {
    {"void", "syncFW()"},
    {"void", "initUI()"},
    {"void", "runUI()"},
    {"void", "setEnableAudio(bool)"},
    {"void", "playMedia_Index(uchar)"},
    {"void", "playMedia_Background()"},
    {"void", "clearAllMedia()"},
    {"void", "saveApConfig(QVariantList)"},
    {"QVariantList", "loadApConfig()"},
    {"QVariantList", "loadDeviceApConfig()"},
    {"void", "resetApconfig()"},
    {"bool", "getIsSkinShow()"},
    {"QVariantList", "loadDefaultProfile(uchar)"},
    {"void", "loadProfile(int)"},
    {"void", "saveProfile(int)"},
    {"void", "resetProfile(int)"},
    {"void", "loadMacroIniFromFile(QVariant)"},
    {"void", "saveMacroIniToFile(QVariant)"},
    {"void", "renameMacroIniFile(QVariant,QVariant)"},
    {"QString", "getCustomFilePath()"},
    {"QVariantMap", "chkLanguages()"},
    {"QStringList", "getGlobalStrings(QString)"},
    {"QStringList", "getProductLayoutStrings_Q4(QString)"},
    {"QVariant", "createMacroIni()"},
    {"QVariant", "deleteMacroIni(QVariant)"},
    {"QStringList", "getMacroIniNames()"},
    {"QVariant", "saveMacroIni(QVariant,QStringList)"},
    {"QStringList", "loadMacroIni(QVariant)"},
    {"QVariantList", "loadMacroIniConfig(QVariant)"},
    {"void", "setMacroIniConfig(QVariant,QVariantList)"},
    {"QVariantList", "getKeydefine(QVariant)"},
    {"QList<uchar>", "macroIncode(QStringList)"},
    {"void", "ui_01H_SetReportRate(uchar)"},
    {"void", "ui_02H_SetCurrentProfile(int)"},
    {"void", "ui_03H_SetKeyboardoption(uchar,uchar,uchar,uchar)"},
    {"void", "ui_04H_SetButtonSensitivity(uchar,uchar,uchar,uchar)"},
    {"void", "ui_07H_SetControlIndicatorLight(uchar,uchar)"},
    {"void", "ui_08H_SetLEDType(uchar,uchar,uchar,uchar,uchar,uchar)"},
    {"void", "ui_09H_SetKeyboardMode(uchar)"},
    {"void", "ui_0DH_SetKeyMatrix(QVariantList)"},
    {"void", "ui_0EH_SetKeyOnOff(QVariantList)"},
    {"void", "ui_11H_SetMacroKey(QVariant,QVariant)"},
    {"void", "ui_12H_SetUserPicture(uchar,uchar,QVariantList)"},
    {"void", "ui_13H_SetRecoveryData()"},
    {"void", "ui_14H_SetColor(uchar,uchar,uchar,uchar)"},
    {"QString", "ui_80H_GetFWVersion()"},
    {"QVariant", "ui_81H_GetReportRate()"},
    {"QVariant", "ui_82H_GetCurrentProfile()"},
    {"QVariantList", "ui_83H_GetKeyboardoption()"},
    {"QVariantList", "ui_84H_GetButtonSensitivity()"},
    {"QVariantList", "ui_88H_GetLEDType()"},
    {"QVariant", "ui_89H_GetKeyboardMode()"},
    {"QVariantList", "ui_8DH_GetKeyMatrix()"},
    {"QVariantList", "ui_8EH_GetKeyOnOff()"},
    {"QVariantList", "ui_91H_GetMacroKey(uchar)"},
    {"QVariantList", "ui_92H_GetUserPicture(uchar)"},
    {"QVariantList", "ui_94H_GetColor(uchar)"},
    {"QVariant", "getSensorType()"},
    {"bool", "chkIsLogoLedWork()"},
    {"bool", "getMsgAns_FoolProofing()"},
    {"void", "setScrollPinSwap(bool)"},
    {"void", "setAcceleration(bool)"},
    {"void", "setCursorSpeed(uint)"},
    {"void", "setVerticalScrollLines(uint)"},
    {"void", "setDoubleClickSpeed(uint)"},
    {"void", "ui_0BH_SetCurrentDPIStage(uchar)"},
    {"void", "ui_0DH_SetRGBLedEffect(uchar,uchar,uchar,QVariantList)"},
    {"void", "ui_10H_SetLED8StageColor(uchar,QVariantList)"},
    {"void", "ui_11H_SetDPISet(uchar,QVariantList,QVariantList)"},
    {"void", "ui_12H_SetKeyMatrix(QVariantList)"},
    {"void", "ui_13H_SetMacroKey(QVariant,QVariant)"},
    {"bool", "getScrollPinSwap()"},
    {"bool", "getAcceleration()"},
    {"uint", "getCursorSpeed()"},
    {"uint", "getVerticalScrollLines()"},
    {"uint", "getDoubleClickSpeed()"},
    {"QVariant", "ui_8BH_GetCurrentDPIStage()"},
    {"QVariantList", "ui_8DH_GetRGBLedEffect()"},
    {"QVariantList", "ui_90H_GetLED8StageColor(uchar)"},
    {"uchar", "ui_91H_SyncDPI()"},
    {"QVariantList", "ui_91H_GetDPISet()"},
    {"QVariantList", "ui_92H_GetKeyMatrix()"},
    {"QVariantList", "ui_93H_GetMacroKey(uchar)"},
};

}  // namespace

class ViewSlots : public GuardedTestCase {
    Q_OBJECT

private slots:
    void slotTable() {
        const QMetaObject& meta = myQQuickView::staticMetaObject;
        QList<QMetaMethod> publicSlots;
        for (int index = meta.methodOffset(); index < meta.methodCount(); ++index) {
            const QMetaMethod method = meta.method(index);
            if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Public)
                publicSlots.append(method);
        }
        QCOMPARE(publicSlots.size(), int(std::size(kSlots)));
        for (int index = 0; index < publicSlots.size(); ++index) {
            const QByteArray signature = publicSlots[index].methodSignature();
            QVERIFY2(signature == kSlots[index].signature,
                     qPrintable(QString("slot %1 is %2, expected %3")
                                    .arg(index)
                                    .arg(QString(signature), kSlots[index].signature)));
            QCOMPARE(QByteArray(publicSlots[index].typeName()), QByteArray(kSlots[index].result));
        }
        // The view declares no signals or properties of its own.
        for (int index = meta.methodOffset(); index < meta.methodCount(); ++index)
            QVERIFY(meta.method(index).methodType() != QMetaMethod::Signal);
        QCOMPARE(meta.propertyCount(), meta.propertyOffset());
    }
};

QTEST_MAIN(ViewSlots)
#include "tst_view_slots.moc"
