import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Dialogs 1.3
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.3

ApplicationWindow {
    id: root
    visible: true
    width: 720
    minimumWidth: 720
    height: 480
    minimumHeight: 480
    title: qsTr("Vuve Vudurod")

    header: ToolBar {
        enabled: !calcSession.isBusy

        RowLayout {
            height: parent.height

            ToolButton {
                objectName: "menuButton"
                icon.source: "images/x1/menu.png"
                ToolTip.delay: 1000
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Menu")
                onClicked: optionsMenu.open()

                Menu {
                    id: optionsMenu
                    x: parent.width - width

                    MenuItem {
                        objectName: "aboutMenuItem"
                        text: "About..."
                        onTriggered: aboutDialog.open()
                    }
                    MenuItem {
                        objectName: "changeNameMenuItem"
                        text: "Change device name..."
                        onTriggered: {
                            if (fileListView.count !== 0) {
                                calcSession.statusLineText = ""
                                changeNameDialog.open()
                            } else {
                                calcSession.statusLineText = "No calculator is connected"
                            }
                        }
                    }
                    MenuItem {
                        objectName: "closeMenuItem"
                        text: "Close program"
                        onTriggered: root.close()
                    }
                }
            }

            ToolButton {
                objectName: "downloadButton"
                icon.source: "images/x1/download.png"
                ToolTip.delay: 1000
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Copy and transfer selected files from calculator to PC")
                onClicked: {
                    if (tableView.selection.count !== 0) {
                        calcSession.statusLineText = ""
                        choseFolderDialog.open()
                    } else {
                        calcSession.statusLineText = "Yoy must select some files for downloading"
                    }
                }
            }

            ToolButton {
                objectName: "sendButton"
                icon.source: "images/x1/send.png"
                ToolTip.delay: 1000
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Send files to calculator...")
                onClicked: {
                    if (fileListView.count !== 0) {
                        calcSession.statusLineText = ""
                        choseFileDialog.open()
                    } else {
                        calcSession.statusLineText = "No calculator is connected"
                    }
                }
            }

            ToolButton {
                objectName: "deleteButton"
                icon.source: "images/x1/remove.png"
                ToolTip.delay: 1000
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Delete selected files")
                onClicked: {
                    if (tableView.selection.count === 0) {
                        calcSession.statusLineText = "No files selected for deleting"
                    } else {
                        calcSession.statusLineText = ""
                        doYouWantDeleteItText.text = "Do you want to delete next files:"
                        tableView.selection.forEach(function (rowIndex) {
                            doYouWantDeleteItText.text += "\n" + fileModel.getName(rowIndex)
                        })
                        doYouWantDeleteItText.text += "?"
                        doYouWantDeleteItDialog.open()
                    }
                }
            }
        }
    }

    footer: RowLayout {
        spacing: 8

        Label {
            id: statusLine
            Layout.leftMargin: 6
            text: calcSession.statusLineText
        }

        // Beside the status line, which keeps what the session and the
        // entries write into it.
        Label {
            id: transferLine
            objectName: "transferLine"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignRight
            Layout.rightMargin: transferBar.visible ? 0 : 6
            elide: Text.ElideMiddle
            text: calcSession.transfer.running ? calcSession.transfer.text : calcSession.transfer.outcome
        }

        ProgressBar {
            id: transferBar
            objectName: "transferBar"
            Layout.preferredWidth: 160
            Layout.rightMargin: 6
            visible: calcSession.transfer.running
            from: 0
            to: 1
            value: calcSession.transfer.bytesTotal > 0 ? calcSession.transfer.bytesDone / calcSession.transfer.bytesTotal : 0
        }
    }

    RowLayout {
        anchors.fill: parent

        Rectangle {
            id: listRectangle
            Layout.fillHeight: true
            Layout.preferredWidth: root.width * 0.3
            color: "#f0f0f0"

            ScrollView {
                anchors.top: parent.top
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: doctorNotices.top

                ListView {
                    id: fileListView
                    enabled: !calcSession.isBusy
                    width: parent.width
                    spacing: 5
                    model: calcModel
                    highlight: Rectangle {
                        color: "#4001B3E3"

                        Rectangle {
                            color: "#01B3E3"
                            width: 10
                            height: parent.height
                            anchors.right: parent.right
                        }
                    }
                    delegate: Rectangle {
                        id: listElement
                        // A released row has no parent until it is destroyed.
                        width: parent ? parent.width : 0
                        height: Math.max(50, currentListItem.height)
                        color: "transparent"

                        Text {
                            id: currentListItem
                            x: 5
                            enabled: false
                            color: "#000"
                            anchors.verticalCenter: parent.verticalCenter
                            text: model.display
                            font.pixelSize: 26
                        }

                        MouseArea {
                            anchors.fill: parent
                            onClicked: {
                                fileListView.currentIndex = index
                                calcModel.currentIndex = index
                            }
                        }
                    }
                }
            }

            // No calculator yet: say how to get one, and what is being read.
            Label {
                id: emptyHint
                objectName: "emptyHint"
                visible: fileListView.count === 0
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.margins: 10
                wrapMode: Text.Wrap
                color: "#404040"
                text: calcSession.doctor.readingPorts.length > 0
                      ? "Reading the calculator on " + calcSession.doctor.readingPorts.join(", ") + "\u2026"
                      : "Connect a calculator with its USB cable. It shows up here within a few seconds."
                        + (Qt.platform.os === "linux"
                           ? "\n\nNothing appears? Check that the calculator is switched on and shows its home screen, and that /dev/ttyACM0 (or a later number) exists. If you may not open it, the README's Install section tells how to get access."
                           : "")
            }

            // One notice per port that has the calculator's identifiers but gave
            // no calculator; it stays until dismissed or unplugged.
            Column {
                id: doctorNotices
                objectName: "doctorNotices"
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                spacing: 4

                Repeater {
                    model: calcSession.doctor.notices

                    Rectangle {
                        width: doctorNotices.width
                        height: noticeText.implicitHeight + 16
                        color: "#fff4d6"
                        border.color: "#e0b040"

                        Label {
                            id: noticeText
                            anchors.left: parent.left
                            anchors.right: dismissButton.left
                            anchors.verticalCenter: parent.verticalCenter
                            anchors.leftMargin: 8
                            wrapMode: Text.Wrap
                            font.pixelSize: 12
                            text: modelData
                        }

                        ToolButton {
                            id: dismissButton
                            anchors.right: parent.right
                            anchors.top: parent.top
                            text: "\u00d7"
                            ToolTip.delay: 1000
                            ToolTip.visible: hovered
                            ToolTip.text: "Dismiss"
                            onClicked: calcSession.doctor.dismiss(index)
                        }
                    }
                }
            }
        }

        Rectangle {
            id: fileGridRectangle
            Layout.fillHeight: true
            Layout.fillWidth: true
            Layout.minimumWidth: 300

            TableView {
                id: tableView
                enabled: !calcSession.isBusy
                anchors.fill: parent
                selectionMode: 2
                model: fileModel

                TableViewColumn {
                    id: nameColumn
                    role: "nameRole"
                    title: "Name"
                }
                TableViewColumn {
                    role: "sizeRole"
                    title: "Size"
                }
            }

            DropArea {
                anchors.fill: parent
                onDropped: {
                    if (drop.hasUrls) {
                        if (refuseWhileBusy())
                            return
                        calcSession.toCalcUrls(drop.urls)
                        processSendCollision()
                    }
                }
            }

            Shortcut {
                sequences: [StandardKey.Copy]
                onActivated: {
                    if (fileListView.count !== 0) {
                        // What the user had on the clipboard stays there.
                        if (refuseWhileBusy())
                            return
                        tableView.selection.forEach(function (rowIndex) {
                            calcSession.addSelected(rowIndex)
                        })
                        calcSession.fromCalcUrls()
                        clipboard.setUrls(calcSession.downloadsFiles())
                    }
                }
            }

            Shortcut {
                sequences: [StandardKey.Paste]
                onActivated: {
                    if (fileListView.count !== 0 && clipboard.hasUrls()) {
                        if (refuseWhileBusy())
                            return
                        calcSession.toCalcUrls(clipboard.getUrls())
                        processSendCollision()
                    }
                }
            }
        }
    }

    // Row numbers of one calculator's files mean other files on another.
    Connections {
        target: calcSession
        function onCurrentCalcChange() {
            tableView.selection.clear()
        }
    }

    BusyIndicator {
        objectName: "busyIndicator"
        anchors.centerIn: parent
        visible: calcSession.isBusy
    }

    Dialog {
        id: aboutDialog
        property int propW: Math.min(root.width, root.height) / 3 * 2
        modal: true
        focus: true
        x: (root.width - width) / 2
        y: root.height / 6
        width: propW < 300 ? 300 : propW
        contentHeight: aboutColumn.height
        title: "About"

        Column {
            id: aboutColumn
            spacing: 20

            Label {
                width: aboutDialog.availableWidth
                wrapMode: Label.Wrap
                font.pixelSize: 12
                text: "Copyright \u00a9 2026 Vuve Vudurod developers. All rights reserved.\n\nNo file or information of this software may be duplicated, copied, modified or adapted without the written permission of the rights holder.\n\nThe content of this software is protected by law. Using the software does not make you the owner of the software or of any of its content."
            }
        }
    }

    MessageDialog {
        id: errorMessageDialog
        title: "Error"
        text: calcSession.error
        width: 300
        standardButtons: Dialog.Ok
        onTextChanged: {
            if (text !== "")
                open()
        }
        onVisibilityChanged: {
            if (!this.visible)
                calcSession.error = ""
        }
    }

    Dialog {
        id: doYouWantDeleteItDialog
        modal: true
        focus: true
        width: 300
        x: (root.width - width) / 2
        y: root.height / 6
        standardButtons: Dialog.Yes | Dialog.No

        Label {
            id: doYouWantDeleteItText
            width: doYouWantDeleteItDialog.availableWidth
            wrapMode: Label.Wrap
            font.pixelSize: 12
        }

        onAccepted: {
            tableView.selection.forEach(function (rowIndex) {
                calcSession.addSelected(rowIndex)
            })
            calcSession.deleteSelected()
            tableView.selection.clear()
        }
    }

    Dialog {
        id: zeroSizeFileWontBeSent
        modal: true
        focus: true
        width: 300
        x: (root.width - width) / 2
        y: root.height / 6
        standardButtons: Dialog.Ok

        Label {
            id: zeroSizeFileWontBeSentText
            width: zeroSizeFileWontBeSent.availableWidth
            wrapMode: Label.Wrap
            font.pixelSize: 12
        }

        onAccepted: processSendCollision()
    }

    Dialog {
        id: doYouWantSendFile
        modal: true
        focus: true
        width: 300
        x: (root.width - width) / 2
        y: root.height / 6
        standardButtons: Dialog.Yes | Dialog.No

        Label {
            id: doYouWantSendFileText
            width: doYouWantSendFile.availableWidth
            wrapMode: Label.Wrap
            font.pixelSize: 12
        }

        onAccepted: {
            calcSession.releaseToCalcCollision(true)
            processSendCollision()
        }
        onRejected: {
            calcSession.releaseToCalcCollision(false)
            processSendCollision()
        }
    }

    Dialog {
        id: doYouWantDownloadFile
        modal: true
        focus: true
        width: 300
        x: (root.width - width) / 2
        y: root.height / 6
        standardButtons: Dialog.Yes | Dialog.No

        onAccepted: {
            calcSession.releaseFromCalcCollision(true)
            processDownloadCollision()
        }
        onRejected: {
            calcSession.releaseFromCalcCollision(false)
            processDownloadCollision()
        }
    }

    Dialog {
        id: changeNameDialog
        modal: true
        focus: true
        width: 300
        x: (root.width - width) / 2
        y: root.height / 6
        title: "Enter a new device name:"
        standardButtons: Dialog.Ok | Dialog.Cancel

        TextField {
            id: newNameField
            placeholderText: "Enter a new device name"
            maximumLength: 64
            width: changeNameDialog.availableWidth
            selectByMouse: true
            selectionColor: "#6001B3E3"
        }

        onAccepted: {
            if (newNameField.text !== "")
                calcSession.changeCalcName(newNameField.text)
        }
    }

    Dialog {
        id: fileNameWasChangeDialog
        modal: true
        focus: true
        width: 300
        x: (root.width - width) / 2
        y: root.height / 6
        title: "Warning"
        standardButtons: Dialog.Ok

        Label {
            id: fileNameWasChangeDialogText
            width: fileNameWasChangeDialog.availableWidth
            wrapMode: Label.Wrap
            font.pixelSize: 12
        }

        onAccepted: processSendCollision()
    }

    FileDialog {
        id: choseFolderDialog
        title: "Please choose a folder to save files"
        folder: shortcuts.home
        selectFolder: true
        onAccepted: {
            tableView.selection.forEach(function (rowIndex) {
                calcSession.addSelected(rowIndex)
            })
            calcSession.fromCalcUrls(true, fileUrl)
            processDownloadCollision()
        }
    }

    FileDialog {
        id: choseFileDialog
        title: "Please choose files"
        folder: shortcuts.home
        selectMultiple: true
        nameFilters: ["Vori calc files (*.py *.bin)", "All files (*)"]
        onAccepted: {
            calcSession.toCalcUrls(fileUrls)
            processSendCollision()
        }
    }

    function processSendCollision() {
        if (calcSession.isToCalcZeroSizeCollision()) {
            zeroSizeFileWontBeSentText.text = "File " + calcSession.collisionToCalcZeroSizeFileName() + " is zero-length and can't be sent."
            zeroSizeFileWontBeSent.open()
        } else if (calcSession.isToCalcExistingCollision()) {
            doYouWantSendFileText.text = "File " + calcSession.collisionToCalcFileName() + " already exists on your calculator.\nDo you want to replace it?"
            doYouWantSendFile.open()
        } else if (calcSession.isToCalcNameCollision()) {
            fileNameWasChangeDialogText.text = "The file name (" + calcSession.getNameToCalcCollisionOld() + ") exceeds the allowed limit of 8 symbols for a file name and 3 symbols for an extension and will be changed to " + calcSession.getNameToCalcCollisionNew()
            fileNameWasChangeDialog.open()
        } else {
            calcSession.sendFiles()
        }
    }

    // A drop, Paste or Copy is not disabled while a job runs; the job's
    // calculator could not take another, so say so before any question.
    function refuseWhileBusy() {
        if (!calcSession.isCurrentCalcBusy())
            return false
        calcSession.statusLineText = "Wait until the transfer in progress has finished"
        return true
    }

    function processDownloadCollision() {
        if (calcSession.isFromCalcCollision()) {
            doYouWantDownloadFile.title = "File " + calcSession.collisionFromCalcFileName() + " already exists on your PC.\nDo you want to replace it?"
            doYouWantDownloadFile.open()
        } else {
            calcSession.downloadsFiles()
        }
    }
}
