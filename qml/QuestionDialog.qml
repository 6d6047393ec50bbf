import QtQuick 2.12
import QtQuick.Controls 2.5

// A question or a notice over the window, in the form they all share: modal,
// 300 wide, centred, a sixth of the way down. Its title and its message may
// quote a calculator's or a file's name, so neither is ever markup.
Dialog {
    id: dialog

    // The message, written just before the dialog opens. A dialog without
    // one shows its title and what is declared in it.
    property alias text: message.text
    // For the message's object name, and for what is laid out under it.
    readonly property alias message: message
    // What it is centred in: its parent may be a part of the window, whose
    // size is not the window's.
    readonly property var mainWindow: ApplicationWindow.window

    modal: true
    focus: true
    width: 300
    x: mainWindow ? (mainWindow.width - width) / 2 : 0
    y: mainWindow ? mainWindow.height / 6 : 0

    Component.onCompleted: header.textFormat = Text.PlainText

    Label {
        id: message
        width: dialog.availableWidth
        wrapMode: Label.Wrap
        font.pixelSize: 12
        textFormat: Text.PlainText
        visible: text !== ""
        // Hidden, it is nothing a screen reader should read.
        Accessible.ignored: !visible
    }
}
