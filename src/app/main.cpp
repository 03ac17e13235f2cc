#include <QApplication>
#include <QDir>
#include <cstdio>

#include "app/backend_choice.h"
#include "app/device_check.h"
#include "device/hid_thread.h"

namespace {

// Until the window exists the owner only reports what the link asks of it.
class ConsoleOwner final : public DeviceLinkOwner {
public:
    QString ownerTitle() const override { return QStringLiteral("Q4"); }
    void requestClose() override { std::puts("close requested"); }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Everything the program reads lies under ./modules beside the executable.
    const QString programPath = QCoreApplication::applicationFilePath();
    QDir::setCurrent(programPath.left(programPath.lastIndexOf('/')));

    const std::unique_ptr<HidBackend> backend = createBackendFromEnvironment();
    ConsoleOwner owner;
    Hid_Thread link;
    link.setBackend(backend.get());
    link.setOwner(&owner);
    runDeviceCheck(link);

    std::printf("device %s%s\n", isDeviceOk ? "accepted" : "not accepted",
                isDemoMode ? " (demo mode)" : "");
    return isDeviceOk ? 0 : 1;
}
