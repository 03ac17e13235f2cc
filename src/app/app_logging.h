#pragma once

#include <QLoggingCategory>

// The shell's log ("q4.app"): start-up, the per-user folder, a second
// start. By default only warnings are written;
// QT_LOGGING_RULES="q4.*=true" shows all.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
