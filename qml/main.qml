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
                id: menuButton
                objectName: "menuButton"
                icon.source: "images/x1/menu.png"
                ToolTip.delay: 1000
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Menu")
                onClicked: optionsMenu.open()
                Accessible.name: ToolTip.text

                Rectangle {
                    anchors.fill: parent
                    color: "transparent"
                    border.width: 2
                    border.color: focusColour(systemPalette.button)
                    visible: parent.visualFocus
                }

                Menu {
                    id: optionsMenu
                    x: parent.width - width

                    MenuItem {
                        objectName: "aboutMenuItem"
                        text: "About..."
                        Accessible.name: text
                        onTriggered: aboutDialog.open()
                    }
                    MenuItem {
                        id: changeNameMenuItem
                        objectName: "changeNameMenuItem"
                        text: "Change device name..."
                        Accessible.name: text
                        Accessible.description: renameKey.nativeText
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
                        Accessible.name: text
                        onTriggered: root.close()
                    }
                }
            }

            ToolButton {
                id: downloadButton
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
                Accessible.name: ToolTip.text
                Accessible.description: downloadKey.nativeText
                property string keyHint: downloadKey.nativeText

                Rectangle {
                    anchors.fill: parent
                    color: "transparent"
                    border.width: 2
                    border.color: focusColour(systemPalette.button)
                    visible: parent.visualFocus
                }
            }

            ToolButton {
                id: sendButton
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
                Accessible.name: ToolTip.text
                Accessible.description: sendKey.nativeText
                property string keyHint: sendKey.nativeText

                Rectangle {
                    anchors.fill: parent
                    color: "transparent"
                    border.width: 2
                    border.color: focusColour(systemPalette.button)
                    visible: parent.visualFocus
                }
            }

            ToolButton {
                id: deleteButton
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
                Accessible.name: ToolTip.text
                Accessible.description: deleteKey.nativeText
                property string keyHint: deleteKey.nativeText

                Rectangle {
                    anchors.fill: parent
                    color: "transparent"
                    border.width: 2
                    border.color: focusColour(systemPalette.button)
                    visible: parent.visualFocus
                }
            }
        }
    }

    footer: RowLayout {
        spacing: 8
        // The status bar, named by the status line: a screen reader hears
        // each new status as the name changes. The label itself is plain
        // text to the toolkit, whatever role it is given.
        Accessible.role: Accessible.StatusBar
        Accessible.name: statusLine.text

        Label {
            id: statusLine
            Layout.leftMargin: 6
            text: calcSession.statusLineText
            textFormat: Text.PlainText
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
            visible: calcSession.transfer.running
            from: 0
            to: 1
            value: calcSession.transfer.bytesTotal > 0 ? calcSession.transfer.bytesDone / calcSession.transfer.bytesTotal : 0
            Accessible.name: "Transfer progress"
            Accessible.description: transferLine.text
            // A screen reader hears only what is on screen.
            Accessible.ignored: !visible
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
                            textFormat: Text.PlainText
                            font.pixelSize: 26
                        }

                        MouseArea {
                            anchors.fill: parent
                            onClicked: {
                                fileListView.currentIndex = index
                                calcModel.currentIndex = index
                            }
                        }

                        Accessible.role: Accessible.ListItem
                        Accessible.name: model.display
                        Accessible.selectable: true
                        Accessible.selected: ListView.isCurrentItem
                        Accessible.onPressAction: fileListView.pick(index)
                    }

                    activeFocusOnTab: true
                    Accessible.role: Accessible.List
                    Accessible.name: "Calculators"
                    Keys.onUpPressed: pick(currentIndex <= 0 ? 0 : currentIndex - 1)
                    Keys.onDownPressed: pick(currentIndex + 1)
                    Keys.onPressed: {
                        if (event.key === Qt.Key_Home)
                            pick(0)
                        else if (event.key === Qt.Key_End)
                            pick(count - 1)
                        else
                            return
                        event.accepted = true
                    }

                    // A key picks a calculator the way a click does: the
                    // model's index is what switches the session, so both
                    // are written, in the click's order. The list's own
                    // index also moves when rows come and go, which must
                    // not switch calculators, so it is not followed.
                    function pick(row) {
                        if (row < 0 || row >= count)
                            return
                        currentIndex = row
                        calcModel.currentIndex = row
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
                textFormat: Text.PlainText
                // Hidden, it is no instruction a screen reader should read.
                Accessible.ignored: !visible
                text: calcSession.doctor.readingPorts.length > 0
                      ? "Reading the calculator on " + calcSession.doctor.readingPorts.join(", ") + "\u2026"
                      : "Connect a calculator with its USB cable. It shows up here within a few seconds."
                        + (Qt.platform.os === "linux"
                           ? "\n\nNothing appears? Check that the calculator is switched on and shows its home screen, and that /dev/ttyACM0 (or a later number) exists. If you may not open it, /usr/share/doc/vuve-vudurod/troubleshooting.md tells how to get access."
                           : "")
            }

            // One notice per port that has the calculator's identifiers but gave
            // no calculator; it stays until dismissed or unplugged. However
            // long or many the notices, the list keeps most of the pane: a
            // notice shows a few lines and scrolls the rest, and past two
            // notices one notice holds them all.
            Column {
                id: doctorNotices
                objectName: "doctorNotices"
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                spacing: 4
                readonly property var notices: calcSession.doctor.notices
                readonly property bool grouped: notices.length > 2
                readonly property int shownLines: 5

                Repeater {
                    model: doctorNotices.grouped
                           ? [doctorNotices.notices.length + " devices need attention:\n"
                              + doctorNotices.notices.join("\n")]
                           : doctorNotices.notices

                    Rectangle {
                        objectName: "doctorNotice"
                        width: doctorNotices.width
                        height: noticeScroll.height + 16
                        color: "#fff4d6"
                        border.color: "#e0b040"
                        Accessible.role: Accessible.AlertMessage
                        Accessible.name: modelData

                        Flickable {
                            id: noticeScroll
                            objectName: "noticeScroll"
                            readonly property bool scrolls: contentHeight > height
                            anchors.left: parent.left
                            anchors.right: dismissButton.left
                            anchors.verticalCenter: parent.verticalCenter
                            anchors.leftMargin: 8
                            height: Math.min(noticeText.implicitHeight,
                                             doctorNotices.shownLines * noticeText.implicitHeight
                                             / Math.max(1, noticeText.lineCount))
                            contentWidth: width
                            contentHeight: noticeText.implicitHeight
                            clip: true
                            boundsBehavior: Flickable.StopAtBounds
                            ScrollBar.vertical: noticeBar
                            // The keys scroll what does not fit.
                            activeFocusOnTab: scrolls
                            Keys.onUpPressed: noticeBar.decrease()
                            Keys.onDownPressed: noticeBar.increase()

                            Label {
                                id: noticeText
                                objectName: "noticeText"
                                width: noticeScroll.width
                                wrapMode: Text.Wrap
                                font.pixelSize: 12
                                text: modelData
                                // Device words, never markup.
                                textFormat: Text.PlainText
                                // The notice keeps its light colours on a dark
                                // palette, so its text does too.
                                color: "#202020"
                            }
                        }

                        // Under the dismiss button, so the text keeps its
                        // width whether the bar shows or not.
                        ScrollBar {
                            id: noticeBar
                            anchors.horizontalCenter: dismissButton.horizontalCenter
                            anchors.top: dismissButton.bottom
                            anchors.bottom: parent.bottom
                            anchors.bottomMargin: 4
                            policy: noticeScroll.scrolls ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                        }

                        Rectangle {
                            anchors.fill: noticeScroll
                            anchors.margins: -2
                            color: "transparent"
                            border.width: 2
                            border.color: focusColour(parent.color)
                            visible: noticeScroll.activeFocus
                        }

                        ToolButton {
                            id: dismissButton
                            anchors.right: parent.right
                            anchors.top: parent.top
                            text: "\u00d7"
                            ToolTip.delay: 1000
                            ToolTip.visible: hovered
                            ToolTip.text: "Dismiss"
                            onClicked: {
                                if (doctorNotices.grouped)
                                    calcSession.doctor.dismissAll()
                                else
                                    calcSession.doctor.dismiss(index)
                            }
                            Accessible.name: ToolTip.text
                            Accessible.description: modelData
                            // On the notice's own colours, light or dark.
                            palette.button: parent.color
                            palette.buttonText: "#202020"

                            Rectangle {
                                anchors.fill: parent
                                color: "transparent"
                                border.width: 2
                                border.color: focusColour(parent.parent.color)
                                visible: parent.visualFocus
                            }
                        }
                    }
                }
            }

            Rectangle {
                objectName: "listFocusFrame"
                anchors.fill: parent
                color: "transparent"
                border.width: 2
                border.color: focusColour(listRectangle.color)
                visible: fileListView.activeFocus
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

                // The style's own cell, but a file name is never markup.
                itemDelegate: Item {
                    height: Math.max(16, cellText.implicitHeight)
                    property int implicitWidth: cellText.implicitWidth + 20

                    Text {
                        id: cellText
                        objectName: "cellText"
                        x: horizontalAlignment === Text.AlignRight ? 1 : 8
                        width: parent.width - x - (horizontalAlignment === Text.AlignRight ? 8 : 1)
                        horizontalAlignment: styleData.textAlignment
                        anchors.verticalCenter: parent.verticalCenter
                        anchors.verticalCenterOffset: 1
                        elide: styleData.elideMode
                        text: styleData.value !== undefined ? styleData.value.toString() : ""
                        textFormat: Text.PlainText
                        color: styleData.textColor
                        renderType: Text.NativeRendering
                    }
                }

                Accessible.name: "Files"
                Accessible.description: currentRow >= 0 && currentRow < rowCount ? fileModel.getName(currentRow) : ""

                // Rows and header in the desktop's colours: the style's own
                // keep a light grey and a light header picture on a dark
                // palette. Each row is named for a screen reader; the view
                // also draws rows past the last file, which are no files.
                rowDelegate: Rectangle {
                    id: fileRow
                    objectName: "fileRow"
                    readonly property bool isFile: styleData.row !== undefined && styleData.row >= 0 && model !== null
                    readonly property string fileName: isFile ? model.nameRole : ""
                    height: Math.round(rowFont.height * 1.2)
                    color: styleData.selected ? systemPalette.highlight
                                              : !styleData.alternate ? systemPalette.alternateBase : systemPalette.base

                    Accessible.role: Accessible.Row
                    Accessible.ignored: !isFile
                    Accessible.name: isFile ? model.nameRole + ", " + model.sizeRole + " bytes" : ""
                    Accessible.selectable: isFile
                    Accessible.selected: isFile && styleData.selected
                }
                headerDelegate: Rectangle {
                    height: Math.round(headerText.implicitHeight * 1.2)
                    color: systemPalette.button

                    Text {
                        id: headerText
                        anchors.fill: parent
                        anchors.leftMargin: horizontalAlignment === Text.AlignLeft ? 12 : 1
                        anchors.rightMargin: horizontalAlignment === Text.AlignRight ? 8 : 1
                        verticalAlignment: Text.AlignVCenter
                        horizontalAlignment: styleData.textAlignment
                        text: styleData.value
                        elide: Text.ElideRight
                        color: systemPalette.buttonText
                    }
                    Rectangle {
                        width: 1
                        height: parent.height - 2
                        y: 1
                        color: systemPalette.mid
                    }
                    Rectangle {
                        anchors.bottom: parent.bottom
                        width: parent.width
                        height: 1
                        color: systemPalette.mid
                    }
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

            Rectangle {
                objectName: "tableFocusFrame"
                anchors.fill: parent
                color: "transparent"
                border.width: 2
                border.color: focusColour(systemPalette.base)
                visible: tableView.activeFocus
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

    // The highlight marks the calculator whose files are shown: the list's
    // own index moves its own way when rows go, the model's decides.
    Connections {
        target: calcModel
        function onIndexOrSizeChange(newIndex) {
            fileListView.currentIndex = newIndex
        }
    }

    BusyIndicator {
        objectName: "busyIndicator"
        anchors.centerIn: parent
        visible: calcSession.isBusy
        Accessible.name: "Busy"
        Accessible.ignored: !visible
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
        // Escape and a press outside close it too, but neither shows.
        standardButtons: Dialog.Close

        Column {
            id: aboutColumn
            spacing: 20

            Label {
                objectName: "aboutVersion"
                width: aboutDialog.availableWidth
                wrapMode: Label.Wrap
                font.pixelSize: 12
                font.bold: true
                text: "Vuve Vudurod " + Qt.application.version
            }

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
        text: literalText(calcSession.error)
        // Which file, which calculator, and what to do, where it is known.
        informativeText: literalText(calcSession.errorDetail)
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

        // The box's text cannot be told to be plain, and Qt guesses rich
        // text from a tag a device may have put in its words.
        function literalText(text) {
            if (!/[<&]/.test(text))
                return text
            return "<p style=\"white-space:pre-wrap\">"
                    + text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;") + "</p>"
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
            textFormat: Text.PlainText
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
            textFormat: Text.PlainText
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
            textFormat: Text.PlainText
        }

        // The same answer for every taken name of this send, under the
        // question and above Yes and No.
        AllAnswersRow {
            id: sendAllAnswers
            anchors.right: parent.right
            y: doYouWantSendFileText.height + 12
            onAnsweredAll: {
                doYouWantSendFile.close()
                calcSession.releaseAllToCalcCollisions(replace)
                processSendCollision()
            }
        }
        contentHeight: sendAllAnswers.y + sendAllAnswers.height

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
        // The title quotes a calculator's file name: never markup.
        Component.onCompleted: header.textFormat = Text.PlainText

        // The same answer for every file of this download that exists here.
        AllAnswersRow {
            anchors.right: parent.right
            onAnsweredAll: {
                doYouWantDownloadFile.close()
                calcSession.releaseAllFromCalcCollisions(replace)
                processDownloadCollision()
            }
        }

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
            // Typing starts at once, and Enter is OK.
            focus: true
            Accessible.name: placeholderText
            // The selection is a light tint of the field, so the field's own
            // text colour reads on it, light or dark.
            selectedTextColor: palette.text
            onAccepted: changeNameDialog.accept()
            Accessible.description: nameLimitNote.visible ? nameLimitNote.text : ""
        }

        // The field cuts a longer name off, typed or pasted: say so.
        Label {
            id: nameLimitNote
            objectName: "nameLimitNote"
            anchors.top: newNameField.bottom
            anchors.topMargin: 8
            width: changeNameDialog.availableWidth
            wrapMode: Label.Wrap
            font.pixelSize: 12
            visible: newNameField.length >= newNameField.maximumLength
            text: "A device name has at most " + newNameField.maximumLength + " characters."
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        contentHeight: newNameField.height + (nameLimitNote.visible ? nameLimitNote.anchors.topMargin + nameLimitNote.height : 0)

        // Each opening starts from the calculator's name, selected so that
        // typing replaces it; a cancelled text does not come back. The field
        // takes the keys even where a button took focus at the last closing.
        onAboutToShow: {
            newNameField.text = calcModel.getName()
            newNameField.selectAll()
            newNameField.focus = true
        }

        onAccepted: {
            if (newNameField.text !== "" && newNameField.text !== calcModel.getName())
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
            textFormat: Text.PlainText
        }

        onAccepted: processSendCollision()
    }

    FileDialog {
        id: choseFolderDialog
        title: "Please choose a folder to save files"
        folder: shortcuts.home
        selectFolder: true
        // The widget dialog is made at the first opening and takes its folder
        // only then.
        property url startFolder: folder
        property bool started: false
        onVisibilityChanged: if (visible && !started) { started = true; folder = startFolder }
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
        property url startFolder: folder
        property bool started: false
        onVisibilityChanged: if (visible && !started) { started = true; folder = startFolder }
        nameFilters: ["Vori calc files (*.py *.bin)", "All files (*)"]
        // Calculators hold .csv and .txt files too; the narrower filter
        // stays one choice away.
        selectedNameFilter: nameFilters[1]
        onAccepted: {
            calcSession.toCalcUrls(fileUrls)
            processSendCollision()
        }
    }

    // Keys for the toolbar's and the menu's actions. Each runs the entry a
    // click runs and is off while that entry is, and none takes the keys of
    // Copy or Paste.
    Shortcut {
        id: downloadKey
        objectName: "downloadKey"
        sequence: StandardKey.Save
        enabled: downloadButton.enabled
        onActivated: downloadButton.clicked()
    }
    Shortcut {
        objectName: "downloadAsKey"
        sequence: "Ctrl+Shift+S"
        enabled: downloadButton.enabled
        onActivated: downloadButton.clicked()
    }
    Shortcut {
        id: sendKey
        objectName: "sendKey"
        sequence: StandardKey.Open
        enabled: sendButton.enabled
        onActivated: sendButton.clicked()
    }
    Shortcut {
        id: deleteKey
        objectName: "deleteKey"
        // Del alone: the platform's Delete may list more keys, of which a
        // shortcut would take only the first, with a warning.
        sequence: "Del"
        enabled: deleteButton.enabled
        onActivated: deleteButton.clicked()
    }
    // The menu is unreachable while a job runs, and so is its key.
    Shortcut {
        id: renameKey
        objectName: "renameKey"
        sequence: "F2"
        enabled: !calcSession.isBusy
        onActivated: changeNameMenuItem.triggered()
    }

    // The desktop's colours, light or dark, wherever the window gives none;
    // the style alone would keep its own light ones.
    SystemPalette {
        id: systemPalette
        colorGroup: SystemPalette.Active
    }
    palette.window: systemPalette.window
    palette.windowText: systemPalette.windowText
    palette.base: systemPalette.base
    palette.alternateBase: systemPalette.alternateBase
    palette.text: systemPalette.text
    palette.button: systemPalette.button
    palette.buttonText: systemPalette.buttonText
    palette.highlight: systemPalette.highlight
    palette.highlightedText: systemPalette.highlightedText
    palette.light: systemPalette.light
    palette.midlight: systemPalette.midlight
    palette.mid: systemPalette.mid
    palette.dark: systemPalette.dark
    palette.shadow: systemPalette.shadow

    // The file table's row height, as its style measures it.
    FontMetrics {
        id: rowFont
    }
    // Selected files' text, which the table's style keeps white: the
    // desktop's, where it reads on the desktop's highlight (4.5:1).
    Binding {
        target: tableView.__style
        property: "highlightedTextColor"
        value: standOut(systemPalette.highlightedText, systemPalette.highlight, 4.5)
    }

    // The desktop's highlight where it stands out from what the focus frame
    // is drawn on (3:1), else black or white.
    function focusColour(backdrop) {
        return standOut(systemPalette.highlight, backdrop, 3)
    }

    // The preferred colour if it has the least contrast with the backdrop,
    // else black or white, whichever has more.
    function standOut(preferred, backdrop, least) {
        if (contrast(preferred, backdrop) >= least)
            return preferred
        var black = Qt.rgba(0, 0, 0, 1)
        var white = Qt.rgba(1, 1, 1, 1)
        return contrast(black, backdrop) >= contrast(white, backdrop) ? black : white
    }

    // The contrast ratio of two opaque colours, from 1 to 21 (WCAG 2).
    function contrast(first, second) {
        function channel(value) {
            return value <= 0.03928 ? value / 12.92 : Math.pow((value + 0.055) / 1.055, 2.4)
        }
        function luminance(colour) {
            return 0.2126 * channel(colour.r) + 0.7152 * channel(colour.g) + 0.0722 * channel(colour.b)
        }
        var a = luminance(first)
        var b = luminance(second)
        return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)
    }

    // All attached tooltips share one; it shows a toolbar button's key
    // after the button's own text.
    Component.onCompleted: {
        var tip = menuButton.ToolTip.toolTip
        if (!tip || !tip.contentItem)
            return
        tip.contentItem.text = Qt.binding(function () {
            var hint = tip.parent && tip.parent.keyHint ? tip.parent.keyHint : ""
            return hint !== "" ? tip.text + " (" + hint + ")" : tip.text
        })
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
