// The sensor page's slots: report rate, DPI stages and codes, the sensor,
// the logo LED, and the desktop's pointer settings.

#include "mouse/mouse_settings.h"
#include "mouse/pointer_settings.h"
#include "ui/my_qquick_view.h"

void myQQuickView::ui_01H_SetReportRate(uchar rate) {
    services.mouse.ui_01H_SetReportRate(rate);
}

QVariant myQQuickView::ui_81H_GetReportRate() {
    return services.mouse.ui_81H_GetReportRate();
}

QVariant myQQuickView::getSensorType() {
    return services.mouse.getSensorType();
}

bool myQQuickView::chkIsLogoLedWork() {
    return services.mouse.chkIsLogoLedWork();
}

void myQQuickView::setAcceleration(bool acceleration) {
    services.pointer.setAcceleration(acceleration);
}

void myQQuickView::setCursorSpeed(uint cursorSpeed) {
    services.pointer.setCursorSpeed(cursorSpeed);
}

void myQQuickView::setVerticalScrollLines(uint lines) {
    services.pointer.setVerticalScrollLines(lines);
}

void myQQuickView::setDoubleClickSpeed(uint speed) {
    services.pointer.setDoubleClickSpeed(speed);
}

void myQQuickView::ui_0BH_SetCurrentDPIStage(uchar dpiStage) {
    services.mouse.ui_0BH_SetCurrentDPIStage(dpiStage);
}

void myQQuickView::ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex) {
    services.mouse.ui_11H_SetDPISet(dpiStage, src8, valueForIndex);
}

bool myQQuickView::getAcceleration() {
    return services.pointer.getAcceleration();
}

uint myQQuickView::getCursorSpeed() {
    return services.pointer.getCursorSpeed();
}

uint myQQuickView::getVerticalScrollLines() {
    return services.pointer.getVerticalScrollLines();
}

uint myQQuickView::getDoubleClickSpeed() {
    return services.pointer.getDoubleClickSpeed();
}

QVariant myQQuickView::ui_8BH_GetCurrentDPIStage() {
    return services.mouse.ui_8BH_GetCurrentDPIStage();
}

uchar myQQuickView::ui_91H_SyncDPI() {
    return services.mouse.ui_91H_SyncDPI();
}

QVariantList myQQuickView::ui_91H_GetDPISet() {
    return services.mouse.ui_91H_GetDPISet();
}
