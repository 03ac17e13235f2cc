// The macro encoder on any text: whatever the lines, the block it makes has
// the header, records of the device's layout only, and the terminator, and
// holds exactly one key record per line that names a known key.
//
// Input: macro lines, one per line of text. A line "<number>=<text>" counts
// as <text>, so the shipped macro files are seeds as they are.

#include <QRegularExpression>
#include <QSet>

#include "fuzz_support.h"
#include "keys/macro_encoder.h"

namespace {

QStringList macroLines(const uint8_t* data, size_t size) {
    static const QRegularExpression kStoredLine(QStringLiteral("^[0-9]+="));
    QStringList lines;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (QString line : text.split(u'\n')) {
        line.remove(kStoredLine);
        lines.append(line);
    }
    return lines;
}

int knownKeyLines(const QStringList& lines) {
    int count = 0;
    for (const QString& line : lines) {
        const QString command = line.right(macro_text::kCommandWidth);
        if ((command == macro_text::kDownCommand || command == macro_text::kUpCommand) &&
            keyNameTable().keyCode(line.chopped(macro_text::kCommandWidth)) != 0)
            ++count;
    }
    return count;
}

bool isKeyCode(uchar code) {
    static const QSet<uchar> codes = [] {
        QSet<uchar> all;
        for (const QString& label : keyNameTable().labels())
            all.insert(keyNameTable().keyCode(label));
        return all;
    }();
    return codes.contains(code);
}

// Walks the records between header and terminator; returns the number of
// key records, or -1 when a record does not fit the layout.
int keyRecords(const QList<uchar>& block, int deviceType) {
    qsizetype at = 2;
    const qsizetype end = block.size() - 2;
    int keys = 0;
    while (at < end) {
        if (end - at < 2) return -1;
        const uchar first = block[at];
        const uchar second = block[at + 1];
        if (deviceType == kKeyboardMacro) {
            if (first == 0x7F && second == 0x00) {  // pause: 7F 00 and 16 bits
                if (end - at < 4) return -1;
                at += 4;
                continue;
            }
            if ((first != 0x01 && first != 0x81) || !isKeyCode(second)) return -1;
        } else if (deviceType == kMouseMacro) {
            if (second == 0x01) {  // pause mark: no key has the code 1
                if (first == 0x00) {
                    if (end - at < 4 || (block[at + 2] == 0 && block[at + 3] == 0)) return -1;
                    at += 4;
                } else {
                    if (first < 64) return -1;  // a shorter pause is merged instead
                    at += 2;
                }
                continue;
            }
            // Press or release, bits 0 to 6: 1 to 127 units of 10 ms.
            if ((first & 0x7F) == 0 || !isKeyCode(second)) return -1;
        } else if ((first != 0x01 && first != 0x81) || !isKeyCode(second)) {
            return -1;  // other device types: key records only
        }
        ++keys;
        at += 2;
    }
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = macroLines(data, size);
    const int expectedKeys = knownKeyLines(lines);
    for (int deviceType : {int(kKeyboardMacro), int(kMouseMacro), 7}) {
        const QList<uchar> block = macroIncode(lines, deviceType);
        require(block.size() >= 4, "header and terminator present");
        require(block[0] == 0x00 && block[1] == 0x01, "header 00 01");
        require(block[block.size() - 2] == 0x00 && block[block.size() - 1] == 0x00,
                "terminator 00 00");
        require(keyRecords(block, deviceType) == expectedKeys,
                "records in the device's layout, one per known key line");
    }
    return 0;
}
