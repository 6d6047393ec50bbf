import QtQuick 2.12
import QtQuick.Controls 2.5

// A backup back onto the current calculator: the backup's folder chosen, then
// read with the calculator in its worker, then what a restore would add and
// replace put to the user; nothing is sent before Restore. A backup that
// can't be restored is told in the error dialog instead of the question.
Item {
    id: flow

    // The session that reads the backup and restores it.
    property var session

    // The chooser opens in the backup folder, as it is when first opened.
    function start() {
        backupChooser.startFolder = session.backupFolderUrl()
        backupChooser.open()
    }

    Chooser {
        id: backupChooser
        objectName: "restoreChooser"
        title: qsTr("Choose the backup to restore")
        selectFolder: true
        onAccepted: flow.session.previewRestore(fileUrl)
    }

    Connections {
        target: flow.session
        function onRestorePreviewReady() {
            restoreQuestion.text = flow.session.restoreQuestion
            restoreQuestion.open()
        }
    }

    QuestionDialog {
        id: restoreQuestion
        objectName: "restoreQuestion"
        message.objectName: "restoreQuestionText"
        // Wide enough for the names it lists.
        width: 440
        title: qsTr("Restore a backup")
        onAccepted: flow.session.restoreBackup()
        onOpened: restoreButton.forceActiveFocus()

        footer: DialogButtonBox {
            Button {
                id: restoreButton
                objectName: "restoreButton"
                text: qsTr("Restore")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
            Button {
                objectName: "restoreCancelButton"
                text: qsTr("Cancel")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
        }
    }
}
