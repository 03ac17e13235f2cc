#pragma once

#include <QString>

// The program's own texts in boxes and dialogs go through translation in
// one context, the view's, whichever class shows them.
QString translated(const char* text);
