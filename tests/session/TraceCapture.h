#ifndef TRACECAPTURE_H
#define TRACECAPTURE_H

#include <QByteArray>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QtGlobal>

// The program's trace lines ("vuve.…" categories), as "category: message",
// whatever thread wrote them (links trace from job threads); other messages
// go on to the handler that was there before.
class TraceCapture
{
public:
    static void start() { previous() = qInstallMessageHandler(capture); }
    static void stop() { qInstallMessageHandler(previous()); }
    static void clear()
    {
        QMutexLocker lock(&mutex());
        lines().clear();
    }
    static QStringList traced()
    {
        QMutexLocker lock(&mutex());
        return lines();
    }

private:
    static void capture(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (context.category && QByteArray(context.category).startsWith("vuve.")) {
            QMutexLocker lock(&mutex());
            lines().append(QString::fromUtf8(context.category) + QStringLiteral(": ") + message);
            return;
        }
        previous()(type, context, message);
    }
    static QMutex &mutex()
    {
        static QMutex m;
        return m;
    }
    static QStringList &lines()
    {
        static QStringList l;
        return l;
    }
    static QtMessageHandler &previous()
    {
        static QtMessageHandler h = nullptr;
        return h;
    }
};

#endif // TRACECAPTURE_H
