#pragma once

class Widget;

// For tests of the installed program, which cannot reach into the process:
// when Q4CONFIG_SCRIPT names a file, each of its lines is evaluated as a QML
// expression in the view's context (ui_View, ui_Ctl and hid are there) once
// the scene has started, in order, e.g.
//     ui_View.ui_0BH_SetCurrentDPIStage(3)
//     ui_Ctl.onMinimize()
// Empty lines and lines starting with '#' are skipped; an expression that
// fails is logged and the next one runs. Only with the emulated devices:
// main() does not call this for real hardware. GUI thread.
void runScriptFromEnvironment(Widget& window);
