import QtQuick 2.12
import QtQuick.Controls 2.5

// A backup of the current calculator into a new folder of its own, named
// after the calculator and the time, inside the backup folder: chosen once
// with Change Folder and remembered, among the user's documents until then.
// The session runs it; the progress line shows it as it shows a send.
Item {
    id: flow

    // true: every calculator listed, each in a folder of its own, shown in
    // the class panel rather than on the progress line.
    property bool all: false
    // Why the folder shown can't take backups now (replaced since it was
    // chosen, or another owner's); Back Up waits for a folder chosen again.
    property string folderProblem: ""
    // The session that backs up, and the calculators, whose current one a
    // backup takes.
    property var session
    property var calculators

    function start() {
        all = false
        var name = session.isolated(calculators.getName())
        // A calculator without a name gets sentences of their own, so that
        // no sentence reads with a gap and each language can decline its words.
        backupQuestion.title = name === "" ? qsTr("Back up the calculator") : qsTr("Back up %1").arg(name)
        backupQuestion.text = name === "" ? qsTr("Every file on the calculator is copied into a new folder, named after the calculator and the time, in this folder:")
                                          : qsTr("Every file on %1 is copied into a new folder, named after the calculator and the time, in this folder:").arg(name)
        backupQuestion.open()
    }

    function startAll() {
        all = true
        backupQuestion.title = qsTr("Back up all calculators")
        backupQuestion.text = qsTr("Every file on each calculator is copied into a new folder of its own, named after the calculator and the time, in this folder:")
        backupQuestion.open()
    }

    QuestionDialog {
        id: backupQuestion
        objectName: "backupQuestion"
        message.objectName: "backupQuestionText"
        // Wide enough for its three buttons and a folder's path.
        width: 440
        onAccepted: flow.all ? flow.session.backUpAll() : flow.session.backUp()
        onAboutToShow: flow.folderProblem = flow.session.backupFolderProblem()
        onOpened: flow.folderProblem === "" ? backUpButton.forceActiveFocus()
                                            : changeFolderButton.forceActiveFocus()

        // The folder is the user's own words, never markup.
        Label {
            id: folderLine
            objectName: "backupFolderLine"
            y: backupQuestion.message.visible ? backupQuestion.message.height + 8 : 0
            width: backupQuestion.availableWidth
            wrapMode: Label.WrapAtWordBoundaryOrAnywhere
            font.pixelSize: 12
            font.bold: true
            textFormat: Text.PlainText
            text: flow.session.backupFolder
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Label {
            id: folderProblemLine
            objectName: "backupFolderProblem"
            y: folderLine.y + folderLine.height + 8
            width: backupQuestion.availableWidth
            visible: text !== ""
            wrapMode: Label.Wrap
            font.pixelSize: 12
            textFormat: Text.PlainText
            text: flow.folderProblem
            Accessible.role: Accessible.AlertMessage
            Accessible.name: text
            Accessible.ignored: !visible
        }
        contentHeight: folderProblemLine.visible ? folderProblemLine.y + folderProblemLine.height
                                                 : folderLine.y + folderLine.height

        footer: DialogButtonBox {
            Button {
                id: backUpButton
                objectName: "backUpButton"
                text: qsTr("Back Up")
                enabled: flow.folderProblem === ""
                // Drawn faint while it waits for a folder chosen again.
                opacity: enabled ? 1 : 0.45
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
            Button {
                id: changeFolderButton
                objectName: "changeBackupFolderButton"
                text: qsTr("Change Folder\u2026")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.ActionRole
                onClicked: {
                    backupQuestion.close()
                    folderChooser.startFolder = flow.session.backupFolderUrl()
                    folderChooser.open()
                }
            }
            Button {
                objectName: "backupCancelButton"
                text: qsTr("Cancel")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
        }
    }

    // Back to the question either way, which shows the folder now chosen.
    Chooser {
        id: folderChooser
        objectName: "backupFolderDialog"
        title: qsTr("Choose the folder for backups")
        selectFolder: true
        onAccepted: {
            flow.session.setBackupFolder(fileUrl)
            backupQuestion.open()
        }
        onRejected: backupQuestion.open()
    }
}
