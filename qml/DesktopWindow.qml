import QtQuick 2.12
import QtQuick.Controls 2.5

// A window in the desktop's colours, light or dark, wherever the window
// gives none; the style alone would keep its own light ones.
ApplicationWindow {
    SystemPalette {
        id: systemPalette
        colorGroup: SystemPalette.Active
    }
    palette.window: systemPalette.window
    palette.windowText: systemPalette.windowText
    palette.base: systemPalette.base
    palette.alternateBase: systemPalette.alternateBase
    palette.text: systemPalette.text
    palette.button: systemPalette.button
    palette.buttonText: systemPalette.buttonText
    palette.highlight: systemPalette.highlight
    palette.highlightedText: systemPalette.highlightedText
    palette.light: systemPalette.light
    palette.midlight: systemPalette.midlight
    palette.mid: systemPalette.mid
    palette.dark: systemPalette.dark
    palette.shadow: systemPalette.shadow
}
