#pragma once

#include <array>
#include <atomic>

using uchar = unsigned char;

// Process-wide state of the device link, written on the GUI thread (the
// device check and the handshake). A command copies isEncode and the secrecy
// code when it is issued and carries the copy to the worker that sends it, so
// a handshake never changes them under a transfer in flight.

// The handshake accepted the current device, or demo mode is on.
extern std::atomic<bool> isDeviceOk;
// The handshake failed but the configured code asked for demo mode.
extern std::atomic<bool> isDemoMode;
// Command and answer blocks are scrambled with the secrecy code.
extern std::atomic<bool> isEncode;

// The secrecy code the scrambler uses: bytes 1 to 6 hold the six characters
// of the configured code; bytes 0 and 7 stay zero and are never used. The
// handshake replaces it while commands issued on other threads may be
// copying it, so it is read and written under a lock.
using SecrecyCodeBytes = std::array<uchar, 8>;
SecrecyCodeBytes currentSecrecyCode();
// Takes the six characters as bytes 1 to 6.
void setSecrecyCode(const char (&characters)[6]);

// Back to the state at process start (for tests that run several checks).
void resetLinkState();
