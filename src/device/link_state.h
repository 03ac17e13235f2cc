#pragma once

#include <atomic>

using uchar = unsigned char;

// Process-wide state of the device link, written and read on the GUI thread
// (the device check and the handshake). A command copies isEncode and
// secrecyCode when it is issued and carries the copy to the worker that sends
// it, so no other thread ever reads them here.

// The handshake accepted the current device, or demo mode is on.
extern std::atomic<bool> isDeviceOk;
// The handshake failed but the configured code asked for demo mode.
extern std::atomic<bool> isDemoMode;
// Command and answer blocks are scrambled with the secrecy code.
extern std::atomic<bool> isEncode;
// Bytes 1 to 6 hold the six characters of the configured code; bytes 0 and
// 7 stay zero and are never used by the scrambler.
extern uchar secrecyCode[8];

// Back to the state at process start (for tests that run several checks).
void resetLinkState();
