.pragma library

// Colours that must stay readable on what they are drawn on, whatever the
// desktop's palette: WCAG 2's contrast ratios.

// The contrast ratio of two opaque colours, from 1 to 21.
function contrast(first, second) {
    function channel(value) {
        return value <= 0.03928 ? value / 12.92 : Math.pow((value + 0.055) / 1.055, 2.4)
    }
    function luminance(colour) {
        return 0.2126 * channel(colour.r) + 0.7152 * channel(colour.g) + 0.0722 * channel(colour.b)
    }
    var a = luminance(first)
    var b = luminance(second)
    return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)
}

// The preferred colour if it has the least contrast with the backdrop,
// else black or white, whichever has more.
function standOut(preferred, backdrop, least) {
    if (contrast(preferred, backdrop) >= least)
        return preferred
    var black = Qt.rgba(0, 0, 0, 1)
    var white = Qt.rgba(1, 1, 1, 1)
    return contrast(black, backdrop) >= contrast(white, backdrop) ? black : white
}

// A focus frame's colour: the desktop's highlight where it stands out from
// what the frame is drawn on (3:1), else black or white.
function focusColour(highlight, backdrop) {
    return standOut(highlight, backdrop, 3)
}
