#pragma once

#include <QLoggingCategory>

// The settings files' log ("q4.settings"). By default only warnings are
// written; QT_LOGGING_RULES="q4.*=true" shows all.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
