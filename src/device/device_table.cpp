#include "device/device_table.h"

#include <QDebug>
#include <QSettings>
#include <QStringList>

#include "device/hid_thread.h"

static_assert(kMaxReportLength <= size_t(Hid_Thread::kDataBufferSize),
              "a data report must fit the link's payload buffer");

namespace {

int hexValue(const QSettings& table, const QString& key, int fallback) {
    const QVariant value = table.value(key);
    if (!value.isValid()) return fallback;
    bool isNumber = false;
    const int number = value.toString().toInt(&isNumber, 16);
    return isNumber ? number : 0;
}

quint16 hexWord(const QSettings& table, const QString& key) {
    return static_cast<quint16>(hexValue(table, key, 0) & 0xFFFF);
}

// The row's report length when the link can use it, else 0. Read in 64
// bits: a length of 2^31 or more must not turn negative on the way.
uint usableReportLength(const QSettings& table, int row, const QString& key) {
    const QVariant value = table.value(key);
    if (!value.isValid()) {
        qDebug("Device table: row %d has no report length; no data reports", row);
        return 0;
    }
    bool isNumber = false;
    const qulonglong length = value.toString().trimmed().toULongLong(&isNumber, 10);
    if (isNumber && length >= 1 && length <= kMaxReportLength) return uint(length);
    qDebug("Device table: row %d report length \"%s\" unusable (1 to %zu); no data reports", row,
           qPrintable(value.toString()), kMaxReportLength);
    return 0;
}

}  // namespace

DeviceTable loadDeviceTable(const QString& tablePath, const QString& applicationConfigPath) {
    const QSettings table(tablePath, QSettings::IniFormat);
    const QSettings applicationConfig(applicationConfigPath, QSettings::IniFormat);
    const QStringList productNames = applicationConfig.value("common/product_name").toStringList();

    DeviceTable result;
    // The bound is capped: a corrupt table must not make the check spin.
    constexpr int kMaximumRows = 256;
    for (int row = 0; row < table.value("common/total", 0).toInt() && row < kMaximumRows; ++row) {
        const QString prefix = QString::number(row) + "/";
        DevInfo info;
        info.type = hexValue(table, prefix + "type", -1);
        info.vid = hexWord(table, prefix + "vid");
        info.pid = hexWord(table, prefix + "pid");
        info.usagePage = hexWord(table, prefix + "usagePage");
        info.usage = hexWord(table, prefix + "usage");
        info.usagePage2 = hexWord(table, prefix + "usagePage2");
        info.usage2 = hexWord(table, prefix + "usage2");
        info.productName = row < productNames.size() ? productNames.at(row).trimmed() : QString();
        info.reportLength = usableReportLength(table, row, prefix + "reportLength");
        result.rows.append(info);
    }
    result.isEncode = table.value("common/isEncode", false).toBool();
    return result;
}
