#pragma once

// Without a display the window system's plugin ends the process with
// abort() while the application object is built. Between these two calls
// such an end is turned into a message naming the display settings and the
// exit code kExitNoDisplay. Main thread, before and right after the
// application object is constructed.
void guardDisplayConnection();
void endDisplayGuard();
