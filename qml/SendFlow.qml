import QtQuick 2.12
import QtQuick.Controls 2.5
import "Texts.js" as Texts

// Files on their way to the calculator: chosen, dropped or pasted, then
// every consequence the session finds put to the user one question at a
// time (zero-length files first, then names taken on the calculator, then
// names that change), and the send once none is left. The session keeps the
// pending questions and settles each answer.
Item {
    id: flow

    // The session that plans and sends.
    property var session

    function choose() {
        choseFileDialog.open()
    }

    function send(urls) {
        session.toCalcUrls(urls)
        next()
    }

    // The next question, or the send. A question closed without a button
    // ends the flow, and what is still pending stays with the session.
    function next() {
        if (session.isToCalcZeroSizeCollision()) {
            zeroSizeFileWontBeSent.text = qsTr("File %1 is zero-length and can't be sent.").arg(session.collisionToCalcZeroSizeFileName())
            zeroSizeFileWontBeSent.open()
        } else if (session.isToCalcExistingCollision()) {
            doYouWantSendFile.text = qsTr("File %1 already exists on your calculator.\nDo you want to replace it?").arg(session.collisionToCalcFileName())
            doYouWantSendFile.open()
        } else if (session.isToCalcNameCollision()) {
            // The old name is asked first, and one name may hold the other's
            // marker ("%2"): both go in at once.
            var oldName = session.getNameToCalcCollisionOld()
            var newName = session.getNameToCalcCollisionNew()
            // A name short enough already only changes case.
            fileNameWasChangeDialog.text = session.isNameCollisionCaseOnly()
                    ? Texts.fill(qsTr("The file name (%1) will be changed to %2: names on the calculator are upper case."), [oldName, newName])
                    : Texts.fill(qsTr("The file name (%1) exceeds the allowed limit of 8 symbols for a file name and 3 symbols for an extension and will be changed to %2"), [oldName, newName])
            fileNameWasChangeDialog.open()
        } else {
            session.sendFiles()
        }
    }

    QuestionDialog {
        id: zeroSizeFileWontBeSent
        objectName: "zeroSizeFileWontBeSent"
        message.objectName: "zeroSizeFileWontBeSentText"
        standardButtons: Dialog.Ok
        onAccepted: flow.next()
    }

    ReplaceQuestion {
        id: doYouWantSendFile
        objectName: "doYouWantSendFile"
        message.objectName: "doYouWantSendFileText"
        onAnswered: {
            if (forAll)
                flow.session.releaseAllToCalcCollisions(replace)
            else
                flow.session.releaseToCalcCollision(replace)
            flow.next()
        }
    }

    QuestionDialog {
        id: fileNameWasChangeDialog
        objectName: "fileNameWasChangeDialog"
        message.objectName: "fileNameWasChangeDialogText"
        title: qsTr("Warning")
        standardButtons: Dialog.Ok
        onAccepted: flow.next()
    }

    Chooser {
        id: choseFileDialog
        objectName: "choseFileDialog"
        title: qsTr("Please choose files")
        selectMultiple: true
        // Calculators hold .csv and .txt files too: all files are one
        // choice away.
        nameFilters: [qsTr("Vori calc files (*.py *.bin)"), qsTr("All files (*)")]
        selectedNameFilter: nameFilters[0]
        onAccepted: flow.send(fileUrls)
    }
}
