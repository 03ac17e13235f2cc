// The scan code → virtual key → usage translation the key-assignment pages
// rely on: keys that share a scan code and differ only by the extended flag or
// a modifier must report different usages, and a held key must be reported
// once.

#include <QtTest>

#include "guarded_test_case.h"
#include "input/key_code_maps.h"

namespace {

// "04 1" for usage 04 down, "-" for nothing reported.
QString reportOf(std::optional<uchar> usage, bool isDown) {
    return usage ? QString::asprintf("%02X %d", *usage, isDown) : QStringLiteral("-");
}

}  // namespace

class KeyCodeMapsTest : public GuardedTestCase {
    Q_OBJECT

private slots:
    // A typo in either table shows up as a key whose virtual key leads nowhere.
    void everyScannedKeyHasAUsage() {
        const KeyCodeMaps maps(false);
        for (auto it = maps.scanToVk.cbegin(); it != maps.scanToVk.cend(); ++it)
            QVERIFY2(maps.usage(it.value()) != 0,
                     qPrintable(QString::asprintf("scan key %04X, vk %02X", it.key(), it.value())));
    }

    // flags: "extended", "Alt" (held), "non-US" (layout).
    void translate_data() {
        QTest::addColumn<uint>("scan");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<int>("usage");  // -1: not reported
        QTest::newRow("main Enter") << 0x1Cu << "" << 0x28;
        QTest::newRow("keypad Enter") << 0x1Cu << "extended" << 0x58;
        QTest::newRow("right Ctrl") << 0x1Du << "extended" << 0xE4;
        QTest::newRow("right Alt") << 0x38u << "extended Alt" << 0xE6;
        QTest::newRow("backslash, US") << 0x2Bu << "" << 0x31;
        QTest::newRow("backslash, non-US") << 0x2Bu << "non-US" << 0x32;
        QTest::newRow("Pause") << 0x45u << "" << 0x48;
        QTest::newRow("Num Lock") << 0x45u << "extended" << 0x53;
        QTest::newRow("Scroll Lock") << 0x46u << "" << 0x47;
        QTest::newRow("Ctrl+Break") << 0x46u << "extended" << 0x48;
        QTest::newRow("Alt+Print Screen") << 0x54u << "Alt" << 0x46;
        QTest::newRow("54 without Alt") << 0x54u << "" << -1;
        QTest::newRow("keypad 7") << 0x47u << "" << 0x5F;
        QTest::newRow("Home") << 0x47u << "extended" << 0x4A;
        QTest::newRow("right Windows, unmapped") << 0x5Cu << "extended" << -1;
        QTest::newRow("F23") << 0x6Eu << "" << 0x72;
        QTest::newRow("scan above 255 reads as 0") << 0x11Eu << "" << -1;
    }
    void translate() {
        QFETCH(uint, scan);
        QFETCH(QString, flags);
        QFETCH(int, usage);
        const bool isExtended = flags.contains("extended"), isAltDown = flags.contains("Alt");
        KeyTranslator translator(flags.contains("non-US"));
        const auto report = [&](bool isDown) {
            return reportOf(translator.translate(scan, isExtended, isAltDown, isDown), isDown);
        };
        const QString down = report(true);
        QCOMPARE(down + ", " + report(false),
                 usage < 0 ? QString("-, -") : QString::asprintf("%02X 1, %02X 0", usage, usage));
    }

    // Held down, a key is reported once; another key in between does not
    // disturb it; pressed again after its release, it is reported again.
    void heldKeyIsReportedOncePerChange() {
        KeyTranslator translator;
        QStringList reports;
        const QList<QPair<uint, bool>> events{{0x1E, true}, {0x1E, true},  {0x1E, true},
                                              {0x1F, true}, {0x1E, false}, {0x1E, false},
                                              {0x1E, true}};
        for (const auto& [scan, isDown] : events)
            reports.append(reportOf(translator.translate(scan, false, false, isDown), isDown));
        QCOMPARE(reports, (QStringList{"04 1", "-", "-", "16 1", "04 0", "-", "04 1"}));
    }
};

QTEST_GUILESS_MAIN(KeyCodeMapsTest)
#include "tst_key_code_maps.moc"
