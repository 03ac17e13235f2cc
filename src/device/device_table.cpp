#include "device/device_table.h"

#include <QSettings>
#include <QStringList>

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
        info.reportLength = table.value(prefix + "reportLength", 0).toUInt();
        result.rows.append(info);
    }
    result.isEncode = table.value("common/isEncode", false).toBool();
    return result;
}
