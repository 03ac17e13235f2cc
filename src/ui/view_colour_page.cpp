// The colour page's slots: the lighting effect and the colour tables.

#include "mouse/mouse_settings.h"
#include "ui/my_qquick_view.h"

void myQQuickView::ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2,
                                          QVariantList configs) {
    services.mouse.ui_0DH_SetRGBLedEffect(effect, option1, option2, configs);
}

void myQQuickView::ui_10H_SetLED8StageColor(uchar type, QVariantList src24) {
    services.mouse.ui_10H_SetLED8StageColor(type, src24);
}

QVariantList myQQuickView::ui_8DH_GetRGBLedEffect() {
    return services.mouse.ui_8DH_GetRGBLedEffect();
}

QVariantList myQQuickView::ui_90H_GetLED8StageColor(uchar type) {
    return services.mouse.ui_90H_GetLED8StageColor(type);
}
