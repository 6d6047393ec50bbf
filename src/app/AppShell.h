#ifndef APPSHELL_H
#define APPSHELL_H

#include "CVivuRuzaSession.h"
#include "QmlClipboardAdapter.h"
#include "VivuRuzaModel.h"
#include "VoriFileModel.h"

#include <QUrl>

#include <functional>
#include <memory>

class QQmlApplicationEngine;
class QQuickWindow;

// The objects the window works with, created, published and destroyed in
// one fixed order. The app, its demo and the window tests share it, so all
// three run the same wiring.
class AppShell
{
public:
    // Runs on the session after its construction and before setModels
    // starts polling, e.g. to give it another port source.
    using SessionSetup = std::function<void(CVivuRuzaSession &)>;

    static QUrl mainDocument() { return QUrl(QStringLiteral("qrc:/main.qml")); }

    // Must run before the application object exists.
    static void prepareApplication();
    // Help and the version need no display, so a program answers them before
    // its GUI application exists.
    static bool asksHelpOrVersion(int argc, char **argv);

    // Builds the shell, loads the document and runs the event loop; -1 when
    // the document yields no root object.
    static int run(
        const SessionSetup &setup = SessionSetup(), const QUrl &document = mainDocument());

    explicit AppShell(const SessionSetup &setup = SessionSetup());
    ~AppShell();
    AppShell(const AppShell &) = delete;
    AppShell &operator=(const AppShell &) = delete;

    // False when the document yields no root object.
    bool load(const QUrl &document = mainDocument());

    QmlClipboardAdapter &clipboard() { return m_clipboard; }
    VivuRuzaModel &calcModel() { return m_calcModel; }
    VoriFileModel &fileModel() { return m_fileModel; }
    CVivuRuzaSession &session() { return m_session; }
    QQmlApplicationEngine &engine() { return *m_engine; }
    QQuickWindow *window() const;

private:
    // Members are destroyed in reverse order: the engine with the window
    // first, the session before the models it points to.
    QmlClipboardAdapter m_clipboard;
    VivuRuzaModel m_calcModel;
    VoriFileModel m_fileModel;
    CVivuRuzaSession m_session;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
};

#endif // APPSHELL_H
