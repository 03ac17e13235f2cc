#pragma once

#include <QList>
#include <QString>
#include <cstddef>

// The longest data report a row may declare: the device link's payload
// buffer holds 512 bytes (Hid_Thread::kDataBufferSize).
inline constexpr size_t kMaxReportLength = 512;

// One row of the compiled-in device table; the row index is the device id.
struct DevInfo {
    int type = -1;  // 0 keyboard, 1 mouse
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0;  // command interface
    quint16 usage = 0;
    quint16 usagePage2 = 0;  // event interface
    quint16 usage2 = 0;
    QString productName;  // from the application configuration, for messages
    // Payload bytes per data report, 1 to kMaxReportLength; 0 when the row
    // declares none or one the link cannot hold, so every transfer with a
    // data phase fails on it.
    uint reportLength = 0;
};

struct DeviceTable {
    QList<DevInfo> rows;
    bool isEncode = false;
};

// Reads the table (an INI file, normally the resource ":/DevInfo.ini") and
// takes the product names from "common/product_name" of the application
// configuration. Numbers in the rows are hexadecimal text; text that is not
// hexadecimal reads as 0. A report length of 0, above kMaxReportLength or not
// a number makes the row unusable for data reports (its length is 0, and a
// debug line says so): the link never sees a length it cannot hold.
DeviceTable loadDeviceTable(
    const QString& tablePath = QStringLiteral(":/DevInfo.ini"),
    const QString& applicationConfigPath = QStringLiteral("./modules/setting/apConfig.bin"));
