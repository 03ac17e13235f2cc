// The macro page's slots: the macro library.

#include "settings/macro_library.h"
#include "ui/my_qquick_view.h"

void myQQuickView::loadMacroIniFromFile(QVariant name) {
    services.macros.loadMacroIniFromFile(name);
}

void myQQuickView::saveMacroIniToFile(QVariant name) {
    services.macros.saveMacroIniToFile(name);
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName) {
    services.macros.renameMacroIniFile(oldName, newName);
}

QVariant myQQuickView::createMacroIni() {
    return services.macros.createMacroIni();
}

QVariant myQQuickView::deleteMacroIni(QVariant name) {
    return services.macros.deleteMacroIni(name);
}

QStringList myQQuickView::getMacroIniNames() {
    return services.macros.getMacroIniNames();
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros) {
    return services.macros.saveMacroIni(name, macros);
}

QStringList myQQuickView::loadMacroIni(QVariant name) {
    return services.macros.loadMacroIni(name);
}

QVariantList myQQuickView::loadMacroIniConfig(QVariant name) {
    return services.macros.loadMacroIniConfig(name);
}

void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config) {
    services.macros.setMacroIniConfig(name, config);
}
