import QtQuick 2.12
import QtQuick.Controls 2.5

// A new device name for the current calculator. Each opening starts from
// the calculator's name, selected so that typing replaces it; a cancelled
// text does not come back.
QuestionDialog {
    id: dialog
    title: qsTr("Enter a new device name:")
    standardButtons: Dialog.Ok | Dialog.Cancel

    // The field's text as the dialog opened: a device name longer than the
    // field takes shows cut, and that is no name the user chose.
    property string openedWith
    // The calculators, whose current one it renames, and the session that
    // renames it.
    property var calculators
    property var session

    TextField {
        id: newNameField
        objectName: "newNameField"
        placeholderText: qsTr("Enter a new device name")
        maximumLength: 64
        width: dialog.availableWidth
        selectByMouse: true
        selectionColor: "#6001B3E3"
        // Typing starts at once, and Enter is OK.
        focus: true
        Accessible.name: placeholderText
        // The selection is a light tint of the field, so the field's own
        // text colour reads on it, light or dark.
        selectedTextColor: palette.text
        onAccepted: dialog.accept()
        Accessible.description: nameLimitNote.visible ? nameLimitNote.text : ""
    }

    // The field cuts a longer name off, typed or pasted: say so.
    Label {
        id: nameLimitNote
        objectName: "nameLimitNote"
        anchors.top: newNameField.bottom
        anchors.topMargin: 8
        width: dialog.availableWidth
        wrapMode: Label.Wrap
        font.pixelSize: 12
        visible: newNameField.length >= newNameField.maximumLength
        text: qsTr("A device name has at most %1 characters.").arg(newNameField.maximumLength)
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    contentHeight: newNameField.height + (nameLimitNote.visible ? nameLimitNote.anchors.topMargin + nameLimitNote.height : 0)

    // The field takes the keys even where a button took focus at the last
    // closing.
    onAboutToShow: {
        newNameField.text = calculators.getName()
        openedWith = newNameField.text
        newNameField.selectAll()
        newNameField.focus = true
    }

    onAccepted: {
        if (newNameField.text !== "" && newNameField.text !== openedWith
                && newNameField.text !== calculators.getName())
            session.changeCalcName(newNameField.text)
    }
}
