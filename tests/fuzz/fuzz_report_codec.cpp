// The command block's codec on any block and any secrecy code: unscramble
// undoes scramble (and the other way round), the link's own slots agree with
// the codec, and the checksum makes every command block sum to 0xFF.
//
// Input: 8 bytes of block, 8 of secrecy code (missing bytes are 0).

#include <cstring>

#include "device/hid_thread.h"
#include "device/report_codec.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    uint8_t block[8];
    uint8_t code[8];
    for (uint8_t& byte : block) byte = input.byte();
    for (uint8_t& byte : code) byte = input.byte();

    uint8_t copy[8];
    std::memcpy(copy, block, sizeof copy);
    report_codec::scramble(copy, code);
    uint8_t scrambled[8];
    std::memcpy(scrambled, copy, sizeof scrambled);
    report_codec::unscramble(copy, code);
    require(std::memcmp(copy, block, sizeof copy) == 0, "unscramble(scramble(b)) == b");
    report_codec::unscramble(copy, code);
    report_codec::scramble(copy, code);
    require(std::memcmp(copy, block, sizeof copy) == 0, "scramble(unscramble(b)) == b");
    // Bytes 0 and 7 of the code are never used.
    uint8_t otherCode[8];
    std::memcpy(otherCode, code, sizeof otherCode);
    otherCode[0] ^= 0xFF;
    otherCode[7] ^= 0xFF;
    std::memcpy(copy, block, sizeof copy);
    report_codec::scramble(copy, otherCode);
    require(std::memcmp(copy, scrambled, sizeof copy) == 0, "code bytes 0 and 7 unused");

    // The link's slots are the codec.
    static Hid_Thread link;
    std::memcpy(copy, block, sizeof copy);
    link.USBDataEncryption(copy, code);
    require(std::memcmp(copy, scrambled, sizeof copy) == 0, "link scrambles as the codec");
    link.USBDataDecipher(copy, code);
    require(std::memcmp(copy, block, sizeof copy) == 0, "link unscrambles as the codec");

    const uint8_t sum = report_codec::checksum(block);
    unsigned total = sum;
    for (int i = 0; i < 7; ++i) total += block[i];
    require((total & 0xFF) == 0xFF, "seven bytes and checksum sum to 0xFF");
    require(link.hidCS(block) == sum, "link checksum is the codec's");
    return 0;
}
