#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// Shared by the fuzz targets (libFuzzer, clang only).

// Stops the run with the input kept as a crash: a broken property is as much
// a finding as a crash.
void require(bool isHeld, const char* property);

// The application object some Qt classes expect, made once; Qt's messages
// are dropped from then on.
void ensureApplication();

// A folder for the files one target writes, made once per process. It lies
// under TMPDIR (tools/fuzz points it at a memory file system when there is
// one).
QString scratchFolder();

// Reads the input front to back; past its end every read is 0.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : bytes(data), remaining(size) {}
    uint8_t byte();
    bool flag() { return byte() & 1; }
    // A number from 0 to bound - 1; bound must not be 0.
    size_t below(size_t bound) { return byte() % bound; }
    // Up to count bytes, fewer at the end of the input.
    QByteArray take(size_t count);
    bool isEmpty() const { return remaining == 0; }

private:
    const uint8_t* bytes;
    size_t remaining;
};
