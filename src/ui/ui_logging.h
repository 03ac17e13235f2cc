#pragma once

#include <QLoggingCategory>

// The front end's log ("q4.ui"): the view's slots, the scene, the desktop's
// pointer settings. By default only warnings are written;
// QT_LOGGING_RULES="q4.*=true" shows all.
Q_DECLARE_LOGGING_CATEGORY(lcUi)
