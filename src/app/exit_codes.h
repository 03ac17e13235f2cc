#pragma once

// How the program ends. Whenever it ends without having shown its window
// (apart from --help and --version) the code is not zero, so a script or a
// session manager can tell a refused start from a normal close.
enum ExitCode : int {
    // A normal close, a second start that brought the running window to the
    // front, --help and --version.
    kExitSuccess = 0,
    // No device passed the handshake (the "Can not detect" box, or a node
    // that could not be opened).
    kExitNoDevice = 1,
    // The command line could not be understood.
    kExitBadArguments = 2,
    // No display to show the window on.
    kExitNoDisplay = 3,
    // Another copy runs for this user but does not answer.
    kExitOtherCopySilent = 4,
    // The data files or the per-user folder are missing or cannot be made.
    kExitNoFiles = 5,
};
