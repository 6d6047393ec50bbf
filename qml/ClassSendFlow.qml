import QtQuick 2.12
import QtQuick.Controls 2.5

// The same files to several calculators: chosen once, planned once per
// calculator by the session, and what the plans found told once for the
// whole class (zero-length files, files none can take, files that would
// share a name and name changes in one notice, names taken on any
// calculator in one question), then every calculator sends at once.
Item {
    id: flow

    // true: every calculator listed; false: the chosen ones.
    property bool toAll: true
    // The session that plans the class's sends and starts them.
    property var session

    function choose(all) {
        toAll = all
        classFileDialog.open()
    }

    function plan(urls) {
        if (!session.planClassSend(urls, toAll)) {
            session.statusLineText = toAll ? qsTr("No calculator is connected")
                                               : qsTr("No calculator is chosen")
            return
        }
        var notes = []
        var empty = session.classEmptyFiles()
        if (empty.length > 0)
            notes.push(qsTr("These files are zero-length and will not be sent: %1").arg(empty.join(", ")))
        var refused = session.classRefusedFiles()
        if (refused.length > 0)
            notes.push(qsTr("These files can't be sent to any calculator and are left out: %1").arg(refused.join(", ")))
        var sameNames = session.classSameNames()
        if (sameNames.length > 0)
            notes.push(qsTr("These files are left out: %1").arg(sameNames.join(" ")))
        var changes = session.classNameChanges()
        if (changes.length > 0)
            notes.push(qsTr("These names are too long for a calculator and change: %1").arg(changes.join(", ")))
        var caseChanges = session.classCaseChanges()
        if (caseChanges.length > 0)
            notes.push(qsTr("Names on the calculator are upper case, so these change: %1").arg(caseChanges.join(", ")))
        if (notes.length > 0) {
            classNotice.text = notes.join("\n\n")
            classNotice.open()
        } else {
            ask()
        }
    }

    function ask() {
        var taken = session.classTakenNames()
        if (taken.length === 0) {
            start(false)
            return
        }
        classReplaceQuestion.text = qsTr("Some calculators already hold %1.\nReplace them on every calculator, or skip them?").arg(taken.join(", "))
        classReplaceQuestion.open()
    }

    function start(replace) {
        session.startClassSend(replace)
    }

    QuestionDialog {
        id: classNotice
        objectName: "classNotice"
        message.objectName: "classNoticeText"
        title: qsTr("Send to several calculators")
        standardButtons: Dialog.Ok
        onAccepted: flow.ask()
    }

    // One answer for the whole class; closing it sends nothing.
    QuestionDialog {
        id: classReplaceQuestion
        objectName: "classReplaceQuestion"
        message.objectName: "classReplaceQuestionText"
        title: qsTr("Files already on calculators")

        footer: DialogButtonBox {
            Button {
                objectName: "classReplaceAll"
                text: qsTr("Replace all")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
                onClicked: { classReplaceQuestion.close(); flow.start(true) }
            }
            Button {
                objectName: "classSkipAll"
                text: qsTr("Skip all")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.ApplyRole
                onClicked: { classReplaceQuestion.close(); flow.start(false) }
            }
            Button {
                objectName: "classCancel"
                text: qsTr("Cancel")
                Accessible.name: text
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
                onClicked: classReplaceQuestion.close()
            }
        }
    }

    Chooser {
        id: classFileDialog
        objectName: "classFileDialog"
        title: qsTr("Please choose files for the calculators")
        selectMultiple: true
        nameFilters: [qsTr("Vori calc files (*.py *.bin)"), qsTr("All files (*)")]
        selectedNameFilter: nameFilters[0]
        onAccepted: flow.plan(fileUrls)
    }
}
