import QtQuick 2.12
import QtQuick.Controls 2.5

// One answer for this file and every later one, beside a replace question's
// Yes and No. These buttons neither accept nor reject the dialog: its owner
// closes it, settles all and goes on.
Row {
    id: row

    signal answeredAll(bool replace)

    spacing: 6

    Button {
        text: qsTr("Yes to all")
        onClicked: row.answeredAll(true)
    }
    Button {
        text: qsTr("No to all")
        onClicked: row.answeredAll(false)
    }
}
