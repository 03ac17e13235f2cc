#pragma once

class Hid_Thread;

// One device check: reload the device table, rebuild the device list,
// set the scrambling switch, and run the handshake with the current device.
// Sets isDeviceOk / isDemoMode, or warns and asks the owner to close.
void runDeviceCheck(Hid_Thread& link);
