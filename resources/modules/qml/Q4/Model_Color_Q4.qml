import QtQuick

// The colour page's model: the palette of up to eight colours (24 values,
// R, G, B of colour 1 first), how many slots the mouse offers, and the
// lighting zones on the mouse picture (model_Q4_Color, 280 x 400).
Item {
    id: root
    visible: false

    property int colorMaxStage: 8
    readonly property var colors_Default: [255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 0, 255,
                                           0, 255, 255, 255, 255, 0, 255, 255, 255, 255, 128, 0]
    property var colors: colors_Default.slice()

    // The zones the page tints, in picture pixels.
    readonly property var zones: [{ x: 128, y: 56, width: 24, height: 88 }, { x: 110, y: 290, width: 60, height: 40 },
                                  { x: 50, y: 150, width: 9, height: 150 }, { x: 221, y: 150, width: 9, height: 150 }]

    // Colour i (0 to 7) as [r, g, b].
    function colorAt(index) {
        return [colors[3 * index], colors[3 * index + 1], colors[3 * index + 2]]
    }

    function resetAll() {
        colors = colors_Default.slice()
    }
}
