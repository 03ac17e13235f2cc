#include "app/device_monitor.h"

#include <libudev.h>

#include <QSocketNotifier>

DeviceMonitor::DeviceMonitor(QObject* parent) : QObject(parent) {
    context = udev_new();
    if (!context) return;
    monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor) return;
    udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr);
    udev_monitor_filter_add_match_subsystem_devtype(monitor, "usb", nullptr);
    if (udev_monitor_enable_receiving(monitor) < 0) {
        udev_monitor_unref(monitor);
        monitor = nullptr;
        return;
    }
    notifier = new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &DeviceMonitor::readEvents);
}

DeviceMonitor::~DeviceMonitor() {
    delete notifier;
    if (monitor) udev_monitor_unref(monitor);
    if (context) udev_unref(context);
}

// Every event counts, whichever device it names: the device check decides
// what it means.
void DeviceMonitor::readEvents() {
    while (udev_device* device = udev_monitor_receive_device(monitor)) {
        udev_device_unref(device);
        emit deviceChanged();
    }
}
