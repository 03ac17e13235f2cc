#include "app/device_check.h"

#include "device/device_table.h"
#include "device/hid_thread.h"

void runDeviceCheck(Hid_Thread& link) {
    const DeviceTable table = loadDeviceTable();
    link.updateDeviceList(table.rows);
    isEncode = table.isEncode;
    // The id is unchanged, so only the handshake runs.
    link.swichCurDevice(link.currentDevice());
}
