import QtQuick 2.12
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.3

// Before and after an exam: every calculator's files collected into a folder
// of its own in one folder, with a receipt there, and, ticked, deleted on the
// calculators once each is checked. There is no clear without a collect:
// "Clear all calculators" is the same question with the tick on.
Item {
    id: flow

    // The session that collects; the folder chosen is remembered there.
    property var session

    // The keys, as the menu shows them; each asks for its menu entry.
    readonly property string collectKey: collectShortcut.nativeText
    readonly property string clearKey: clearShortcut.nativeText
    signal collectAsked()
    signal clearAsked()

    Shortcut {
        id: collectShortcut
        objectName: "collectKey"
        sequence: "Ctrl+Shift+C"
        enabled: flow.enabled
        onActivated: flow.collectAsked()
    }
    Shortcut {
        id: clearShortcut
        objectName: "clearAllKey"
        sequence: "Ctrl+Shift+X"
        enabled: flow.enabled
        onActivated: flow.clearAsked()
    }

    function start(clear) {
        clearTick.checked = clear
        collectDialog.title = clear ? qsTr("Clear all calculators") : qsTr("Collect from all calculators")
        collectDialog.open()
    }

    QuestionDialog {
        id: collectDialog
        objectName: "collectDialog"
        message.objectName: "collectDialogText"
        // Wide enough for a folder's path and the tick's sentence.
        width: 480
        y: mainWindow ? Math.max(0, (mainWindow.height - height) / 3) : 0
        text: qsTr("Every file on each calculator is copied into a folder named after the calculator, in this folder, and read a second time to check the copy. A receipt, receipt.csv, lists each file and what became of it.")
        onAccepted: {
            if (!flow.session.collectAll(clearTick.checked))
                flow.session.statusLineText = qsTr("Nothing was collected: the folder can't be made, or a job over several calculators still runs")
        }
        onOpened: collectButton.forceActiveFocus()

        ColumnLayout {
            id: choices
            y: collectDialog.message.height + 8
            width: collectDialog.availableWidth
            spacing: 4

            RowLayout {
                Layout.fillWidth: true
                // The folder is the user's own words, never markup.
                Label {
                    objectName: "collectFolderLine"
                    Layout.fillWidth: true
                    text: flow.session.collectFolder
                    textFormat: Text.PlainText
                    wrapMode: Label.WrapAtWordBoundaryOrAnywhere
                    font.bold: true
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                Button {
                    objectName: "collectChangeFolder"
                    text: qsTr("Change Folder\u2026")
                    Accessible.name: text
                    onClicked: {
                        collectDialog.close()
                        folderChooser.startFolder = flow.session.collectFolderUrl()
                        folderChooser.open()
                    }
                }
            }
            CheckBox {
                id: clearTick
                objectName: "collectClearTick"
                Layout.fillWidth: true
                text: qsTr("Delete the files on the calculators once they are collected")
                Accessible.name: text
                contentItem: Label {
                    leftPadding: clearTick.indicator.width + clearTick.spacing
                    text: clearTick.text
                    wrapMode: Label.Wrap
                    verticalAlignment: Text.AlignVCenter
                }
            }
            Label {
                objectName: "collectClearText"
                Layout.fillWidth: true
                visible: clearTick.checked
                wrapMode: Label.Wrap
                font.pixelSize: 12
                textFormat: Text.PlainText
                text: qsTr("Each calculator's files are deleted on it once all of them have been copied: only a file whose copy was written whole and read the same twice is deleted. A file that could not be copied or checked stays on the calculator, and nothing is deleted on a calculator whose copies could not be written.")
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                Accessible.ignored: !visible
            }
        }
        contentHeight: choices.y + choices.height

        footer: DialogButtonBox {
            Button {
                id: collectButton
                objectName: "collectStartButton"
                text: clearTick.checked ? qsTr("Collect and Clear") : qsTr("Collect")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
            Button {
                objectName: "collectCancelButton"
                text: qsTr("Cancel")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
        }
    }

    // Back to the question either way, which shows the folder.
    Chooser {
        id: folderChooser
        objectName: "collectFolderDialog"
        title: qsTr("Choose the folder for collected work")
        selectFolder: true
        onAccepted: {
            flow.session.setCollectFolder(fileUrl)
            collectDialog.open()
        }
        onRejected: collectDialog.open()
    }
}
