import QtQuick

// The colour page's model: the palette of up to eight colours (24 values,
// R, G, B of colour 1 first), how many slots the mouse offers, the lighting
// zones on the mouse picture (model_Q4_Color, 280 x 400), and what the
// mouse's lighting commands carry for the page's choices. The functions
// need nothing but their arguments.
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

    // The ten effects, by list index (the mouse numbers them from 1), and
    // the eight steps of the brightness and speed sliders.
    readonly property int effectCount: 10
    readonly property int stepCount: 8
    // The mouse's effect numbers each setting applies to.
    readonly property var brightnessEffects: [1, 2, 5, 7, 8, 9, 10]
    readonly property var speedEffects: [3, 4, 5, 8, 9, 10]
    readonly property var paletteEffects: [1, 3, 9, 10]
    // What the page shows when neither the profile nor the factory file
    // says: effect, brightness and speed indices.
    readonly property var configs_Default: [2, 7, 4]

    // Colour i (0 to 7) as [r, g, b].
    function colorAt(index) {
        return [colors[3 * index], colors[3 * index + 1], colors[3 * index + 2]]
    }

    function resetAll() {
        colors = colors_Default.slice()
    }

    // A whole number from low to high; anything else is low.
    function clampedIndex(value, low, high) {
        var number = Math.floor(Number(value))
        return isNaN(number) ? low : Math.max(low, Math.min(high, number))
    }

    function effectNumber(effectIndex) {
        return clampedIndex(effectIndex, 0, effectCount - 1) + 1
    }

    function isBrightnessUsed(effectIndex) {
        return brightnessEffects.indexOf(effectNumber(effectIndex)) >= 0
    }

    function isSpeedUsed(effectIndex) {
        return speedEffects.indexOf(effectNumber(effectIndex)) >= 0
    }

    function isPaletteUsed(effectIndex) {
        return paletteEffects.indexOf(effectNumber(effectIndex)) >= 0
    }

    // Brightness step 0 is dark; the others spread from 45 to 255.
    function brightnessValue(brightnessIndex) {
        var step = clampedIndex(brightnessIndex, 0, stepCount - 1)
        return step === 0 ? 0 : 10 + 35 * step
    }

    // The effect's own speed parameter: the slider's fast end is the
    // smallest number of each effect's range.
    function speedValue(effect, speedIndex) {
        var slower = 7 - clampedIndex(speedIndex, 0, stepCount - 1)
        if (effect >= 3 && effect <= 5)
            return 1 + Math.round(slower * 9 / 7)
        if (effect === 8)
            return 10 + Math.round(slower * 10 / 7)
        if (effect === 9)
            return 5 + Math.round(slower * 10 / 7)
        if (effect === 10)
            return 20 + Math.round(slower * 10 / 7)
        return 0
    }

    // [effect, option1, option2] of the lighting-effect command; all 0 with
    // the LED power off.
    function ledEffectValues(effectIndex, brightnessIndex, speedIndex, isPowerOn) {
        if (!isPowerOn)
            return [0, 0, 0]
        var effect = effectNumber(effectIndex)
        return [effect, isBrightnessUsed(effectIndex) ? brightnessValue(brightnessIndex) : 0,
                isSpeedUsed(effectIndex) ? speedValue(effect, speedIndex) : 0]
    }

    // The indices the profile keeps; all zero stands for the power off.
    function configsOf(effectIndex, brightnessIndex, speedIndex, isPowerOn) {
        if (!isPowerOn)
            return [0, 0, 0]
        return [clampedIndex(effectIndex, 0, effectCount - 1), clampedIndex(brightnessIndex, 0, stepCount - 1),
                clampedIndex(speedIndex, 0, stepCount - 1)]
    }

    // The page state of a stored triple, null unless it has three entries.
    function stateOf(configs) {
        if (!configs || configs.length !== 3)
            return null
        var effect = clampedIndex(configs[0], 0, effectCount - 1)
        var brightness = clampedIndex(configs[1], 0, stepCount - 1)
        var speed = clampedIndex(configs[2], 0, stepCount - 1)
        var isOff = Number(configs[0]) === 0 && Number(configs[1]) === 0 && Number(configs[2]) === 0
        return { isPowerOn: !isOff, effect: effect, brightness: brightness, speed: speed }
    }

    // 24 colour values 0 to 255, or null when the list is not one.
    function paletteOf(list) {
        if (!list || list.length !== 24)
            return null
        var values = []
        for (var index = 0; index < 24; ++index) {
            var value = Number(list[index])
            if (isNaN(value) || value < 0 || value > 255)
                return null
            values.push(Math.floor(value))
        }
        return values
    }

    // The factory list of the colour page: 24 palette values, then the
    // effect triple. A key missing from the factory file leaves its part
    // out, so a list of 24 is the palette alone and one of 3 the triple
    // alone; a missing part is null.
    function defaultsOf(list) {
        var length = list ? list.length : 0
        return {
            palette: length === 27 || length === 24 ? paletteOf(list.slice(0, 24)) : null,
            configs: length === 27 ? stateOf(list.slice(24, 27)) : (length === 3 ? stateOf(list) : null)
        }
    }
}
