import QtQuick 2.12
import QtQuick.Controls 2.5

// The version and the maker's rights notice, two thirds of the window's
// smaller side wide and never narrower than the questions.
QuestionDialog {
    id: dialog
    property int propW: mainWindow ? Math.min(mainWindow.width, mainWindow.height) / 3 * 2 : 0
    width: propW < 300 ? 300 : propW
    contentHeight: aboutColumn.height
    // A sixth of the way down as the questions, but pushed up where a longer
    // translation of the notice would reach past the window's bottom.
    topMargin: 0
    bottomMargin: 0
    title: qsTr("About")
    // Escape and a press outside close it too, but neither shows.
    standardButtons: Dialog.Close

    Column {
        id: aboutColumn
        spacing: 20

        Label {
            objectName: "aboutVersion"
            width: dialog.availableWidth
            wrapMode: Label.Wrap
            font.pixelSize: 12
            font.bold: true
            text: qsTr("Vuve Vudurod %1").arg(Qt.application.version)
        }

        Label {
            objectName: "aboutLanguage"
            width: dialog.availableWidth
            wrapMode: Label.Wrap
            font.pixelSize: 12
            //: Which language the window is in, named in that language.
            text: qsTr("Language: English")
        }

        Label {
            width: dialog.availableWidth
            wrapMode: Label.Wrap
            font.pixelSize: 12
            text: qsTr("Copyright \u00a9 2026 Vuve Vudurod developers. All rights reserved.\n\nNo file or information of this software may be duplicated, copied, modified or adapted without the written permission of the rights holder.\n\nThe content of this software is protected by law. Using the software does not make you the owner of the software or of any of its content.")
        }
    }
}
