#include "keys/key_name_table.h"

#include <QList>

namespace {

// A run of labels whose codes follow one another, from firstCode upwards.
struct LabelRun {
    uchar firstCode;
    QStringList labels;
};

QList<LabelRun> labelRuns() {
    // The arrow labels are single characters: ► right, ◄ left, ▼ down, ▲ up.
    const QString right(QChar(0x25BA));
    const QString left(QChar(0x25C4));
    const QString down(QChar(0x25BC));
    const QString up(QChar(0x25B2));
    return {
        {0x04, {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"}},
        {0x1E, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"}},
        {0x28, {"Enter", "Esc", "Back", "Tab", "Space"}},
        {0x2D, {"- _", "= +", "[ {", "] }"}},
        // 0x32 (the non-US hash key) has no label; "\ |" is 0x31 even where
        // the pages pair it with 0x32.
        {0x31, {"\\ |"}},
        {0x33, {"; :", "' \""}},
        {0x35, {"` ~", ", <", ". >", "/ ?", "Caps"}},
        {0x3A, {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"}},
        {0x46, {"Prt", "Scr", "Pau", "Ins", "Hom", "PgU", "Del", "End", "PgD"}},
        {0x4F, {right, left, down, up}},
        {0x53, {"Num", "KP /", "KP *", "KP -", "KP +", "KP Enter"}},
        // "KP 7 " carries a trailing blank in every stored macro.
        {0x59,
         {"KP 1", "KP 2", "KP 3", "KP 4", "KP 5", "KP 6", "KP 7 ", "KP 8", "KP 9", "KP 0", "KP ."}},
        {0x64, {"Eur 2", "App", "Power", "KP ="}},
        {0x68,
         {"F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"}},
        {0x85, {"Keypad"}},
        // 0x88 and 0x89 are spelled as stored macros have always spelled them.
        {0x87, {"Int'l 1", "Intl'2", "Int'l 2", "Int'l 4", "Int'l 5"}},
        {0x90, {"Lang 1", "Lang 2"}},
        {0xE0, {"L Ctrl", "L Shift", "L Alt", "L Win", "R Ctrl", "R Shift", "R Alt", "R Win"}},
        // Mouse buttons: left, right, middle, fourth, fifth.
        {0xF0, {"MS-L", "MS-R", "MS-M", "MS-B4", "MS-B5"}},
    };
}

}  // namespace

QMap<QString, uchar> buildKeyNameTable() {
    QMap<QString, uchar> table;
    for (const LabelRun& run : labelRuns()) {
        int code = run.firstCode;
        for (const QString& label : run.labels) table.insert(label, static_cast<uchar>(code++));
    }
    return table;
}

KeyNameTable::KeyNameTable() : table(buildKeyNameTable()) {}

const KeyNameTable& keyNameTable() {
    static const KeyNameTable table;
    return table;
}
