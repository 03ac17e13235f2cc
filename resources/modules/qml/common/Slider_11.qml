import QtQuick

// The 11-step slider (indices 0 to 10) of the pointer settings.
Slider {
    id: root
    width: 308
    stepCount: 11
}
