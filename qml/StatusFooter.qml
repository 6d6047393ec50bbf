import QtQuick 2.12
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.3

// The status bar, named by the status line: a screen reader hears each new
// status as the name changes. The label itself is plain text to the
// toolkit, whatever role it is given.
RowLayout {
    id: footer

    // The session whose status and transfer it shows.
    property var session

    spacing: 8
    Accessible.role: Accessible.StatusBar
    Accessible.name: statusLine.text

    Label {
        id: statusLine
        objectName: "statusLine"
        Layout.leftMargin: 6
        text: footer.session.statusLineText
        textFormat: Text.PlainText
    }

    // Beside the status line, which keeps what the session and the entries
    // write into it.
    Label {
        id: transferLine
        objectName: "transferLine"
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignRight
        Layout.rightMargin: transferBar.visible ? 0 : 6
        elide: Text.ElideMiddle
        text: footer.session.transfer.running ? footer.session.transfer.text : footer.session.transfer.outcome
        // File and calculator names come from the device: never markup.
        textFormat: Text.PlainText
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    ProgressBar {
        id: transferBar
        objectName: "transferBar"
        Layout.preferredWidth: 160
        Layout.rightMargin: 6
        visible: footer.session.transfer.running
        from: 0
        to: 1
        value: footer.session.transfer.bytesTotal > 0 ? footer.session.transfer.bytesDone / footer.session.transfer.bytesTotal : 0
        Accessible.name: qsTr("Transfer progress")
        Accessible.description: transferLine.text
        // A screen reader hears only what is on screen.
        Accessible.ignored: !visible
    }

    // Stops the job the line shows after the frame in transfer; Esc does too.
    Button {
        id: cancelButton
        objectName: "cancelButton"
        Layout.rightMargin: 6
        visible: footer.session.transfer.running
        text: qsTr("Cancel")
        Accessible.name: text
        Accessible.description: qsTr("Esc")
        Accessible.ignored: !visible
        onClicked: footer.session.cancelTransfer()
    }
}
