// The profile menu's slots: export, import, reset, the factory values of a
// page and the switch of the current profile (the keyboard is told).

#include "settings/profile_store.h"
#include "ui/keyboard_wrappers.h"
#include "ui/my_qquick_view.h"

QVariantList myQQuickView::loadDefaultProfile(uchar uiPageId) {
    return services.profiles.loadDefaultProfile(uiPageId);
}

void myQQuickView::loadProfile(int profile) {
    services.profiles.loadProfile(profile, this);
}

void myQQuickView::saveProfile(int profile) {
    services.profiles.saveProfile(profile, this);
}

void myQQuickView::resetProfile(int profile) {
    services.profiles.resetProfile(profile);
}

void myQQuickView::ui_02H_SetCurrentProfile(int profile) {
    if (services.profiles.ui_02H_SetCurrentProfile(profile))
        services.keyboard.profileSwitched(profile);
}
