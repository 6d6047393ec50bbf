#include "QmlClipboardAdapter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMetaType>
#include <QMimeData>

QmlClipboardAdapter::QmlClipboardAdapter(QObject *parent)
    : QObject(parent)
    , clipboard(QGuiApplication::clipboard())
{
    qRegisterMetaType<QList<QUrl>>("QList<QUrl>");
}

// The clipboard and its data belong to the application.
QmlClipboardAdapter::~QmlClipboardAdapter() = default;

void QmlClipboardAdapter::setUrls(QList<QUrl> urls)
{
    if (!clipboard)
        return;
    auto *data = new QMimeData;
    data->setUrls(urls);
    // GNOME's file manager pastes files only from its own format: the action,
    // then one URL a line.
    if (!urls.isEmpty()) {
        QByteArray copied("copy");
        for (const QUrl &url : qAsConst(urls))
            copied += '\n' + url.toEncoded();
        data->setData(QStringLiteral("x-special/gnome-copied-files"), copied);
    }
    clipboard->setMimeData(data, QClipboard::Clipboard);
}

QList<QUrl> QmlClipboardAdapter::getUrls()
{
    const QMimeData *data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    if (!data)
        return {};
    return data->urls();
}

bool QmlClipboardAdapter::hasUrls()
{
    const QMimeData *data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
    return data && data->hasUrls();
}
