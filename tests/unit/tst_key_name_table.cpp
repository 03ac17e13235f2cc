// The label → key code table that stored macros depend on: a label that
// drifts by one character, or a code that moves, silently breaks every macro
// file that uses it.

#include <QSet>
#include <QtTest>

#include "guarded_test_case.h"
#include "keys/key_name_table.h"

class KeyNameTableTest : public GuardedTestCase {
    Q_OBJECT

private slots:
    void lookUp_data();
    void lookUp();
    void coversExactlyTheLabelledCodes();
};

void KeyNameTableTest::lookUp_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("code");

    QTest::newRow("0 after 9") << "0" << 0x27;
    QTest::newRow("backslash is 0x31") << "\\ |" << 0x31;
    QTest::newRow("up arrow") << QString(QChar(0x25B2)) << 0x52;
    QTest::newRow("KP 7 with its blank") << "KP 7 " << 0x5F;
    QTest::newRow("KP 7 without") << "KP 7" << 0;
    QTest::newRow("Intl'2") << "Intl'2" << 0x88;
    QTest::newRow("Int'l 2") << "Int'l 2" << 0x89;
    QTest::newRow("R Win") << "R Win" << 0xE7;
    QTest::newRow("MS-B5") << "MS-B5" << 0xF4;
    QTest::newRow("lower case") << "a" << 0;
    QTest::newRow("empty") << "" << 0;
}

void KeyNameTableTest::lookUp() {
    QFETCH(QString, label);
    QFETCH(int, code);
    QCOMPARE(int(keyNameTable().keyCode(label)), code);
}

// Every code except the unlabelled ones has exactly one label.
void KeyNameTableTest::coversExactlyTheLabelledCodes() {
    const QList<QPair<int, int>> unlabelled = {{0x00, 0x03}, {0x32, 0x32}, {0x74, 0x84},
                                               {0x86, 0x86}, {0x8C, 0x8F}, {0x92, 0xDF},
                                               {0xE8, 0xEF}, {0xF5, 0xFF}};
    QSet<int> expected;
    for (int code = 0; code < 256; ++code) expected.insert(code);
    for (const auto& [first, last] : unlabelled)
        for (int code = first; code <= last; ++code) expected.remove(code);

    const QMap<QString, uchar> table = buildKeyNameTable();
    QSet<int> codes;
    for (const uchar code : table) codes.insert(code);
    QCOMPARE(table.size(), 132);
    QCOMPARE(codes, expected);  // 132 codes too: none twice
}

QTEST_GUILESS_MAIN(KeyNameTableTest)
#include "tst_key_name_table.moc"
