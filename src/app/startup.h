#pragma once

class Widget;

// The device check and what follows it at start-up: show the window and
// start the scene when the device passed (or in demo mode, with the demo
// notice), otherwise leave it hidden with its close already requested.
// Returns whether the window was shown. GUI thread; before the event loop.
bool startProgram(Widget& window);

// The key-capture callbacks; the context is the host window.
void onHookKey(unsigned char usage, unsigned char isDown, void* context);
void onHookMouse(unsigned char code, unsigned char isDown, unsigned x, unsigned y, void* context);
