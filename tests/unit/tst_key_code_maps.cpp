// The scan code → virtual key → usage translation the key-assignment pages
// rely on: keys that share a scan code and differ only by the extended flag or
// a modifier must report different usages, and a held key must be reported
// once.

#include <QtTest>

#include "input/key_code_maps.h"

class KeyCodeMapsTest : public QObject {
    Q_OBJECT

private slots:
    void mapSizes();
    void everyScannedKeyHasAUsage();
    void translate_data();
    void translate();
    void heldKeyIsReportedOncePerChange();
};

void KeyCodeMapsTest::mapSizes() {
    for (const bool isNonUsLayout : {false, true}) {
        const KeyCodeMaps maps(isNonUsLayout);
        QCOMPARE(maps.scanToVk.size(), 105);
        QCOMPARE(maps.vkToUsage.size(), 121);
        QCOMPARE(maps.isNonUsLayout, isNonUsLayout);
    }
}

// A typo in either table shows up as a key whose virtual key leads nowhere.
void KeyCodeMapsTest::everyScannedKeyHasAUsage() {
    const KeyCodeMaps maps(false);
    for (auto it = maps.scanToVk.cbegin(); it != maps.scanToVk.cend(); ++it)
        QVERIFY2(maps.usage(it.value()) != 0,
                 qPrintable(QStringLiteral("scan key %1 → vk %2")
                                .arg(it.key(), 4, 16, QLatin1Char('0'))
                                .arg(it.value(), 2, 16, QLatin1Char('0'))));
}

void KeyCodeMapsTest::translate_data() {
    QTest::addColumn<uint>("scan");
    QTest::addColumn<bool>("isExtended");
    QTest::addColumn<bool>("isAltDown");
    QTest::addColumn<bool>("isNonUsLayout");
    QTest::addColumn<int>("usage");  // -1: not reported

    QTest::newRow("A") << 0x1Eu << false << false << false << 0x04;
    QTest::newRow("main Enter") << 0x1Cu << false << false << false << 0x28;
    QTest::newRow("keypad Enter") << 0x1Cu << true << false << false << 0x58;
    QTest::newRow("left Ctrl") << 0x1Du << false << false << false << 0xE0;
    QTest::newRow("right Ctrl") << 0x1Du << true << false << false << 0xE4;
    QTest::newRow("right Alt") << 0x38u << true << true << false << 0xE6;
    QTest::newRow("backslash, US") << 0x2Bu << false << false << false << 0x31;
    QTest::newRow("backslash, non-US") << 0x2Bu << false << false << true << 0x32;
    QTest::newRow("Pause") << 0x45u << false << false << false << 0x48;
    QTest::newRow("Num Lock") << 0x45u << true << false << false << 0x53;
    QTest::newRow("Scroll Lock") << 0x46u << false << false << false << 0x47;
    QTest::newRow("Ctrl+Break") << 0x46u << true << false << false << 0x48;
    QTest::newRow("keypad *") << 0x37u << false << false << false << 0x55;
    QTest::newRow("Alt+Print Screen") << 0x54u << false << true << false << 0x46;
    QTest::newRow("54 without Alt") << 0x54u << false << false << false << -1;
    QTest::newRow("keypad 7") << 0x47u << false << false << false << 0x5F;
    QTest::newRow("Home") << 0x47u << true << false << false << 0x4A;
    QTest::newRow("right Windows, unmapped") << 0x5Cu << true << false << false << -1;
    QTest::newRow("F23") << 0x6Eu << false << false << false << 0x72;
    QTest::newRow("scan above 255 reads as 0") << 0x11Eu << false << false << false << -1;
}

void KeyCodeMapsTest::translate() {
    QFETCH(uint, scan);
    QFETCH(bool, isExtended);
    QFETCH(bool, isAltDown);
    QFETCH(bool, isNonUsLayout);
    QFETCH(int, usage);

    KeyTranslator translator(isNonUsLayout);
    const std::optional<uchar> down = translator.translate(scan, isExtended, isAltDown, true);
    const std::optional<uchar> up = translator.translate(scan, isExtended, isAltDown, false);
    if (usage < 0) {
        QVERIFY(!down);
        QVERIFY(!up);
        return;
    }
    QVERIFY(down && up);
    QCOMPARE(int(*down), usage);
    QCOMPARE(int(*up), usage);
}

void KeyCodeMapsTest::heldKeyIsReportedOncePerChange() {
    KeyTranslator translator;
    QCOMPARE(translator.translate(0x1E, false, false, true), std::optional<uchar>(0x04));
    for (int repeat = 0; repeat < 5; ++repeat)
        QCOMPARE(translator.translate(0x1E, false, false, true), std::nullopt);
    QVERIFY(translator.isKeyDown(0x04));

    // Another key in between does not disturb the held one.
    QCOMPARE(translator.translate(0x1F, false, false, true), std::optional<uchar>(0x16));
    QCOMPARE(translator.translate(0x1E, false, false, false), std::optional<uchar>(0x04));
    QCOMPARE(translator.translate(0x1E, false, false, false), std::nullopt);
    QVERIFY(translator.isKeyDown(0x16));

    // Pressed again after the release: reported again.
    QCOMPARE(translator.translate(0x1E, false, false, true), std::optional<uchar>(0x04));
}

QTEST_GUILESS_MAIN(KeyCodeMapsTest)
#include "tst_key_code_maps.moc"
