#include "device/link_state.h"

#include <cstring>

std::atomic<bool> isDeviceOk{false};
std::atomic<bool> isDemoMode{false};
std::atomic<bool> isEncode{false};
uchar secrecyCode[8] = {};

void resetLinkState() {
    isDeviceOk = false;
    isDemoMode = false;
    isEncode = false;
    std::memset(secrecyCode, 0, sizeof secrecyCode);
}
