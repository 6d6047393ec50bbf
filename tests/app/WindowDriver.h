#ifndef WINDOWDRIVER_H
#define WINDOWDRIVER_H

#include "AppShell.h"
#include "CalcPort.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include <memory>

class QFileDialog;
class QQuickItem;
class QQuickWindow;

// Runs the real window on the real session and drives it the way a user
// would reach it: by the document's ids and object names, its functions and
// its dialogs' accept and reject.
class WindowDriver
{
public:
    WindowDriver();
    ~WindowDriver();

    // Builds the shell on the given ports and loads the document; the
    // calculators show up with the first poll, one second later.
    bool start();
    QList<CalcPort> &ports() { return m_ports; }
    AppShell &shell() { return *m_shell; }
    CVivuRuzaSession &session() { return m_shell->session(); }
    QQuickWindow *window() const { return m_window; }

    // An id of the document, or of an element one of its components holds.
    QObject *byId(const char *id) const;
    QObject *byName(const char *objectName) const;
    QVariant read(QObject *object, const char *property) const;
    QVariant read(const char *id, const char *property) const { return read(byId(id), property); }
    void write(QObject *object, const char *property, const QVariant &value);

    // Clicks a toolbar button or triggers a menu item, as the user would.
    void activate(const char *objectName);
    void selectRows(const QList<int> &rows);
    // As the platform delivers a drag from a file manager: enter, then drop,
    // over the file table.
    void drop(const QList<QUrl> &urls);
    int selectedCount() const;
    QString statusLine() const;

    bool isOpen(const char *dialogId) const;
    // The id of the one question dialog that is open, or an empty string.
    QString openQuestion() const;
    void answer(const char *dialogId, bool accept);
    // The button with this text among a dialog's own, or null.
    QQuickItem *dialogButton(const char *dialogId, const QString &text) const;
    // A left click in the middle of the item, as the window shows it.
    void click(QQuickItem *item);
    // Accepts a file chooser with the given selection.
    void choose(const char *dialogId, const QList<QUrl> &urls);
    // The toolkit's widget chooser that is open, if any.
    static QFileDialog *openChooser();
    // Makes the main window the focus window again; the toolkit's own dialogs
    // open windows of their own.
    bool activateWindow();
    // How many file choosers are open, in windows that are all shown. The
    // QML stand-in builds its folder view on first use, reading the folder in
    // the background, and counts once it has read it; -1 while any still
    // reads.
    int foldersShown() const;
    // Lists each port as a calculator, one after the other so that they keep
    // this order, polling at once rather than on the session's timer; true
    // once all are listed and, unless firstFiles is -1, the table shows
    // firstFiles rows.
    bool attach(const QStringList &portPaths, int firstFiles = -1);
    // Saves a picture of the window once it has settled, for the docs; says
    // on stdout which file it wrote.
    bool shoot(const QString &path);

private:
    QList<CalcPort> m_ports;
    std::unique_ptr<AppShell> m_shell;
    QQuickWindow *m_window = nullptr;
};

#endif // WINDOWDRIVER_H
