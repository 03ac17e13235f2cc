import QtQuick

// The colour picker: a vertical strip running black, red, yellow, green,
// cyan, blue, magenta, white and black again, with a marker at the colour
// nearest to rgb. A press or a drag on it reports the colour under the
// pointer as [r, g, b].
Item {
    id: root
    width: 20
    height: 160

    property var rgb: [0, 0, 0]
    property string sourceStrip: ""
    property string sourceMarker: ""

    signal colorPicked(var rgb)

    // The strip's colours, top (0) to bottom (1), a stop every 1/8; linear
    // within each band. Returns [r, g, b].
    readonly property var paletteStops: [[0, 0, 0], [255, 0, 0], [255, 255, 0], [0, 255, 0], [0, 255, 255],
                                         [0, 0, 255], [255, 0, 255], [255, 255, 255], [0, 0, 0]]
    function paletteColor(position) {
        var t = Math.max(0, Math.min(1, Number(position)))
        if (isNaN(t))
            t = 0
        var band = Math.min(7, Math.floor(t * 8))
        var within = t * 8 - band
        var from = paletteStops[band]
        var to = paletteStops[band + 1]
        return [Math.round(from[0] + (to[0] - from[0]) * within),
                Math.round(from[1] + (to[1] - from[1]) * within),
                Math.round(from[2] + (to[2] - from[2]) * within)]
    }

    // The place on the strip whose colour is nearest to rgb, in steps of
    // 1/steps, for the marker.
    function palettePosition(colour, steps) {
        var best = 0
        var bestDistance = Infinity
        for (var step = 0; step <= steps; ++step) {
            var candidate = paletteColor(step / steps)
            var distance = Math.pow(candidate[0] - colour[0], 2) + Math.pow(candidate[1] - colour[1], 2)
                         + Math.pow(candidate[2] - colour[2], 2)
            if (distance < bestDistance) {
                bestDistance = distance
                best = step / steps
            }
        }
        return best
    }

    function pick(y) {
        colorPicked(paletteColor(y / height))
    }

    Image {
        anchors.fill: parent
        source: root.sourceStrip
    }

    Image {
        x: -4
        y: root.palettePosition(root.rgb, Math.max(1, Math.round(root.height))) * root.height - 4
        source: root.sourceMarker
    }

    MouseArea {
        anchors.fill: parent
        anchors.margins: -4
        onPressed: function(mouse) { root.pick(mouse.y - 4) }
        onPositionChanged: function(mouse) {
            if (pressed)
                root.pick(mouse.y - 4)
        }
    }
}
