import QtQuick 2.12
import QtQuick.Controls 2.5
import "Selection.js" as Selection

// The selected files deleted from the calculator once the user has seen
// their names and said Yes.
Item {
    id: flow

    // The session that deletes, and the file table whose selected rows go.
    property var session
    property var table

    function ask() {
        var names = ""
        table.selection.forEach(function (rowIndex) {
            names += "\n" + session.isolated(table.model.getName(rowIndex))
        })
        //: %1 is the selected files' names, each on a line of its own.
        doYouWantDeleteItDialog.text = qsTr("Do you want to delete next files:%1?").arg(names)
        doYouWantDeleteItDialog.open()
    }

    QuestionDialog {
        id: doYouWantDeleteItDialog
        objectName: "doYouWantDeleteItDialog"
        message.objectName: "doYouWantDeleteItText"
        standardButtons: Dialog.Yes | Dialog.No
        onAccepted: {
            Selection.addTo(flow.session, flow.table.selection)
            flow.session.deleteSelected()
            flow.table.selection.clear()
        }
    }
}
