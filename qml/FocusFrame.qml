import QtQuick 2.12
import "Colours.js" as Colours

// Where keyboard focus is: a frame over its item, which sets when it shows.
// It keeps its contrast on what it is drawn on, light palette or dark.
Rectangle {
    // What the frame is drawn on.
    property color backdrop

    anchors.fill: parent
    color: "transparent"
    border.width: 2
    border.color: Colours.focusColour(desktop.highlight, backdrop)

    SystemPalette {
        id: desktop
        colorGroup: SystemPalette.Active
    }
}
