import QtQuick 2.12
import QtQuick.Controls 2.5

// Files on their way to the calculator: chosen, dropped or pasted, then
// every consequence the session finds put to the user one question at a
// time (zero-length files first, then names taken on the calculator, then
// names that change), and the send once none is left. The session keeps the
// pending questions and settles each answer.
Item {
    id: flow

    function choose() {
        choseFileDialog.open()
    }

    function send(urls) {
        calcSession.toCalcUrls(urls)
        next()
    }

    // The next question, or the send. A question closed without a button
    // ends the flow, and what is still pending stays with the session.
    function next() {
        if (calcSession.isToCalcZeroSizeCollision()) {
            zeroSizeFileWontBeSent.text = "File " + calcSession.collisionToCalcZeroSizeFileName() + " is zero-length and can't be sent."
            zeroSizeFileWontBeSent.open()
        } else if (calcSession.isToCalcExistingCollision()) {
            doYouWantSendFile.text = "File " + calcSession.collisionToCalcFileName() + " already exists on your calculator.\nDo you want to replace it?"
            doYouWantSendFile.open()
        } else if (calcSession.isToCalcNameCollision()) {
            fileNameWasChangeDialog.text = "The file name (" + calcSession.getNameToCalcCollisionOld() + ") exceeds the allowed limit of 8 symbols for a file name and 3 symbols for an extension and will be changed to " + calcSession.getNameToCalcCollisionNew()
            fileNameWasChangeDialog.open()
        } else {
            calcSession.sendFiles()
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
                calcSession.releaseAllToCalcCollisions(replace)
            else
                calcSession.releaseToCalcCollision(replace)
            flow.next()
        }
    }

    QuestionDialog {
        id: fileNameWasChangeDialog
        objectName: "fileNameWasChangeDialog"
        message.objectName: "fileNameWasChangeDialogText"
        title: "Warning"
        standardButtons: Dialog.Ok
        onAccepted: flow.next()
    }

    Chooser {
        id: choseFileDialog
        objectName: "choseFileDialog"
        title: "Please choose files"
        selectMultiple: true
        nameFilters: ["Vori calc files (*.py *.bin)", "All files (*)"]
        // Calculators hold .csv and .txt files too; the narrower filter
        // stays one choice away.
        selectedNameFilter: nameFilters[1]
        onAccepted: flow.send(fileUrls)
    }
}
