// The command block's checksum and scrambler, and the device table loader.

#include <QRandomGenerator>
#include <QtTest>

#include "device/device_table.h"
#include "device/report_codec.h"
#include "guarded_test_case.h"
#include "settings_folder.h"

class ReportCodec : public GuardedTestCase {
    Q_OBJECT

private slots:
    void checksum_data() {
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("expected");
        QTest::newRow("query 81") << QByteArray::fromHex("81000000000000") << 0x7E;
        QTest::newRow("sum 0x100") << QByteArray::fromHex("FF010000000000") << 0xFF;
        QTest::newRow("all zero") << QByteArray::fromHex("00000000000000") << 0xFF;
        QTest::newRow("all FF") << QByteArray::fromHex("FFFFFFFFFFFFFF") << 0x06;
    }

    void checksum() {
        QFETCH(QByteArray, block);
        QFETCH(int, expected);
        QCOMPARE(int(report_codec::checksum(reinterpret_cast<const uint8_t*>(block.constData()))),
                 expected);
    }

    // Any block with any code comes back unchanged; the code's bytes 0 and 7
    // never influence the result.
    void scrambleRoundTrip() {
        QRandomGenerator random(1234);
        for (int round = 0; round < 2000; ++round) {
            uint8_t block[8], code[8], original[8];
            for (int i = 0; i < 8; ++i) {
                original[i] = block[i] = uint8_t(random.bounded(256));
                code[i] = uint8_t(random.bounded(256));
            }
            report_codec::scramble(block, code);
            uint8_t otherEnds[8];
            std::copy(std::begin(code), std::end(code), otherEnds);
            otherEnds[0] = uint8_t(~code[0]);
            otherEnds[7] = uint8_t(~code[7]);
            uint8_t again[8];
            std::copy(std::begin(original), std::end(original), again);
            report_codec::scramble(again, otherEnds);
            QVERIFY(std::equal(block, block + 8, again));
            report_codec::unscramble(block, code);
            QVERIFY(std::equal(block, block + 8, original));
        }
    }

    void tableRows_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("vid");
        QTest::addColumn<uint>("reportLength");
        QTest::newRow("no total") << QByteArray("[0]\ntype=1\n") << 0 << 0 << 0 << 0u;
        QTest::newRow("total 0") << QByteArray("[common]\ntotal=0\n[0]\ntype=1\n") << 0 << 0 << 0
                                 << 0u;
        QTest::newRow("row without type or length")
            << QByteArray("[common]\ntotal=1\n[0]\nvid=04d9\n") << 1 << -1 << 0x04D9 << 0u;
        QTest::newRow("type 10 is hexadecimal")
            << QByteArray("[common]\ntotal=1\n[0]\ntype=10\n") << 1 << 16 << 0 << 0u;
        QTest::newRow("not hexadecimal")
            << QByteArray("[common]\ntotal=1\n[0]\ntype=zz\nvid=xyz\nreportLength=32\n") << 1 << 0
            << 0 << 32u;
        QTest::newRow("vid truncated to 16 bits")
            << QByteArray("[common]\ntotal=1\n[0]\nvid=1ffff\n") << 1 << -1 << 0xFFFF << 0u;
        QTest::newRow("absurd total")
            << QByteArray("[common]\ntotal=2147483647\n") << 256 << -1 << 0 << 0u;
    }

    void tableRows() {
        QFETCH(QByteArray, table);
        QFETCH(int, rows);
        QFETCH(int, type);
        QFETCH(int, vid);
        QFETCH(uint, reportLength);
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("table.ini"), table));
        const DeviceTable loaded = loadDeviceTable(folder.filePath("table.ini"), "/nonexistent");
        QCOMPARE(loaded.rows.size(), rows);
        if (rows == 0) return;
        QCOMPARE(loaded.rows[0].type, type);
        QCOMPARE(int(loaded.rows[0].vid), vid);
        QCOMPARE(loaded.rows[0].reportLength, reportLength);
    }

    // Product names come from the configuration, re-read on every load;
    // rows beyond the list get an empty name.
    void productNames() {
        QTemporaryDir folder;
        const QString config = folder.filePath("apConfig.bin");
        QVERIFY(writeFile(config, "[common]\nproduct_name=Only One\n"));
        const DeviceTable table = loadDeviceTable(":/DevInfo.ini", config);
        QCOMPARE(table.rows[0].productName, QString("Only One"));
        QCOMPARE(table.rows[1].productName, QString());
    }
};

QTEST_MAIN(ReportCodec)
#include "tst_report_codec.moc"
