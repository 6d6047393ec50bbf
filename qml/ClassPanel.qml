import QtQuick 2.12
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.3

// A job over several calculators, one row each: the calculator, where it
// stands, and what came of it; under them the summary. It stays over the
// window, which stays usable, until closed once the job has ended.
Popup {
    id: panel
    objectName: "classPanel"

    // The session whose job over several calculators it shows.
    property var session
    readonly property var job: session.classJob
    readonly property var mainWindow: ApplicationWindow.window

    visible: job.active
    modal: false
    focus: visible
    closePolicy: Popup.NoAutoClose
    // Over the files, beside the calculator list, whose ticks and rows
    // stay in sight and in reach.
    width: mainWindow ? mainWindow.width * 0.7 - 12 : 500
    height: mainWindow ? Math.min(mainWindow.height - 80, 380) : 380
    x: mainWindow ? mainWindow.width - width - 6 : 0
    y: mainWindow ? 40 : 0

    ColumnLayout {
        anchors.fill: parent
        spacing: 6
        Accessible.role: Accessible.Dialog
        Accessible.name: panel.job.title

        Label {
            objectName: "classTitle"
            Layout.fillWidth: true
            wrapMode: Text.Wrap
            text: panel.job.title
            textFormat: Text.PlainText
            font.bold: true
        }

        ListView {
            id: classRows
            objectName: "classRows"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: panel.job
            activeFocusOnTab: true
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Calculators of the job")
            ScrollBar.vertical: ScrollBar {}

            delegate: Rectangle {
                width: ListView.view ? ListView.view.width : 0
                height: rowLayout.implicitHeight + 8
                color: index % 2 ? "#f4f4f4" : "transparent"
                Accessible.role: Accessible.ListItem
                Accessible.name: model.calculator + ": " + model.stateText
                    + (model.outcome !== "" && model.outcome !== model.stateText ? ", " + model.outcome : "")

                RowLayout {
                    id: rowLayout
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    anchors.margins: 4

                    Label {
                        Layout.preferredWidth: 120
                        text: model.calculator
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                    }
                    Label {
                        Layout.fillWidth: true
                        text: model.outcome !== "" && model.state === 3 ? model.stateText + ": " + model.outcome : model.stateText
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: model.state === 3 ? "#b00020" : (model.state === 2 ? "#1b5e20" : palette.text)
                    }
                    ProgressBar {
                        Layout.preferredWidth: 60
                        visible: model.progress >= 0
                        from: 0
                        to: 1
                        value: model.progress
                        Accessible.ignored: true
                    }
                }
            }
        }

        Label {
            objectName: "classSummary"
            Layout.fillWidth: true
            text: panel.job.summary
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }

        RowLayout {
            Layout.alignment: Qt.AlignRight

            Button {
                objectName: "classOpenFolder"
                text: qsTr("Open the folder")
                Accessible.name: qsTr("Open the folder the files were collected into")
                visible: panel.job.folder !== ""
                onClicked: Qt.openUrlExternally(panel.session.classFolderUrl())
            }
            Button {
                objectName: "classRetry"
                text: qsTr("Retry the failed ones")
                Accessible.name: text
                visible: !panel.job.running && panel.job.failedCount > 0 && !panel.job.station
                onClicked: panel.session.retryClassFailed()
            }
            Button {
                objectName: "classCancelJob"
                text: qsTr("Cancel")
                Accessible.name: qsTr("Cancel the job on every calculator")
                visible: panel.job.running && !panel.job.stationOn
                onClicked: panel.session.cancelClassJob()
            }
            Button {
                objectName: "stationOffButton"
                text: qsTr("Switch the Station Off")
                Accessible.name: text
                visible: panel.job.stationOn
                onClicked: panel.session.stopStation()
            }
            Button {
                objectName: "classClose"
                text: qsTr("Close")
                Accessible.name: text
                enabled: !panel.job.running
                onClicked: panel.job.close()
            }
        }
    }
}
