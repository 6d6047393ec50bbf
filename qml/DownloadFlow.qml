import QtQuick 2.12
import QtQuick.Controls 2.5
import "Selection.js" as Selection

// The selected files from the calculator to a folder the user chooses: every
// file that already exists there put to the user one question at a time, and
// the download once none is left. The session keeps the pending questions and
// settles each answer.
Item {
    id: flow

    // The session that downloads, the file table whose selected rows go,
    // and the clipboard that Copy puts them on.
    property var session
    property var table
    property var clipboardAdapter

    function choose() {
        choseFolderDialog.open()
    }

    // Into a new private folder of the session's, with no question, for the
    // clipboard to hand on as files.
    function copy() {
        Selection.addTo(session, table.selection)
        session.fromCalcUrls()
        clipboardAdapter.setUrls(session.downloadsFiles())
    }

    // The next question, or the download.
    function next() {
        if (session.isFromCalcCollision()) {
            doYouWantDownloadFile.title = qsTr("File %1 already exists on your PC.\nDo you want to replace it?").arg(session.isolated(session.collisionFromCalcFileName()))
            doYouWantDownloadFile.open()
        } else {
            session.downloadsFiles()
        }
    }

    ReplaceQuestion {
        id: doYouWantDownloadFile
        objectName: "doYouWantDownloadFile"
        onAnswered: {
            if (forAll)
                flow.session.releaseAllFromCalcCollisions(replace)
            else
                flow.session.releaseFromCalcCollision(replace)
            flow.next()
        }
    }

    Chooser {
        id: choseFolderDialog
        objectName: "choseFolderDialog"
        title: qsTr("Please choose a folder to save files")
        selectFolder: true
        onAccepted: {
            Selection.addTo(flow.session, flow.table.selection)
            flow.session.fromCalcUrls(true, fileUrl)
            flow.next()
        }
    }
}
