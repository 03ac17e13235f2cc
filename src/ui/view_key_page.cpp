// The key-definition page's slots: the stored button entries, the key matrix,
// the scroll swap, the primary-button guard and macros in the mouse's slots;
// and the mouse's own tables read back.

#include "mouse/mouse_settings.h"
#include "ui/macro_sender.h"
#include "ui/my_qquick_view.h"

QVariantList myQQuickView::getKeydefine(QVariant matrixId) {
    return services.mouse.getKeydefine(matrixId);
}

QList<uchar> myQQuickView::macroIncode(QStringList macros) {
    return services.macroSender.macroIncode(macros);
}

bool myQQuickView::getMsgAns_FoolProofing() {
    return services.mouse.getMsgAns_FoolProofing();
}

void myQQuickView::setScrollPinSwap(bool isSwap) {
    services.mouse.setScrollPinSwap(isSwap);
}

void myQQuickView::ui_12H_SetKeyMatrix(QVariantList src64) {
    services.mouse.ui_12H_SetKeyMatrix(src64);
}

void myQQuickView::ui_13H_SetMacroKey(QVariant macroId, QVariant name) {
    services.macroSender.ui_13H_SetMacroKey(macroId, name);
}

bool myQQuickView::getScrollPinSwap() {
    return services.mouse.getScrollPinSwap();
}

QVariantList myQQuickView::ui_92H_GetKeyMatrix() {
    return services.mouse.ui_92H_GetKeyMatrix();
}

QVariantList myQQuickView::ui_93H_GetMacroKey(uchar macroId) {
    return services.mouse.ui_93H_GetMacroKey(macroId);
}
