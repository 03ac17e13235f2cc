#include "common/translation.h"

#include <QCoreApplication>

QString translated(const char* text) {
    return QCoreApplication::translate("myQQuickView", text);
}
