import QtQuick 2.12
import QtQuick.Controls 1.4
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.3

// The window: its toolbar and menu, the calculators and their files, and
// the flows its entries start, each given the session it works with.
DesktopWindow {
    id: root
    visible: true
    width: 720
    minimumWidth: 720
    height: 480
    minimumHeight: 480
    title: qsTr("Vuve Vudurod")

    // What the entries below test and act on: whether a calculator is
    // attached, and which files are selected.
    property alias fileListView: listRectangle.list
    property alias tableView: fileGridRectangle.table

    header: ToolBar {
        enabled: !calcSession.isBusy

        RowLayout {
            height: parent.height

            ToolbarButton {
                id: menuButton
                objectName: "menuButton"
                icon.source: "images/x1/menu.png"
                tip: qsTr("Menu")
                onClicked: optionsMenu.open()

                Menu {
                    id: optionsMenu
                    x: parent.width - width

                    MenuItem {
                        objectName: "aboutMenuItem"
                        text: qsTr("About...")
                        Accessible.name: text
                        onTriggered: aboutDialog.open()
                    }
                    MenuItem {
                        id: changeNameMenuItem
                        objectName: "changeNameMenuItem"
                        text: qsTr("Change device name...")
                        Accessible.name: text
                        Accessible.description: renameKey.nativeText
                        onTriggered: openOr(fileListView.count !== 0, changeNameDialog.open, qsTr("No calculator is connected"))
                    }
                    MenuItem {
                        objectName: "sendToAllMenuItem"
                        text: qsTr("Send to all calculators\u2026")
                        Accessible.name: text
                        Accessible.description: sendToAllKey.nativeText
                        onTriggered: classOpenOr(fileListView.count !== 0, function () { classSendFlow.choose(true) },
                                            qsTr("No calculator is connected"))
                    }
                    MenuItem {
                        objectName: "sendToChosenMenuItem"
                        text: qsTr("Send to the chosen calculators\u2026")
                        Accessible.name: text
                        onTriggered: classOpenOr(calcSession.chosenCount !== 0, function () { classSendFlow.choose(false) },
                                            qsTr("No calculator is chosen; tick the calculators first"))
                    }
                    MenuItem {
                        id: backUpMenuItem
                        objectName: "backUpMenuItem"
                        text: qsTr("Back up\u2026")
                        Accessible.name: text
                        Accessible.description: backUpKey.nativeText
                        onTriggered: openOr(fileListView.count !== 0, backupFlow.start, qsTr("No calculator is connected"))
                    }
                    MenuItem {
                        id: backUpAllMenuItem
                        objectName: "backUpAllMenuItem"
                        text: qsTr("Back up all calculators\u2026")
                        Accessible.name: text
                        Accessible.description: backUpAllKey.nativeText
                        onTriggered: classOpenOr(fileListView.count !== 0, backupFlow.startAll, qsTr("No calculator is connected"))
                    }
                    MenuItem {
                        id: collectMenuItem
                        objectName: "collectMenuItem"
                        text: qsTr("Collect from all calculators\u2026")
                        Accessible.name: text
                        Accessible.description: collectFlow.collectKey
                        onTriggered: classOpenOr(fileListView.count !== 0, function () { collectFlow.start(false) },
                                                 qsTr("No calculator is connected"))
                    }
                    MenuItem {
                        id: clearAllMenuItem
                        objectName: "clearAllMenuItem"
                        text: qsTr("Clear all calculators\u2026")
                        Accessible.name: text
                        Accessible.description: collectFlow.clearKey
                        onTriggered: classOpenOr(fileListView.count !== 0, function () { collectFlow.start(true) },
                                                 qsTr("No calculator is connected"))
                    }
                    MenuItem {
                        objectName: "restoreMenuItem"
                        text: qsTr("Restore\u2026")
                        Accessible.name: text
                        onTriggered: openOr(fileListView.count !== 0, restoreFlow.start, qsTr("No calculator is connected"))
                    }
                    MenuItem {
                        id: compareMenuItem
                        objectName: "compareMenuItem"
                        text: qsTr("Compare with a folder\u2026")
                        Accessible.name: text
                        Accessible.description: compareKeys.nativeText
                        onTriggered: openOr(fileListView.count !== 0, compareView.choose, qsTr("No calculator is connected"))
                    }
                    MenuItem {
                        id: syncAllMenuItem
                        objectName: "syncAllMenuItem"
                        text: qsTr("Sync all calculators with a folder\u2026")
                        Accessible.name: text
                        Accessible.description: syncAllKey.nativeText
                        onTriggered: classOpenOr(fileListView.count !== 0, compareView.chooseForAll,
                                                 qsTr("No calculator is connected"))
                    }
                    MenuItem {
                        objectName: "verifyMenuItem"
                        text: qsTr("Verify files after sending")
                        checkable: true
                        checked: calcSession.verifySends
                        Accessible.name: text
                        onToggled: calcSession.verifySends = checked
                    }
                    MenuItem {
                        id: stationMenuItem
                        objectName: "stationMenuItem"
                        text: qsTr("Station\u2026")
                        Accessible.name: text
                        Accessible.description: stationKey.nativeText
                        onTriggered: classOpenOr(true, stationFlow.start, "")
                    }
                    MenuItem {
                        objectName: "closeMenuItem"
                        text: qsTr("Close program")
                        Accessible.name: text
                        onTriggered: root.close()
                    }
                }
            }

            ToolbarButton {
                id: downloadButton
                objectName: "downloadButton"
                icon.source: "images/x1/download.png"
                tip: qsTr("Copy and transfer selected files from calculator to PC")
                keyHint: downloadKey.nativeText
                onClicked: openOr(tableView.selection.count !== 0, downloadFlow.choose,
                                  qsTr("Yoy must select some files for downloading"))
            }

            ToolbarButton {
                id: sendButton
                objectName: "sendButton"
                icon.source: "images/x1/send.png"
                tip: qsTr("Send files to calculator...")
                keyHint: sendKey.nativeText
                onClicked: openOr(fileListView.count !== 0, sendFlow.choose, qsTr("No calculator is connected"))
            }

            ToolbarButton {
                id: deleteButton
                objectName: "deleteButton"
                icon.source: "images/x1/remove.png"
                tip: qsTr("Delete selected files")
                keyHint: deleteKey.nativeText
                onClicked: openOr(tableView.selection.count !== 0, deleteFlow.ask, qsTr("No files selected for deleting"))
            }
        }
    }

    footer: StatusFooter {
        session: calcSession
    }

    RowLayout {
        anchors.fill: parent

        CalculatorPane {
            id: listRectangle
            calculators: calcModel
            session: calcSession
            Layout.fillHeight: true
            Layout.preferredWidth: root.width * 0.3
        }

        FileTablePane {
            id: fileGridRectangle
            files: fileModel
            session: calcSession
            Layout.fillHeight: true
            Layout.fillWidth: true
            Layout.minimumWidth: 300

            DropArea {
                anchors.fill: parent
                onDropped: {
                    if (drop.hasUrls && !refuseWhileBusy())
                        sendFlow.send(drop.urls)
                }
            }

            Shortcut {
                sequences: [StandardKey.Copy]
                // Refused, it leaves what the user had on the clipboard there.
                onActivated: {
                    if (fileListView.count !== 0 && !refuseWhileBusy())
                        downloadFlow.copy()
                }
            }

            Shortcut {
                sequences: [StandardKey.Paste]
                onActivated: {
                    if (fileListView.count !== 0 && clipboard.hasUrls() && !refuseWhileBusy())
                        sendFlow.send(clipboard.getUrls())
                }
            }
        }
    }

    BusyIndicator {
        objectName: "busyIndicator"
        anchors.centerIn: parent
        visible: calcSession.isBusy
        Accessible.name: qsTr("Busy")
        Accessible.ignored: !visible
    }

    AboutDialog {
        id: aboutDialog
    }

    ErrorDialog {
        id: errorMessageDialog
        session: calcSession
    }

    RenameDialog {
        id: changeNameDialog
        calculators: calcModel
        session: calcSession
    }

    // The zero-length and renaming notices, the replace question and the
    // file chooser.
    SendFlow {
        id: sendFlow
        session: calcSession
    }

    // The folder chooser and the replace question of a download, and the
    // download behind Copy.
    DownloadFlow {
        id: downloadFlow
        session: calcSession
        table: tableView
        clipboardAdapter: clipboard
    }

    // The question naming the files a delete takes.
    DeleteFlow {
        id: deleteFlow
        session: calcSession
        table: tableView
    }

    // Keys for the toolbar's and the menu's actions. Each runs the entry a
    // click runs and is off while that entry is, and none takes the keys of
    // Copy or Paste.
    Shortcut {
        id: downloadKey
        objectName: "downloadKey"
        sequence: StandardKey.Save
        enabled: downloadButton.enabled
        onActivated: downloadButton.clicked()
    }
    Shortcut {
        objectName: "downloadAsKey"
        sequence: "Ctrl+Shift+S"
        enabled: downloadButton.enabled
        onActivated: downloadButton.clicked()
    }
    Shortcut {
        id: sendKey
        objectName: "sendKey"
        sequence: StandardKey.Open
        enabled: sendButton.enabled
        onActivated: sendButton.clicked()
    }
    Shortcut {
        id: deleteKey
        objectName: "deleteKey"
        // Del alone: the platform's Delete may list more keys, of which a
        // shortcut would take only the first, with a warning.
        sequence: "Del"
        enabled: deleteButton.enabled
        onActivated: deleteButton.clicked()
    }
    // The menu is unreachable while a job runs, and so is its key.
    Shortcut {
        id: renameKey
        objectName: "renameKey"
        sequence: "F2"
        enabled: !calcSession.isBusy
        onActivated: changeNameMenuItem.triggered()
    }

    // Several calculators at once: the same files to each, shown in the
    // class panel while they go.
    ClassSendFlow {
        id: classSendFlow
        session: calcSession
    }

    ClassPanel {
        id: classPanel
        session: calcSession
    }

    Shortcut {
        id: sendToAllKey
        objectName: "sendToAllKey"
        sequence: "Ctrl+Shift+O"
        onActivated: classOpenOr(fileListView.count !== 0, function () { classSendFlow.choose(true) },
                            qsTr("No calculator is connected"))
    }

    // Backups of the current calculator or of all, and their restores.
    BackupFlow {
        id: backupFlow
        calculators: calcModel
        session: calcSession
    }
    RestoreFlow {
        id: restoreFlow
        session: calcSession
    }
    Shortcut {
        id: backUpKey
        objectName: "backUpKey"
        sequence: "Ctrl+B"
        enabled: !calcSession.isBusy
        onActivated: backUpMenuItem.triggered()
    }
    Shortcut {
        id: backUpAllKey
        objectName: "backUpAllKey"
        sequence: "Ctrl+Shift+B"
        enabled: !calcSession.isBusy
        onActivated: backUpAllMenuItem.triggered()
    }

    // Each calculator plugged in served without a click, shown in the class
    // panel until switched off.
    StationFlow {
        id: stationFlow
        session: calcSession
    }
    CompareView {
        id: compareView
        session: calcSession
    }
    Shortcut {
        id: compareKeys
        objectName: "compareKey"
        sequence: "Ctrl+Shift+D"
        enabled: !calcSession.isBusy
        onActivated: compareMenuItem.triggered()
    }
    Shortcut {
        id: syncAllKey
        objectName: "syncAllKey"
        sequence: "Ctrl+Shift+M"
        enabled: !calcSession.isBusy
        onActivated: syncAllMenuItem.triggered()
    }
    CollectFlow {
        id: collectFlow
        session: calcSession
        enabled: !calcSession.isBusy
        onCollectAsked: collectMenuItem.triggered()
        onClearAsked: clearAllMenuItem.triggered()
    }
    Shortcut {
        id: stationKey
        objectName: "stationKey"
        sequence: "Ctrl+T"
        enabled: !calcSession.isBusy
        onActivated: stationMenuItem.triggered()
    }

    // Cancel of the job the progress line shows, or of the whole class job
    // while the class panel shows it running; dialogs open take Esc first.
    // A station on is switched off instead.
    Shortcut {
        id: cancelKey
        objectName: "cancelKey"
        sequence: "Esc"
        enabled: calcSession.transfer.running || calcSession.classJob.running
        onActivated: calcSession.classJob.stationOn ? calcSession.stopStation()
                     : calcSession.classJob.running ? calcSession.cancelClassJob() : calcSession.cancelTransfer()
    }

    // All attached tooltips share one; it shows a toolbar button's key
    // after the button's own text.
    Component.onCompleted: {
        var tip = menuButton.ToolTip.toolTip
        if (!tip || !tip.contentItem)
            return
        tip.contentItem.text = Qt.binding(function () {
            var hint = tip.parent && tip.parent.keyHint ? tip.parent.keyHint : ""
            return hint !== "" ? tip.text + " (" + hint + ")" : tip.text
        })
    }

    // An entry that opens a dialog clears the status line first; one that
    // may not says why there instead.
    // A job on several calculators (or the station) holds the class panel:
    // another must wait for it, and the user is told which holds it.
    function classOpenOr(allowed, open, refusal) {
        if (calcSession.classJob.stationOn)
            calcSession.statusLineText = qsTr("The station is on; switch it off first")
        else if (calcSession.classJob.running)
            calcSession.statusLineText = qsTr("Wait until the job on several calculators has ended")
        else
            openOr(allowed, open, refusal)
    }

    function openOr(allowed, open, refusal) {
        if (allowed) {
            calcSession.statusLineText = ""
            open()
        } else {
            calcSession.statusLineText = refusal
        }
    }

    function processSendCollision() {
        sendFlow.next()
    }

    // A drop, Paste or Copy is not disabled while a job runs; the job's
    // calculator could not take another, so say so before any question.
    function refuseWhileBusy() {
        if (!calcSession.isCurrentCalcBusy())
            return false
        calcSession.statusLineText = qsTr("Wait until the transfer in progress has finished")
        return true
    }
}
