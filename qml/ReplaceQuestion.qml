import QtQuick 2.12
import QtQuick.Controls 2.5

// Whether to replace a file that already exists where it is going: Yes and
// No for this file, "Yes to all" and "No to all" for it and every later one
// of the same send or download.
QuestionDialog {
    id: question

    // Each answer, once the dialog has closed.
    signal answered(bool replace, bool forAll)

    standardButtons: Dialog.Yes | Dialog.No
    onAccepted: answered(true, false)
    onRejected: answered(false, false)

    // Under the question and above Yes and No.
    AllAnswersRow {
        id: allAnswers
        anchors.right: parent.right
        y: question.message.visible ? question.message.height + 12 : 0
        onAnsweredAll: {
            question.close()
            question.answered(replace, true)
        }
    }
    contentHeight: allAnswers.y + allAnswers.height
}
