#pragma once

#include <QList>
#include <QString>

// One row of the compiled-in device table; the row index is the device id.
struct DevInfo {
    int type = -1;  // 0 keyboard, 1 mouse
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0;  // command interface
    quint16 usage = 0;
    quint16 usagePage2 = 0;  // event interface
    quint16 usage2 = 0;
    QString productName;    // from the application configuration, for messages
    uint reportLength = 0;  // payload bytes per data report
};

struct DeviceTable {
    QList<DevInfo> rows;
    bool isEncode = false;
};

// Reads the table (an INI file, normally the resource ":/DevInfo.ini") and
// takes the product names from "common/product_name" of the application
// configuration. Numbers in the rows are hexadecimal text; text that is not
// hexadecimal reads as 0.
DeviceTable loadDeviceTable(
    const QString& tablePath = QStringLiteral(":/DevInfo.ini"),
    const QString& applicationConfigPath = QStringLiteral("./modules/setting/apConfig.bin"));
