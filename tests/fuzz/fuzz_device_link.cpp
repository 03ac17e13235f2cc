// The device link against a back end that answers with garbage: whatever it
// enumerates, however its calls fail, whatever bytes and counts it hands
// back, the handshake and the queries end, touch only their buffers and
// leave the transport free. Only queries run: they finish on the calling
// thread, so every input runs alone and fast.
//
// Input: the back end's answers, read front to back as the link calls it.

#include <QList>
#include <QMutex>
#include <cstring>

#include "common/prompt.h"
#include "device/hid_thread.h"
#include "fuzz_support.h"

namespace {

// Every answer comes from the input. Counts stay within what was asked for,
// as hidapi's do; the bytes and the failures are anything.
class GarbageBackend final : public HidBackend {
public:
    explicit GarbageBackend(FuzzInput& source) : input(source) {}

    std::vector<HidDeviceInfo> enumerate(uint16_t vendorId, uint16_t productId) override {
        QMutexLocker lock(&mutex);
        std::vector<HidDeviceInfo> found(input.below(4));
        for (size_t i = 0; i < found.size(); ++i) {
            found[i].path = "garbage/" + std::to_string(i);
            found[i].vendorId = input.flag() ? vendorId : input.byte();
            found[i].productId = input.flag() ? productId : input.byte();
            // Mostly the mouse's usage pages, so that the link connects.
            found[i].usagePage = input.flag() ? (input.flag() ? 0xFF00 : 0xFF01) : input.byte();
            found[i].usage = input.flag() ? (input.flag() ? 0xFF00 : 0xFF01) : input.byte();
        }
        return found;
    }
    HidHandle* openPath(const std::string&) override {
        QMutexLocker lock(&mutex);
        return input.below(8) == 0 ? nullptr : reinterpret_cast<HidHandle*>(&handle);
    }
    void close(HidHandle*) override {}
    int setNonblocking(HidHandle*, int) override { return 0; }
    int sendFeatureReport(HidHandle*, const uint8_t*, size_t length) override {
        return count(length);
    }
    int getFeatureReport(HidHandle*, uint8_t* data, size_t length) override {
        return answer(data, length);
    }
    int write(HidHandle*, const uint8_t*, size_t length) override { return count(length); }
    int read(HidHandle*, uint8_t* data, size_t length) override { return answer(data, length); }
    int readTimeout(HidHandle*, uint8_t* data, size_t length, int) override {
        return answer(data, length);
    }

private:
    // -1, 0 or a count up to length.
    int count(size_t length) {
        QMutexLocker lock(&mutex);
        const uint8_t kind = input.byte();
        if (kind < 16) return -1;
        if (kind < 24) return 0;
        return int(kind % 2 ? length : input.below(length + 1));
    }
    int answer(uint8_t* data, size_t length) {
        const int result = count(length);
        QMutexLocker lock(&mutex);
        for (int i = 0; i < result; ++i) data[i] = input.byte();
        return result;
    }

    QMutex mutex;
    FuzzInput& input;
    int handle = 0;
};

class SilentPrompt final : public Prompt {
public:
    void warning(const QString&, const QString&) override {}
    Answer confirm(const QString&, const QString&) override { return Answer::Cancel; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
};

// Lengths a loaded device table can hold: 0 (unusable) to the whole buffer.
constexpr uint kReportLengths[] = {0, 1, 7, 8, 32, 64, 100, 512};

DevInfo row(int type, uint reportLength) {
    DevInfo info;
    info.type = type;
    info.vid = 0x04D9;
    info.pid = type == 0 ? 0x5A17 : 0x6C2E;
    info.usagePage = 0xFF00;
    info.usage = 0xFF00;
    info.usagePage2 = 0xFF01;
    info.usage2 = 0xFF01;
    info.reportLength = reportLength;
    return info;
}

// Guards around every buffer the link writes into: a byte beyond it changed
// is a write past the caller's buffer.
template <size_t kSize>
struct Guarded {
    uint8_t before[16];
    uint8_t bytes[kSize];
    uint8_t after[16];
    Guarded() {
        std::memset(before, 0xA5, sizeof before);
        std::memset(bytes, 0, sizeof bytes);
        std::memset(after, 0xA5, sizeof after);
    }
    ~Guarded() {
        for (uint8_t guard : before) require(guard == 0xA5, "nothing written before a buffer");
        for (uint8_t guard : after) require(guard == 0xA5, "nothing written after a buffer");
    }
};

void runQuery(Hid_Thread& link, uint8_t which, uint8_t argument) {
    uchar a = 0, b = 0, c = 0, d = 0, e = 0;
    switch (which % 10) {
        case 0: {
            QString version;
            link.hid_80H_GetFWVersion(version);
            break;
        }
        case 1:  // the queries of a few single bytes
            link.hid_81H_GetReportRate(a);
            link.hid_83H_GetFunctionOption(a, b, c);
            link.hid_87H_GetLEDInstructFunction(argument, a, b, c);
            link.hid_88H_GetLEDType(a, b, c, d, e);
            break;
        case 2: {
            Guarded<24> colours;
            link.hid_90H_GetLED8StageColor(argument, colours.bytes);
            break;
        }
        case 3: {
            Guarded<8> dpi;
            link.hid_91H_GetDPISet(a, dpi.bytes);
            break;
        }
        case 4: {
            Guarded<64> matrix;
            link.hid_92H_GetKeyMatrix(matrix.bytes);
            break;
        }
        case 5: {
            Guarded<128> macro;
            link.hid_93H_GetMacroKey(argument, macro.bytes);
            break;
        }
        case 6: {
            Guarded<512> keys;
            link.hid_8DH_GetKeyMatrix(keys.bytes);
            break;
        }
        case 7: {
            Guarded<21> onOff;
            link.hid_8EH_GetKeyOnOff(onOff.bytes);
            break;
        }
        case 8: {
            Guarded<192> macro;
            link.hid_91H_GetMacroKey(argument, macro.bytes);
            break;
        }
        default: {
            Guarded<512> picture;
            link.hid_92H_GetUserPicture(argument, picture.bytes);
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ensureApplication();
    static SilentPrompt prompt;
    setPrompt(&prompt);
    FuzzInput input(data, size);
    GarbageBackend backend(input);
    const uint keyboardLength = kReportLengths[input.below(8)];
    const uint mouseLength = kReportLengths[input.below(8)];
    isEncode = input.flag();
    char code[6];
    for (char& character : code) character = char(input.byte());
    setSecrecyCode(code);
    {
        Hid_Thread link;
        link.setBackend(&backend);
        link.setApplicationConfigPath(scratchFolder() + "/none.bin");
        link.updateDeviceList({row(0, keyboardLength), row(1, mouseLength)});
        link.setDevicePaths(0, "garbage/keyboard", input.flag() ? "" : "garbage/events");
        link.chkDeviceIsEnCode();
        for (size_t query = input.below(8) + 1; query > 0 && !input.isEmpty(); --query)
            runQuery(link, input.byte(), input.byte());
    }
    resetLinkState();
    return 0;
}
