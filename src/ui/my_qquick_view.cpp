// The view itself: its construction, the calls from the back end into the
// scene, and the host's start of the scene. The pages' slots are in the
// view_*.cpp files, one per page.

#include "ui/my_qquick_view.h"

#include <QQuickItem>

#include "settings/macro_library.h"
#include "settings/profile_store.h"
#include "ui/keyboard_wrappers.h"

myQQuickView::myQQuickView(QWidget* parent, ViewServices viewServices)
    : QQuickWidget(parent),
      services(viewServices),
      hid(viewServices.link),
      rootScene([this] { return rootObject(); }) {
    // The scene is translucent over the frameless window.
    setAttribute(Qt::WA_AlwaysStackOnTop);
    setClearColor(Qt::transparent);
    services.macros.setDialogParent(this);
}

myQQuickView::~myQQuickView() {
    services.macros.setDialogParent(nullptr);
}

SettingsFile* myQQuickView::currentProfileSettings() const {
    return services.profiles.current();
}

void myQQuickView::detectKeyboard(bool isDown, int usbCode) {
    rootScene.detectKeyboard(isDown, usbCode);
}

void myQQuickView::detectMouse(bool isDown, uint buttonCode, uint x, uint y) {
    rootScene.detectMouse(isDown, buttonCode, x, y);
}

// The keyboard keeps five user pictures; a keyboard that was just found
// hands them to the current profile. The mouse has none.
void myQQuickView::syncFW() {
    services.keyboard.syncFW();
}

void myQQuickView::initUI() {
    rootScene.initUI();
}

void myQQuickView::runUI() {
    rootScene.run();
}
