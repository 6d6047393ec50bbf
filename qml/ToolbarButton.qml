import QtQuick 2.12
import QtQuick.Controls 2.5

// A flat button whose tip names it, on hover and to a screen reader; the
// keys that press it, if any, follow the tip and describe the button.
ToolButton {
    id: button

    // Marked for translation where it is given.
    property string tip
    // As the platform writes the keys; the window's shared tooltip reads it.
    property string keyHint

    ToolTip.delay: 1000
    ToolTip.visible: hovered
    ToolTip.text: tip
    Accessible.name: ToolTip.text
    Accessible.description: keyHint

    // On the button's own colour, which a notice sets to its own.
    FocusFrame {
        backdrop: button.palette.button
        visible: button.visualFocus
    }
}
