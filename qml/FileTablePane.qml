import QtQuick 2.12
import QtQuick.Controls 1.4
import "Colours.js" as Colours

// The files on the calculator whose row is current: name and size, rows the
// user selects for download, Copy and Delete. Its rows, header and cells are
// drawn in the desktop's colours, and a file name is never markup.
Rectangle {
    id: pane

    // The table, whose selection the window's entries act on.
    property alias table: tableView
    // The current calculator's files, and the session, which holds the
    // table while a job runs.
    property var files
    property var session

    TableView {
        id: tableView
        enabled: !pane.session.isBusy
        anchors.fill: parent
        selectionMode: 2
        model: pane.files

        TableViewColumn {
            id: nameColumn
            role: "nameRole"
            title: qsTr("Name")
        }
        TableViewColumn {
            role: "sizeRole"
            title: qsTr("Size")
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

        Accessible.name: qsTr("Files")
        Accessible.description: currentRow >= 0 && currentRow < rowCount ? pane.files.getName(currentRow) : ""

        // Rows and header in the desktop's colours: the style's own keep a
        // light grey and a light header picture on a dark palette. Each row
        // is named for a screen reader; the view also draws rows past the
        // last file, which are no files.
        rowDelegate: Rectangle {
            id: fileRow
            objectName: "fileRow"
            readonly property bool isFile: styleData.row !== undefined && styleData.row >= 0 && model !== null
            readonly property string fileName: isFile ? model.nameRole : ""
            height: Math.round(rowFont.height * 1.2)
            color: styleData.selected ? desktop.highlight
                                      : !styleData.alternate ? desktop.alternateBase : desktop.base

            Accessible.role: Accessible.Row
            Accessible.ignored: !isFile
            //: The name and size of a file in the table, for a screen reader.
            Accessible.name: isFile ? qsTr("%1, %n bytes", "", model.sizeRole).arg(model.nameRole) : ""
            Accessible.selectable: isFile
            Accessible.selected: isFile && styleData.selected
        }
        headerDelegate: Rectangle {
            height: Math.round(headerText.implicitHeight * 1.2)
            color: desktop.button

            Text {
                id: headerText
                anchors.fill: parent
                anchors.leftMargin: horizontalAlignment === Text.AlignLeft ? 12 : 1
                anchors.rightMargin: horizontalAlignment === Text.AlignRight ? 8 : 1
                verticalAlignment: Text.AlignVCenter
                horizontalAlignment: styleData.textAlignment
                text: styleData.value
                elide: Text.ElideRight
                color: desktop.buttonText
            }
            Rectangle {
                width: 1
                height: parent.height - 2
                y: 1
                color: desktop.mid
            }
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: desktop.mid
            }
        }
    }

    FocusFrame {
        objectName: "tableFocusFrame"
        backdrop: desktop.base
        visible: tableView.activeFocus
    }

    SystemPalette {
        id: desktop
        colorGroup: SystemPalette.Active
    }

    // The table's row height, as its style measures it.
    FontMetrics {
        id: rowFont
    }
    // Selected files' text, which the table's style keeps white: the
    // desktop's, where it reads on the desktop's highlight (4.5:1).
    Binding {
        target: tableView.__style
        property: "highlightedTextColor"
        value: Colours.standOut(desktop.highlightedText, desktop.highlight, 4.5)
    }

    // Row numbers of one calculator's files mean other files on another.
    Connections {
        target: pane.session
        function onCurrentCalcChange() {
            tableView.selection.clear()
        }
    }
}
