import QtQuick 2.12
import QtQuick.Controls 2.5

// The attached calculators, one row each; a click, or a key once Tab has
// reached the list, picks the one whose files are shown. Below them, the
// notices of ports that gave no calculator; with none listed, how to get one.
Rectangle {
    id: pane

    // Its count is how the window tells whether a calculator is attached.
    property alias list: fileListView
    // The calculators listed, and the session, which keeps which are chosen
    // and the ports' notices.
    property var calculators
    property var session

    color: "#f0f0f0"

    ScrollView {
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: doctorNotices.top

        ListView {
            id: fileListView
            width: parent.width
            spacing: 5
            model: pane.calculators
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
                    // Short of the tick at the row's end.
                    width: parent.width - 60
                    elide: Text.ElideRight
                    // A class set's names differ at their ends ("… Desk 4"):
                    // a long name gets smaller before it loses its end.
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 14
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        fileListView.currentIndex = index
                        pane.calculators.currentIndex = index
                    }
                }

                // Chosen for a send to several calculators; Space on the
                // list ticks the current one.
                CheckBox {
                    objectName: "chooseBox"
                    anchors.right: parent.right
                    anchors.rightMargin: 14
                    anchors.verticalCenter: parent.verticalCenter
                    checked: pane.session.chosenCount >= 0 && pane.session.isChosen(index)
                    onToggled: pane.session.setChosen(index, checked)
                    // Tab goes from the list to the files as ever; the
                    // list's Space ticks the current row instead.
                    focusPolicy: Qt.NoFocus
                    activeFocusOnTab: false
                    Accessible.name: qsTr("Choose %1").arg(model.display)
                }

                Accessible.role: Accessible.ListItem
                Accessible.name: model.display
                Accessible.selectable: true
                Accessible.selected: ListView.isCurrentItem
                Accessible.onPressAction: fileListView.pick(index)
            }

            activeFocusOnTab: true
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Calculators")
            Keys.onUpPressed: pick(currentIndex <= 0 ? 0 : currentIndex - 1)
            Keys.onDownPressed: pick(currentIndex + 1)
            Keys.onSpacePressed: {
                if (currentIndex >= 0)
                    pane.session.setChosen(currentIndex, !pane.session.isChosen(currentIndex))
            }
            Keys.onPressed: {
                if (event.key === Qt.Key_Home)
                    pick(0)
                else if (event.key === Qt.Key_End)
                    pick(count - 1)
                else
                    return
                event.accepted = true
            }

            // A key picks a calculator the way a click does: the model's
            // index is what switches the session, so both are written, in
            // the click's order. The list's own index also moves when rows
            // come and go, which must not switch calculators, so it is not
            // followed.
            function pick(row) {
                if (row < 0 || row >= count)
                    return
                currentIndex = row
                pane.calculators.currentIndex = row
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
        text: pane.session.doctor.readingPorts.length > 0
              //: %1 is the ports being read, separated by commas.
              ? qsTr("Reading the calculator on %1\u2026").arg(pane.session.doctor.readingPorts.join(", "))
              : qsTr("Connect a calculator with its USB cable. It shows up here within a few seconds.")
                + (Qt.platform.os === "linux"
                   ? "\n\n" + qsTr("Nothing appears? Check that the calculator is switched on and shows its home screen, and that /dev/ttyACM0 (or a later number) exists. If you may not open it, /usr/share/doc/vuve-vudurod/troubleshooting.md tells how to get access.")
                   : "")
    }

    // One notice per port that has the calculator's identifiers but gave no
    // calculator; it stays until dismissed or unplugged. However long or
    // many the notices, the list keeps most of the pane: a notice shows a few
    // lines and scrolls the rest, and past two notices one notice holds them
    // all.
    Column {
        id: doctorNotices
        objectName: "doctorNotices"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        spacing: 4
        readonly property var notices: pane.session.doctor.notices
        readonly property bool grouped: notices.length > 2
        readonly property int shownLines: 5

        Repeater {
            model: doctorNotices.grouped
                   ? [qsTr("%n devices need attention:", "", doctorNotices.notices.length) + "\n"
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

                // Under the dismiss button, so the text keeps its width
                // whether the bar shows or not.
                ScrollBar {
                    id: noticeBar
                    anchors.horizontalCenter: dismissButton.horizontalCenter
                    anchors.top: dismissButton.bottom
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 4
                    policy: noticeScroll.scrolls ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                }

                FocusFrame {
                    anchors.fill: noticeScroll
                    anchors.margins: -2
                    backdrop: parent.color
                    visible: noticeScroll.activeFocus
                }

                ToolbarButton {
                    id: dismissButton
                    anchors.right: parent.right
                    anchors.top: parent.top
                    text: "\u00d7"
                    tip: qsTr("Dismiss")
                    onClicked: {
                        if (doctorNotices.grouped)
                            pane.session.doctor.dismissAll()
                        else
                            pane.session.doctor.dismiss(index)
                    }
                    Accessible.description: modelData
                    // On the notice's own colours, light or dark.
                    palette.button: parent.color
                    palette.buttonText: "#202020"
                }
            }
        }
    }

    FocusFrame {
        objectName: "listFocusFrame"
        backdrop: pane.color
        visible: fileListView.activeFocus
    }

    // The highlight marks the calculator whose files are shown: the list's
    // own index moves its own way when rows go, the model's decides.
    Connections {
        target: pane.calculators
        function onIndexOrSizeChange(newIndex) {
            fileListView.currentIndex = newIndex
        }
    }
}
