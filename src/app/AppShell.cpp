#include "AppShell.h"

#include "CopyFolder.h"

#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>

bool AppShell::asksHelpOrVersion(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v"
            || arg == "--version")
            return true;
    }
    return false;
}

void AppShell::prepareApplication()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // The About box shows it, in the app, its demo and the window tests alike.
    QCoreApplication::setApplicationVersion(QStringLiteral(VUVE_VERSION));
    // The toolkit's own file dialog keeps its settings under these names and
    // warns at every opening without them.
    QCoreApplication::setOrganizationName(QStringLiteral("Vuve Vudurod"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("vuve-vudurod.example"));
    // Lets Wayland compositors find the .desktop file and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("vuve-vudurod"));
}

int AppShell::run(const SessionSetup &setup, const QUrl &document)
{
    AppShell shell(setup);
    if (!shell.load(document))
        return -1;
    return QGuiApplication::exec();
}

AppShell::AppShell(const SessionSetup &setup)
{
    // Window managers show it in the title bar and the task switcher; the
    // .desktop file's icon only reaches launchers.
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vuve-vudurod.png")));
    // Copies outlive their run for the clipboard's sake; this run clears away
    // what earlier ones left long enough ago.
    CopyFolder::removeOld();
    if (setup)
        setup(m_session);
    m_session.setModels(&m_calcModel, &m_fileModel);

    m_engine = std::make_unique<QQmlApplicationEngine>();
    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("calcSession"), &m_session);
    context->setContextProperty(QStringLiteral("calcModel"), &m_calcModel);
    context->setContextProperty(QStringLiteral("fileModel"), &m_fileModel);
    context->setContextProperty(QStringLiteral("clipboard"), &m_clipboard);
}

AppShell::~AppShell() = default;

bool AppShell::load(const QUrl &document)
{
    m_engine->load(document);
    return !m_engine->rootObjects().isEmpty();
}

QQuickWindow *AppShell::window() const
{
    const QList<QObject *> roots = m_engine->rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
}
