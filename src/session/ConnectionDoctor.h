#ifndef CONNECTIONDOCTOR_H
#define CONNECTIONDOCTOR_H

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

// What the window tells about ports that carry the calculator's identifiers
// but gave no calculator, or a calculator with files it could not read: one
// notice per plug-in, kept until the user dismisses it or the port goes away,
// and the ports still being read.
class ConnectionDoctor : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList notices READ notices NOTIFY noticesChange)
    Q_PROPERTY(QStringList readingPorts READ readingPorts NOTIFY readingPortsChange)
public:
    explicit ConnectionDoctor(QObject *parent = nullptr);

    QStringList notices() const;
    QStringList readingPorts() const { return m_reading; }

    // A port's reading failed or left files out; a second report while it stays attached is
    // ignored, so a notice the user dismissed does not come back.
    void report(const QString &port, const QString &text);
    // A later reading of the port's calculator left files out again: its
    // notice says so anew, shown again even where it was dismissed.
    void tellAgain(const QString &port, const QString &text);
    // The port is gone: its notice goes, and its next plug-in may report again.
    void forget(const QString &port);
    void setReading(const QString &port, bool reading);

    Q_INVOKABLE void dismiss(int index);
    // Every notice shown, as one: the window groups many into one.
    Q_INVOKABLE void dismissAll();

signals:
    void noticesChange();
    void readingPortsChange();

private:
    struct Notice
    {
        QString port;
        QString text;
        bool dismissed = false;
    };
    QList<Notice> m_notices;
    QStringList m_reading;
};

#endif // CONNECTIONDOCTOR_H
