#include "keys/macro_encoder.h"

#include <algorithm>

using namespace macro_text;

namespace {

// A mouse pause up to this many milliseconds fits the 7-bit timing field of
// a key record (127 units of 10 ms, after rounding).
constexpr int kLongestMergedPauseMs = 1270;
// Up to this many milliseconds the one-byte pause record (20 ms units, 64 to
// 255) holds it; above, the four-byte record.
constexpr int kLongestMediumPauseMs = 5100;

constexpr uchar kKeyDown = 0x01;
constexpr uchar kKeyUp = 0x81;
constexpr uchar kKeyboardPause = 0x7F;
// Second byte of every mouse pause record; no key has the code 0x01.
constexpr uchar kMousePauseMark = 0x01;

void appendWord(QList<uchar>& bytes, qint64 value) {
    const qint64 word = std::clamp<qint64>(value, 0, 0xFFFF);
    bytes.append(static_cast<uchar>(word >> 8));
    bytes.append(static_cast<uchar>(word & 0xFF));
}

bool isPauseLine(const QString& line) {
    return line.right(kCommandWidth) == kDelayCommand;
}

}  // namespace

QList<uchar> macroIncode(const QStringList& macros, int deviceType, const KeyNameTable& table) {
    QList<uchar> bytes{0x00, 0x01};
    // Offset of the key record whose timing byte may still take a short
    // pause; -1 when there is none (start, or the last record is a pause or
    // already carries one).
    qsizetype mergeableRecord = -1;

    for (qsizetype i = 0; i < macros.size(); ++i) {
        const QString& line = macros.at(i);
        const QString command = line.right(kCommandWidth);

        if (command == kDownCommand || command == kUpCommand) {
            const uchar code = table.keyCode(line.chopped(kCommandWidth));
            if (code == 0) continue;
            mergeableRecord = bytes.size();
            bytes.append(command == kDownCommand ? kKeyDown : kKeyUp);
            bytes.append(code);
            continue;
        }
        if (command != kDelayCommand) continue;

        bool isNumber = false;
        // 64 bits: the roundings below must not overflow near INT_MAX.
        const qint64 pauseMs = line.chopped(kCommandWidth).toInt(&isNumber, 10);
        // The pages store 10 to 65535; zero, a negative number or text is no
        // pause (a negative one would become a pause of minutes).
        if (!isNumber || pauseMs <= 0) continue;

        if (deviceType == kKeyboardMacro) {
            bytes.append(kKeyboardPause);
            bytes.append(0x00);
            appendWord(bytes, pauseMs / 10);
            continue;
        }
        if (deviceType != kMouseMacro) continue;

        const bool followsPauseLine = i > 0 && isPauseLine(macros.at(i - 1));
        if (pauseMs <= kLongestMergedPauseMs && !followsPauseLine && mergeableRecord >= 0) {
            uchar& timing = bytes[mergeableRecord];
            const qint64 units = (std::max<qint64>(pauseMs, 10) + 5) / 10;  // 1 to 127
            timing = static_cast<uchar>((timing & 0x80) | units);
            mergeableRecord = -1;
        } else if (pauseMs > kLongestMergedPauseMs && pauseMs <= kLongestMediumPauseMs) {
            bytes.append(static_cast<uchar>((pauseMs + 10) / 20));  // 64 to 255
            bytes.append(kMousePauseMark);
            mergeableRecord = -1;
        } else {
            bytes.append(0x00);
            bytes.append(kMousePauseMark);
            appendWord(bytes, (std::max<qint64>(pauseMs, 20) + 10) / 20);
            mergeableRecord = -1;
        }
    }

    bytes.append(0x00);
    bytes.append(0x00);
    return bytes;
}
