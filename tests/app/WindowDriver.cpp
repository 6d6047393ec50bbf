#include "WindowDriver.h"

#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlIncubationController>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSet>
#include <QtTest>

#include <cstdio>

namespace {

const char *const questionDialogs[] = { "doYouWantDeleteItDialog", "zeroSizeFileWontBeSent",
    "doYouWantSendFile", "doYouWantDownloadFile", "changeNameDialog", "fileNameWasChangeDialog" };

QQuickItem *buttonIn(QQuickItem *item, const QString &text)
{
    if (!item)
        return nullptr;
    if (item->inherits("QQuickAbstractButton") && item->property("text").toString() == text)
        return item;
    for (QQuickItem *child : item->childItems()) {
        if (QQuickItem *found = buttonIn(child, text))
            return found;
    }
    return nullptr;
}

} // namespace

WindowDriver::WindowDriver() = default;

// Items the engine still builds in the background (a chooser's folder view,
// a delegate) are left half-made if it goes now, which it reports.
WindowDriver::~WindowDriver()
{
    if (!m_shell)
        return;
    QQmlIncubationController *incubation = m_shell->engine().incubationController();
    if (incubation
        && !QTest::qWaitFor([incubation] { return incubation->incubatingObjectCount() == 0; }))
        qWarning("The window goes while the engine still builds items.");
}

bool WindowDriver::start()
{
    m_shell = std::make_unique<AppShell>(
        [this](CVivuRuzaSession &session) { session.setPortSource([this] { return m_ports; }); });
    if (!m_shell->load())
        return false;
    m_window = m_shell->window();
    return m_window && QTest::qWaitForWindowExposed(m_window);
}

// What the document's components hold is named by its id as object name.
QObject *WindowDriver::byId(const char *id) const
{
    QObject *object = qmlContext(m_window)->contextProperty(QLatin1String(id)).value<QObject *>();
    if (!object)
        object = m_window->findChild<QObject *>(QLatin1String(id));
    if (!object)
        qWarning("no object with the id %s", id);
    return object;
}

QObject *WindowDriver::byName(const char *objectName) const
{
    QObject *object = m_window->findChild<QObject *>(QLatin1String(objectName));
    if (!object)
        qWarning("no object named %s", objectName);
    return object;
}

QVariant WindowDriver::read(QObject *object, const char *property) const
{
    return QQmlProperty(object, QLatin1String(property), qmlContext(object)).read();
}

void WindowDriver::write(QObject *object, const char *property, const QVariant &value)
{
    QQmlProperty(object, QLatin1String(property), qmlContext(object)).write(value);
}

void WindowDriver::activate(const char *objectName)
{
    QObject *object = byName(objectName);
    // A disabled control ignores the user; the signal would not.
    if (object && object->property("enabled").toBool()) {
        if (object->metaObject()->indexOfSignal("triggered()") >= 0)
            QMetaObject::invokeMethod(object, "triggered");
        else
            QMetaObject::invokeMethod(object, "clicked");
    }
}

void WindowDriver::selectRows(const QList<int> &rows)
{
    QObject *selection = read("tableView", "selection").value<QObject *>();
    QMetaObject::invokeMethod(selection, "clear");
    for (int row : rows)
        QMetaObject::invokeMethod(selection, "select", Q_ARG(QVariant, row), Q_ARG(QVariant, row));
}

int WindowDriver::selectedCount() const
{
    return read(read("tableView", "selection").value<QObject *>(), "count").toInt();
}

QString WindowDriver::statusLine() const
{
    return read("statusLine", "text").toString();
}

bool WindowDriver::isOpen(const char *dialogId) const
{
    return read(dialogId, "visible").toBool();
}

QString WindowDriver::openQuestion() const
{
    QStringList open;
    for (const char *id : questionDialogs) {
        if (isOpen(id))
            open.append(QLatin1String(id));
    }
    if (open.size() > 1)
        qWarning() << "more than one question open:" << open;
    return open.value(0);
}

void WindowDriver::answer(const char *dialogId, bool accept)
{
    QMetaObject::invokeMethod(byId(dialogId), accept ? "accept" : "reject");
}

QQuickItem *WindowDriver::dialogButton(const char *dialogId, const QString &text) const
{
    QQuickItem *button = buttonIn(read(dialogId, "footer").value<QQuickItem *>(), text);
    return button ? button : buttonIn(read(dialogId, "contentItem").value<QQuickItem *>(), text);
}

// Aimed where the window shows the item: a dialog just opened lays its
// buttons out as the window draws it, and a click aimed before that can land
// on the neighbour the button still overlaps (Cancel for Restore).
void WindowDriver::click(QQuickItem *item)
{
    QSignalSpy frames(m_window, &QQuickWindow::frameSwapped);
    m_window->update();
    if (!QTest::qWaitFor([&frames] { return frames.count() >= 1; }, 5000))
        qWarning() << "no frame drawn before the click on" << item;
    QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier,
        item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
}

QFileDialog *WindowDriver::openChooser()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// The widget chooser is answered as a user answers it: names typed into its
// field, then its default button.
void WindowDriver::choose(const char *dialogId, const QList<QUrl> &urls)
{
    if (QFileDialog *dialog = openChooser()) {
        QStringList names;
        for (const QUrl &url : urls)
            names.append(dialog->fileMode() == QFileDialog::Directory || urls.size() == 1
                    ? url.toLocalFile()
                    : QLatin1Char('"') + url.fileName() + QLatin1Char('"'));
        if (dialog->fileMode() != QFileDialog::Directory && urls.size() > 1)
            dialog->setDirectory(QFileInfo(urls.first().toLocalFile()).absolutePath());
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        field->setText(names.join(QLatin1Char(' ')));
        QTest::keyClick(field, Qt::Key_Return);
        if (dialog->isVisible())
            qWarning() << "the chooser refused" << names;
        return;
    }
    QObject *chooser = byId(dialogId);
    QMetaObject::invokeMethod(chooser, "clearSelection");
    for (const QUrl &url : urls) {
        bool added = false;
        QMetaObject::invokeMethod(
            chooser, "addSelection", Q_RETURN_ARG(bool, added), Q_ARG(QUrl, url));
        if (!added)
            qWarning() << "the chooser refused" << url;
    }
    QMetaObject::invokeMethod(chooser, "accepted");
    QMetaObject::invokeMethod(chooser, "close");
}

bool WindowDriver::activateWindow()
{
    m_window->requestActivate();
    return QTest::qWaitForWindowActive(m_window)
        && QTest::qWaitFor([this] { return QGuiApplication::focusWindow() == m_window; });
}

void WindowDriver::drop(const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    auto *pane = qobject_cast<QQuickItem *>(byId("fileGridRectangle"));
    const QPoint point = pane->mapToScene(QPointF(pane->width() / 2, pane->height() / 2)).toPoint();
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &enter);
    QDropEvent dropEvent(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &dropEvent);
}

int WindowDriver::foldersShown() const
{
    QSet<QObject *> folders;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QFileDialog *>(widget) && widget->isVisible())
            folders.insert(widget);
    }
    for (QWindow *window : QGuiApplication::allWindows()) {
        if (!window->isVisible())
            continue;
        if (!window->isExposed())
            return -1;
        auto *quick = qobject_cast<QQuickWindow *>(window);
        if (!quick)
            continue;
        // A chooser inside one of the document's components is the
        // window's, not its content item's.
        for (QObject *view : quick->findChildren<QObject *>()) {
            auto *model = view->property("model").value<QObject *>();
            if (!model || !model->inherits("QQuickFolderListModel"))
                continue;
            const QMetaObject *meta = model->metaObject();
            const QMetaProperty status = meta->property(meta->indexOfProperty("status"));
            if (status.read(model).toInt() != status.enumerator().keyToValue("Ready"))
                return -1;
            folders.insert(model);
        }
    }
    return folders.size();
}

bool WindowDriver::attach(const QStringList &portPaths, int firstFiles)
{
    int count = read("fileListView", "count").toInt();
    for (const QString &path : portPaths) {
        m_ports.append(CalcPort(path, path));
        session().update();
        ++count;
        if (!QTest::qWaitFor([&] { return read("fileListView", "count").toInt() == count; }))
            return false;
    }
    return firstFiles < 0
        || QTest::qWaitFor([&] { return read("tableView", "rowCount").toInt() == firstFiles; });
}

bool WindowDriver::shoot(const QString &path)
{
    QTest::qWait(300);
    const QImage image = m_window->grabWindow();
    if (image.isNull() || !image.save(path)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}
