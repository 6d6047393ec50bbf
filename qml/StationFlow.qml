import QtQuick 2.12
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.3

// A desk where each calculator plugged in is served without a click: the
// same files sent to it, or a backup made of it into a folder. Chosen here;
// the class panel shows the station from its start until it is switched off.
Item {
    id: flow

    property var files: []
    property url folder
    property url collectFolder
    // The session that runs the station.
    property var session

    function start() {
        files = []
        folder = session.backupFolderUrl()
        collectFolder = session.collectFolderUrl()
        sendChoice.checked = true
        stationDialog.open()
    }

    function begin() {
        if (!session.setStationNaming(nameTick.checked ? nameField.text : "", firstBox.value)) {
            session.statusLineText = qsTr("The station did not start: the names it would give are longer than 64 characters")
            return
        }
        var started = sendChoice.checked ? session.startStationSend(files)
                    : backupChoice.checked ? session.startStationBackup(folder)
                    : session.startStationCollect(collectFolder, stationClearTick.checked)
        if (!started)
            session.statusLineText = sendChoice.checked
                    ? [qsTr("The station did not start: no file it could send was chosen")]
                          .concat(session.classSameNames()).join("; ")
                    : qsTr("The station did not start: choose a folder on this computer")
    }

    function localPath(url) {
        return decodeURIComponent(url.toString().replace(/^file:\/\//, ""))
    }

    function fileNames() {
        var names = []
        for (var i = 0; i < files.length; ++i) {
            var path = localPath(files[i])
            names.push(path.substring(path.lastIndexOf("/") + 1))
        }
        return names
    }

    QuestionDialog {
        id: stationDialog
        objectName: "stationDialog"
        message.objectName: "stationDialogText"
        title: qsTr("Station")
        // Wide enough for a folder's path; higher up than the questions, and
        // its choices packed close, so that they fit in the smallest window.
        width: 640
        y: mainWindow ? Math.max(0, (mainWindow.height - height) / 3) : 0
        text: qsTr("Each calculator plugged in from now on is served once, without a question; a file of the same name on it is replaced. Plugged in again, it is served again.")
        onAccepted: flow.begin()
        onOpened: startButton.forceActiveFocus()

        ColumnLayout {
            id: choices
            y: stationDialog.message.height + 8
            width: stationDialog.availableWidth
            spacing: 2

            ButtonGroup { id: choiceGroup }
            RadioButton {
                id: sendChoice
                objectName: "stationSendChoice"
                topPadding: 0
                bottomPadding: 0
                text: qsTr("Send these files to each calculator")
                Accessible.name: text
                ButtonGroup.group: choiceGroup
            }
            RowLayout {
                Layout.leftMargin: 28
                Layout.fillWidth: true
                // File names are the user's own words, never markup.
                Label {
                    objectName: "stationFilesLine"
                    Layout.fillWidth: true
                    text: flow.files.length === 0 ? qsTr("No files chosen yet") : flow.fileNames().join(", ")
                    textFormat: Text.PlainText
                    wrapMode: Label.WrapAtWordBoundaryOrAnywhere
                    font.bold: flow.files.length > 0
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                Button {
                    objectName: "stationChooseFiles"
                    implicitHeight: 30
                    text: qsTr("Choose Files\u2026")
                    Accessible.name: text
                    onClicked: {
                        stationDialog.close()
                        fileChooser.open()
                    }
                }
            }
            RadioButton {
                id: backupChoice
                objectName: "stationBackupChoice"
                topPadding: 0
                bottomPadding: 0
                text: qsTr("Back up each calculator into this folder")
                Accessible.name: text
                ButtonGroup.group: choiceGroup
            }
            RowLayout {
                Layout.leftMargin: 28
                Layout.fillWidth: true
                Label {
                    objectName: "stationFolderLine"
                    Layout.fillWidth: true
                    text: flow.localPath(flow.folder)
                    textFormat: Text.PlainText
                    wrapMode: Label.WrapAtWordBoundaryOrAnywhere
                    font.bold: true
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                Button {
                    objectName: "stationChangeFolder"
                    implicitHeight: 30
                    text: qsTr("Change Folder\u2026")
                    Accessible.name: text
                    onClicked: {
                        stationDialog.close()
                        folderChooser.startFolder = flow.folder
                        folderChooser.open()
                    }
                }
            }
            RadioButton {
                id: collectChoice
                objectName: "stationCollectChoice"
                topPadding: 0
                bottomPadding: 0
                text: qsTr("Collect each calculator's files into this folder")
                Accessible.name: text
                ButtonGroup.group: choiceGroup
            }
            RowLayout {
                Layout.leftMargin: 28
                Layout.fillWidth: true
                Label {
                    objectName: "stationCollectFolderLine"
                    Layout.fillWidth: true
                    text: flow.localPath(flow.collectFolder)
                    textFormat: Text.PlainText
                    wrapMode: Label.WrapAtWordBoundaryOrAnywhere
                    font.bold: true
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                Button {
                    objectName: "stationChangeCollectFolder"
                    implicitHeight: 30
                    text: qsTr("Change Folder\u2026")
                    Accessible.name: qsTr("Change the folder for collected work")
                    onClicked: {
                        stationDialog.close()
                        collectChooser.startFolder = flow.collectFolder
                        collectChooser.open()
                    }
                }
            }
            CheckBox {
                id: stationClearTick
                objectName: "stationClearTick"
                topPadding: 0
                bottomPadding: 0
                Layout.leftMargin: 28
                text: qsTr("Then delete them on the calculator, once each is checked")
                Accessible.name: text
                enabled: collectChoice.checked
            }
            RowLayout {
                Layout.fillWidth: true
                CheckBox {
                    id: nameTick
                    objectName: "stationNameTick"
                    topPadding: 0
                    bottomPadding: 0
                    Layout.fillWidth: true
                    text: qsTr("Name each calculator first:")
                    Accessible.name: qsTr("Name each calculator first")
                    contentItem: Label {
                        leftPadding: nameTick.indicator.width + nameTick.spacing
                        text: nameTick.text
                        wrapMode: Label.Wrap
                        verticalAlignment: Text.AlignVCenter
                    }
                }
                TextField {
                    id: nameField
                    objectName: "stationNamePattern"
                    implicitHeight: 30
                    Layout.preferredWidth: 130
                    enabled: nameTick.checked
                    text: qsTr("Desk ##")
                    maximumLength: 64
                    selectByMouse: true
                    Accessible.name: qsTr("Name pattern; each # is a digit of the calculator's number")
                }
                Label {
                    text: qsTr("starting at")
                    enabled: nameTick.checked
                }
                // Typed, not stepped: a class set starts anywhere from 0 to 9999.
                TextField {
                    id: firstBox
                    objectName: "stationFirstNumber"
                    readonly property int value: text === "" ? 1 : parseInt(text, 10)
                    implicitHeight: 30
                    Layout.preferredWidth: 60
                    enabled: nameTick.checked
                    text: "1"
                    inputMethodHints: Qt.ImhDigitsOnly
                    validator: IntValidator { bottom: 0; top: 9999 }
                    selectByMouse: true
                    Accessible.name: qsTr("First number")
                }
            }
        }
        contentHeight: choices.y + choices.height

        footer: DialogButtonBox {
            Button {
                id: startButton
                objectName: "stationStartButton"
                text: qsTr("Start")
                Accessible.name: text
                enabled: !sendChoice.checked || flow.files.length > 0
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
            Button {
                objectName: "stationCancelButton"
                text: qsTr("Cancel")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
        }
    }

    // Back to the dialog either way, which shows what was chosen.
    Chooser {
        id: fileChooser
        objectName: "stationFileDialog"
        title: qsTr("Choose the files the station sends")
        selectMultiple: true
        nameFilters: [qsTr("Vori calc files (*.py *.bin)"), qsTr("All files (*)")]
        selectedNameFilter: nameFilters[0]
        onAccepted: {
            flow.files = fileUrls
            sendChoice.checked = true
            stationDialog.open()
        }
        onRejected: stationDialog.open()
    }
    Chooser {
        id: collectChooser
        objectName: "stationCollectFolderDialog"
        title: qsTr("Choose the folder for collected work")
        selectFolder: true
        onAccepted: {
            flow.collectFolder = fileUrl
            collectChoice.checked = true
            stationDialog.open()
        }
        onRejected: stationDialog.open()
    }
    Chooser {
        id: folderChooser
        objectName: "stationFolderDialog"
        title: qsTr("Choose the folder for the station's backups")
        selectFolder: true
        onAccepted: {
            flow.folder = fileUrl
            backupChoice.checked = true
            stationDialog.open()
        }
        onRejected: stationDialog.open()
    }
}
