#pragma once

#include <cstdint>

// The command block's checksum and scrambling, shared by the device link and
// the emulated mouse's firmware.
namespace report_codec {

// Bitwise NOT of the 8-bit sum of seven bytes (command code and parameters).
uint8_t checksum(const uint8_t* sevenBytes);
// Scrambles an 8-byte block in place with a secrecy code whose bytes 1 to 6
// are used (bytes 0 and 7 never are).
void scramble(uint8_t* block, const uint8_t* secrecyCode);
// The exact inverse of scramble.
void unscramble(uint8_t* block, const uint8_t* secrecyCode);

}  // namespace report_codec
