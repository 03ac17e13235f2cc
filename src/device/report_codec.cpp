#include "device/report_codec.h"

#include <utility>

namespace report_codec {
namespace {

// The scrambler's constant table, eight ASCII characters used with their
// nibbles swapped.
constexpr uint8_t kKey[8] = {'T', 'a', 'V', 'm', 'k', 'Q', 'u', 's'};

constexpr uint8_t swapNibbles(uint8_t value) {
    return static_cast<uint8_t>((value << 4) | (value >> 4));
}

uint64_t toWord(const uint8_t* bytes) {
    uint64_t word = 0;
    for (int i = 0; i < 8; ++i) word = (word << 8) | bytes[i];
    return word;
}

void fromWord(uint64_t word, uint8_t* bytes) {
    for (int i = 7; i >= 0; --i) {
        bytes[i] = static_cast<uint8_t>(word & 0xFF);
        word >>= 8;
    }
}

void exchangePairs(uint8_t* block) {
    std::swap(block[0], block[5]);
    std::swap(block[1], block[4]);
    std::swap(block[2], block[7]);
    std::swap(block[3], block[6]);
}

}  // namespace

uint8_t checksum(const uint8_t* sevenBytes) {
    unsigned sum = 0;
    for (int i = 0; i < 7; ++i) sum += sevenBytes[i];
    return static_cast<uint8_t>(~sum & 0xFF);
}

void scramble(uint8_t* block, const uint8_t* secrecyCode) {
    exchangePairs(block);
    for (int i = 1; i <= 6; ++i) block[i] ^= secrecyCode[i];
    // The block as one 64-bit number, byte 0 most significant, rotated left 3.
    const uint64_t word = toWord(block);
    fromWord((word << 3) | (word >> 61), block);
    for (int i = 0; i < 8; ++i) block[i] = static_cast<uint8_t>(block[i] + swapNibbles(kKey[i]));
}

void unscramble(uint8_t* block, const uint8_t* secrecyCode) {
    for (int i = 0; i < 8; ++i) block[i] = static_cast<uint8_t>(block[i] - swapNibbles(kKey[i]));
    const uint64_t word = toWord(block);
    fromWord((word >> 3) | (word << 61), block);
    for (int i = 1; i <= 6; ++i) block[i] ^= secrecyCode[i];
    exchangePairs(block);
}

}  // namespace report_codec
