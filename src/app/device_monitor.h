#pragma once

#include <QObject>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Tells when any USB or hidraw device is attached or removed, from the
// kernel's device events through libudev. Without access to those events
// (some containers) it stays silent; the program then notices a removed
// mouse only through the device link's own listener.
//
// Owned by the GUI thread; the socket is read there.
class DeviceMonitor : public QObject {
    Q_OBJECT

public:
    explicit DeviceMonitor(QObject* parent = nullptr);
    ~DeviceMonitor() override;

    bool isWatching() const { return monitor != nullptr; }

signals:
    void deviceChanged();

private:
    void readEvents();

    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    QSocketNotifier* notifier = nullptr;
};
