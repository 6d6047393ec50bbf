#ifndef QMLCLIPBOARDADAPTER_H
#define QMLCLIPBOARDADAPTER_H

#include <QList>
#include <QObject>
#include <QUrl>

class QClipboard;

// The system clipboard as a list of file URLs, for the window's Copy and
// Paste keys.
class QmlClipboardAdapter : public QObject
{
    Q_OBJECT
public:
    explicit QmlClipboardAdapter(QObject *parent = nullptr);
    ~QmlClipboardAdapter() override;

    Q_INVOKABLE void setUrls(QList<QUrl> urls);
    Q_INVOKABLE QList<QUrl> getUrls();
    Q_INVOKABLE bool hasUrls();

private:
    // Not owned. Its data is read afresh at every call: outside Windows the
    // object handed out earlier is no live view and may already be deleted.
    QClipboard *clipboard = nullptr;
};

#endif // QMLCLIPBOARDADAPTER_H
