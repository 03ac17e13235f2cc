// The device table as loaded: report lengths the link cannot hold make the
// row unusable for data reports, whatever their size on the way in.

#include <QtTest>

#include "device/device_table.h"
#include "guarded_test_case.h"
#include "settings_folder.h"

class TestDeviceTable : public GuardedTestCase {
    Q_OBJECT

private slots:
    void reportLength_data() {
        QTest::addColumn<QByteArray>("line");  // the row's reportLength line
        QTest::addColumn<uint>("length");
        QTest::newRow("mouse") << QByteArray("reportLength=32") << 32u;
        QTest::newRow("smallest") << QByteArray("reportLength=1") << 1u;
        QTest::newRow("whole payload buffer") << QByteArray("reportLength=512") << 512u;
        QTest::newRow("zero") << QByteArray("reportLength=0") << 0u;
        QTest::newRow("one past the buffer") << QByteArray("reportLength=513") << 0u;
        QTest::newRow("2^31") << QByteArray("reportLength=2147483648") << 0u;
        QTest::newRow("2^32 - 1") << QByteArray("reportLength=4294967295") << 0u;
        QTest::newRow("2^32 + 32") << QByteArray("reportLength=4294967328") << 0u;
        QTest::newRow("negative") << QByteArray("reportLength=-32") << 0u;
        QTest::newRow("hexadecimal") << QByteArray("reportLength=0x20") << 0u;
        QTest::newRow("list") << QByteArray("reportLength=32, 64") << 0u;
        QTest::newRow("missing") << QByteArray() << 0u;
    }
    void reportLength() {
        QFETCH(QByteArray, line);
        QFETCH(uint, length);
        SettingsFolder folder;
        folder.write("DevInfo.ini",
                     "[common]\ntotal=2\n[0]\ntype=0\nreportLength=64\n"
                     "[1]\ntype=1\nvid=04d9\n" +
                         line + "\n");
        if (length == 0)
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Device table: row 1 .*"));
        const DeviceTable table =
            loadDeviceTable(folder.path("DevInfo.ini"), folder.path("apConfig.bin"));
        QCOMPARE(table.rows.size(), 2);
        QCOMPARE(table.rows.at(1).reportLength, length);
        // The rest of the row and the other rows stay as they are.
        QCOMPARE(table.rows.at(1).type, 1);
        QCOMPARE(table.rows.at(1).vid, quint16(0x04D9));
        QCOMPARE(table.rows.at(0).reportLength, 64u);
    }
};

QTEST_GUILESS_MAIN(TestDeviceTable)
#include "tst_device_table.moc"
