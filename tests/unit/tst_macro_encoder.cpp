// Macro lines → device bytes, for the mouse's and the keyboard's byte forms:
// the pause thresholds and roundings, which pause merges into which record,
// and the lines that are left out. Failures print both sides in hex.

#include <QtTest>

#include "guarded_test_case.h"
#include "keys/macro_encoder.h"
#include "test_doubles.h"

namespace {

QString D(const QString& label) {
    return label + macro_text::kDownCommand;
}
QString U(const QString& label) {
    return label + macro_text::kUpCommand;
}
QString P(const QString& milliseconds) {
    return milliseconds + macro_text::kDelayCommand;
}
QString P(int milliseconds) {
    return P(QString::number(milliseconds));
}

void row(const char* tag, int deviceType, const QStringList& lines, const char* bytes) {
    QTest::newRow(tag) << deviceType << lines << QString(bytes);
}

}  // namespace

class MacroEncoderTest : public GuardedTestCase {
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
};

void MacroEncoderTest::encode_data() {
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("bytes");
    const int M = kMouseMacro;
    const int K = kKeyboardMacro;

    // Mouse: key records, merged pauses and the three pause thresholds.
    row("mouse empty", M, {}, "00 01 00 00");
    row("mouse press, release", M, {D("A"), U("A")}, "00 01 01 04 81 04 00 00");
    row("mouse 100 ms merged", M, {D("A"), P(100), U("A")}, "00 01 0A 04 81 04 00 00");
    row("mouse merge keeps bit 7", M, {U("MS-L"), P(300)}, "00 01 9E F0 00 00");
    row("mouse 5 ms merges as 1", M, {U("A"), P(5)}, "00 01 81 04 00 00");
    row("mouse 15 ms rounds to 2", M, {D("A"), P(15)}, "00 01 02 04 00 00");
    row("mouse 1270 ms merges as 127", M, {D("A"), P(1270)}, "00 01 7F 04 00 00");
    row("mouse 1271 ms medium", M, {D("A"), P(1271)}, "00 01 01 04 40 01 00 00");
    row("mouse 5100 ms medium", M, {D("A"), P(5100)}, "00 01 01 04 FF 01 00 00");
    row("mouse 5101 ms long", M, {D("A"), P(5101)}, "00 01 01 04 00 01 00 FF 00 00");
    row("mouse 65535 ms", M, {D("A"), P(65535)}, "00 01 01 04 00 01 0C CD 00 00");
    row("mouse beyond 16 bits is held", M, {D("A"), P(2000000000)},
        "00 01 01 04 00 01 FF FF 00 00");

    // Mouse: short pauses that cannot merge become long records.
    row("mouse 300 ms first line", M, {P(300), D("A")}, "00 01 00 01 00 0F 01 04 00 00");
    row("mouse 5 ms first line", M, {P(5)}, "00 01 00 01 00 01 00 00");
    row("mouse pause after pause", M, {D("A"), P(100), P(200)}, "00 01 0A 04 00 01 00 0A 00 00");
    row("mouse after a medium pause", M, {D("A"), P(2000), P(100)},
        "00 01 01 04 64 01 00 01 00 05 00 00");
    row("mouse a left-out pause line counts", M, {D("A"), P(0), P(100)},
        "00 01 01 04 00 01 00 05 00 00");
    row("mouse left-out key line, merges before", M, {D("A"), D("Nope"), P(100)},
        "00 01 0A 04 00 00");
    // Nothing before the pause to merge into: a record of its own, as on the
    // first line; the header stays intact.
    row("mouse only left-out lines before", M, {D("Nope"), P(100), D("A")},
        "00 01 00 01 00 05 01 04 00 00");
    // A left-out line between a pause and a short pause: no pause record, no
    // already merged timing is overwritten.
    row("mouse left-out after medium", M, {D("A"), P(2000), U("Nope"), P(100)},
        "00 01 01 04 64 01 00 01 00 05 00 00");
    row("mouse left-out after long", M, {D("A"), P(6000), U("Nope"), P(100)},
        "00 01 01 04 00 01 01 2C 00 01 00 05 00 00");
    row("mouse left-out after merged", M, {D("A"), P(100), U("Nope"), P(200)},
        "00 01 0A 04 00 01 00 0A 00 00");

    // Lines that are left out, odd labels.
    row("mouse left out", M, {D("a"), D("KP 7"), "A   [Press]", P("x"), P(-100), "", "A", "[Down]"},
        "00 01 00 00");
    row("mouse odd labels", M, {D("KP 7 "), D("\\ |"), U(", <"), D("MS-B5")},
        "00 01 01 5F 01 31 81 36 01 F4 00 00");

    // Keyboard: no merging, 10 ms units truncated, header 00 01.
    row("keyboard 250 ms", K, {P(250)}, "00 01 7F 00 00 19 00 00");
    row("keyboard 5 ms", K, {P(5)}, "00 01 7F 00 00 00 00 00");
    row("keyboard in a row", K, {D("A"), P(100), P(1999), U("A")},
        "00 01 01 04 7F 00 00 0A 7F 00 00 C7 81 04 00 00");
    row("keyboard 65535 ms", K, {P(65535)}, "00 01 7F 00 19 99 00 00");
    row("keyboard zero and text", K, {P(0), P("abc")}, "00 01 00 00");

    row("unknown device: keys only", -1, {D("A"), P(100), U("A")}, "00 01 01 04 81 04 00 00");
}

void MacroEncoderTest::encode() {
    QFETCH(int, deviceType);
    QFETCH(QStringList, lines);
    QFETCH(QString, bytes);
    const QList<uchar> encoded = macroIncode(lines, deviceType);
    QCOMPARE(hexBytes(encoded.constData(), int(encoded.size())), bytes);
}

QTEST_GUILESS_MAIN(MacroEncoderTest)
#include "tst_macro_encoder.moc"
