#include "ui/my_qquick_view.h"

#include <QQuickItem>

#include "device/hid_thread.h"
#include "ui/sound_board.h"

myQQuickView::myQQuickView(QWidget* parent) : QQuickWidget(parent) {
    // The scene is translucent over the frameless window.
    setAttribute(Qt::WA_AlwaysStackOnTop);
    setClearColor(Qt::transparent);
    soundBoard = std::make_unique<SoundBoard>();
    apConfig = new QSettings("./modules/setting/apConfig.bin", QSettings::IniFormat);
    for (int profile = 1; profile <= 10; ++profile)
        profileSettings.append(new QSettings(
            QString("./modules/setting/p%1.bin").arg(profile), QSettings::IniFormat));
}

myQQuickView::~myQQuickView() {
    delete apConfig;
    qDeleteAll(profileSettings);
}

void myQQuickView::callRoot(const char* function, Qt::ConnectionType type,
                            QList<QVariant> arguments) {
    QObject* root = rootObject();
    if (!root) return;
    switch (arguments.size()) {
        case 0: QMetaObject::invokeMethod(root, function, type); break;
        case 2:
            QMetaObject::invokeMethod(root, function, type, Q_ARG(QVariant, arguments[0]),
                                      Q_ARG(QVariant, arguments[1]));
            break;
        case 4:
            QMetaObject::invokeMethod(root, function, type, Q_ARG(QVariant, arguments[0]),
                                      Q_ARG(QVariant, arguments[1]), Q_ARG(QVariant, arguments[2]),
                                      Q_ARG(QVariant, arguments[3]));
            break;
        default: break;
    }
}

void myQQuickView::detectKeyboard(bool isDown, int usbCode) {
    callRoot("detectKeyboard", Qt::QueuedConnection, {isDown, usbCode});
}

void myQQuickView::detectMouse(bool isDown, uint buttonCode, uint x, uint y) {
    callRoot("detectMouse", Qt::QueuedConnection, {isDown, buttonCode, x, y});
}

// The keyboard keeps five user pictures; a keyboard that was just found
// hands them to the current profile. The mouse has none.
void myQQuickView::syncFW() {
    if (!hid || hid->currentDeviceType() != 0) return;
    uchar buffer[512] = {};
    QSettings* profile = profileSettings.value(currentProfile);
    for (uchar index = 0; index < 5; ++index) {
        hid->hid_92H_GetUserPicture(index, buffer);
        QVariantList picture;
        for (uchar byte : buffer) picture.append(int(byte));
        if (profile) profile->setValue("userPicture/" + QString::number(index), picture);
    }
}

void myQQuickView::initUI() { callRoot("initUI", Qt::QueuedConnection); }

void myQQuickView::runUI() { callRoot("run", Qt::QueuedConnection); }

void myQQuickView::setEnableAudio(bool isEnable) { soundBoard->setEnableAudio(isEnable); }

void myQQuickView::playMedia_Index(uchar index) { soundBoard->playMedia_Index(index); }

void myQQuickView::playMedia_Background() { soundBoard->playMedia_Background(); }

void myQQuickView::clearAllMedia() { soundBoard->clearAllMedia(); }
