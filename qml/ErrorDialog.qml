import QtQuick 2.12
import QtQuick.Dialogs 1.3
import QtQuick.Controls 2.5

// The session's error, shown as soon as it is set and cleared once closed.
MessageDialog {
    // The session whose error it shows.
    property var session

    title: qsTr("Error")
    text: literalText(session.error)
    // Which file, which calculator, and what to do, where it is known.
    informativeText: literalText(session.errorDetail)
    width: 300
    standardButtons: Dialog.Ok
    onTextChanged: {
        if (text !== "")
            open()
    }
    onVisibilityChanged: {
        if (!this.visible)
            session.error = ""
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
