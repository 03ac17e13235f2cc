#include "device/link_state.h"

#include <mutex>

std::atomic<bool> isDeviceOk{false};
std::atomic<bool> isDemoMode{false};
std::atomic<bool> isEncode{false};

namespace {

std::mutex secrecyCodeMutex;
SecrecyCodeBytes secrecyCode{};

}  // namespace

SecrecyCodeBytes currentSecrecyCode() {
    std::lock_guard<std::mutex> lock(secrecyCodeMutex);
    return secrecyCode;
}

void setSecrecyCode(const char (&characters)[6]) {
    std::lock_guard<std::mutex> lock(secrecyCodeMutex);
    for (size_t i = 0; i < 6; ++i) secrecyCode[i + 1] = static_cast<uchar>(characters[i]);
}

void resetLinkState() {
    isDeviceOk = false;
    isDemoMode = false;
    isEncode = false;
    std::lock_guard<std::mutex> lock(secrecyCodeMutex);
    secrecyCode.fill(0);
}
