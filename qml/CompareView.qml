import QtQuick 2.12
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.3

// The current calculator beside a folder: a row per name with a mark that
// does not rely on colour, its status in words and the size on each side,
// then one button that makes the calculator hold the folder's files. It stays
// over the file table until closed; the window stays usable.
Popup {
    id: view
    objectName: "compareView"

    // The session whose compare it shows.
    property var session
    readonly property var compare: session.folderCompare
    readonly property var mainWindow: ApplicationWindow.window

    // Opens the folder chooser; the compare starts once a folder is chosen.
    function choose() {
        folderChooser.startFolder = session.collectFolderUrl()
        folderChooser.open()
    }

    visible: compare.active
    modal: false
    focus: visible
    closePolicy: Popup.NoAutoClose
    width: mainWindow ? mainWindow.width * 0.7 - 12 : 500
    height: mainWindow ? Math.min(mainWindow.height - 80, 400) : 400
    x: mainWindow ? mainWindow.width - width - 6 : 0
    y: mainWindow ? 40 : 0

    ColumnLayout {
        anchors.fill: parent
        spacing: 6
        Accessible.role: Accessible.Dialog
        Accessible.name: titleLabel.text

        Label {
            id: titleLabel
            objectName: "compareTitle"
            Layout.fillWidth: true
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            font.bold: true
            text: qsTr("%1 compared with %2").arg(view.session.isolated(view.compare.calculator)).arg(view.compare.folder)
        }

        ListView {
            id: rows
            objectName: "compareRows"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: view.compare
            activeFocusOnTab: true
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Files compared")
            ScrollBar.vertical: ScrollBar {}

            delegate: Rectangle {
                width: ListView.view ? ListView.view.width : 0
                height: rowLayout.implicitHeight + 6
                color: index % 2 ? "#f4f4f4" : "transparent"
                Accessible.role: Accessible.ListItem
                Accessible.name: model.name + ": " + model.statusText
                // Names are the calculator's or the folder's, never markup.
                RowLayout {
                    id: rowLayout
                    x: 4
                    width: parent.width - 8
                    anchors.verticalCenter: parent.verticalCenter
                    Label {
                        text: model.mark
                        font.bold: true
                        Layout.preferredWidth: 16
                        horizontalAlignment: Text.AlignHCenter
                    }
                    Label {
                        text: model.name
                        textFormat: Text.PlainText
                        wrapMode: Text.WrapAnywhere
                        Layout.preferredWidth: 110
                    }
                    Label {
                        text: model.statusText
                        textFormat: Text.PlainText
                        wrapMode: Text.Wrap
                        Layout.fillWidth: true
                        color: model.status === 0 ? "#2e6b30" : (model.status === 4 ? palette.text : "#8a5a00")
                    }
                    Label {
                        text: model.calculatorSize
                        horizontalAlignment: Text.AlignRight
                        Layout.preferredWidth: 90
                    }
                    Label {
                        text: model.folderSize
                        horizontalAlignment: Text.AlignRight
                        Layout.preferredWidth: 90
                    }
                }
            }
            header: RowLayout {
                x: 4
                width: rows.width - 8
                Item { Layout.preferredWidth: 16 }
                Label { text: qsTr("Name"); font.bold: true; Layout.preferredWidth: 110 }
                Label { text: qsTr("Status"); font.bold: true; Layout.fillWidth: true }
                Label { text: qsTr("Calculator"); font.bold: true; Layout.preferredWidth: 90; horizontalAlignment: Text.AlignRight; elide: Text.ElideRight }
                Label { text: qsTr("Folder"); font.bold: true; Layout.preferredWidth: 90; horizontalAlignment: Text.AlignRight; elide: Text.ElideRight }
            }
        }

        Label {
            objectName: "compareSummary"
            Layout.fillWidth: true
            text: view.compare.summary
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        CheckBox {
            id: deleteTick
            objectName: "compareDeleteTick"
            Layout.fillWidth: true
            topPadding: 0
            bottomPadding: 0
            text: qsTr("Also delete the files that are only on the calculator")
            Accessible.name: text
            enabled: view.compare.extraCount > 0
        }

        RowLayout {
            Layout.alignment: Qt.AlignRight
            Button {
                objectName: "compareMatch"
                text: qsTr("Make the calculator match the folder")
                Accessible.name: text
                enabled: !view.compare.comparing && view.compare.differs && !view.session.isBusy
                onClicked: deleteTick.checked && view.compare.extraCount > 0 ? matchQuestion.open()
                                                                             : view.session.matchFolder(false)
            }
            Button {
                objectName: "compareClose"
                text: qsTr("Close")
                Accessible.name: text
                enabled: !view.compare.comparing
                onClicked: view.compare.close()
            }
        }
    }

    // Deleting is said file by file before it happens.
    QuestionDialog {
        id: matchQuestion
        objectName: "compareDeleteQuestion"
        parent: Overlay.overlay
        title: qsTr("Delete files on the calculator?")
        text: qsTr("These files are only on the calculator and will be deleted: %1").arg(view.compare.extraNames().join(", "))
        onAccepted: view.session.matchFolder(true)
        footer: DialogButtonBox {
            Button {
                text: qsTr("Delete and Match")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
            Button {
                text: qsTr("Cancel")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
        }
    }

    Chooser {
        id: folderChooser
        objectName: "compareFolderDialog"
        title: qsTr("Choose the folder to compare the calculator with")
        selectFolder: true
        onAccepted: {
            if (!view.session.compareWithFolder(fileUrl))
                view.session.statusLineText = qsTr("The calculator is busy; compare again once its job has ended")
        }
    }
}
