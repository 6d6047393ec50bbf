import QtQuick 2.12
import QtQuick.Dialogs 1.3

// The toolkit's file chooser, opening first in the user's home folder.
FileDialog {
    folder: shortcuts.home
    // The widget dialog is made at the first opening and takes its folder
    // only then.
    property url startFolder: folder
    property bool started: false
    onVisibilityChanged: if (visible && !started) { started = true; folder = startFolder }
}
