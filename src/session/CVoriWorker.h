#ifndef CVORIWORKER_H
#define CVORIWORKER_H

#include "CalcPort.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>

class CVivuRuza;
class QSerialPortInfo;
class QThread;

// One attached calculator: what was last read from it and the inputs of its
// next job. Construction reads the calculator in the calling thread; each job
// slot runs in a job thread on a link of its own and hands the worker back to
// its home thread before finished().
class CVoriWorker : public QObject
{
    Q_OBJECT
public:
    CVoriWorker(const QSerialPortInfo &info, QObject *parent = nullptr);
    CVoriWorker(const CalcPort &info, QObject *parent = nullptr);
    ~CVoriWorker() override;

    QList<QPair<QString, QString>> toCalcFiles;
    QList<QPair<QString, int>> files;
    QString destFolder;
    QString newName;
    CVivuRuza *calc = nullptr;
    CalcPort portInfo;
    // Written only in the home thread, so readers there never race a job.
    QString name;
    QList<QPair<QString, int>> filesList;

signals:
    void finished();
    void errorNotify(QString errorText);

public slots:
    void sendFiles();
    void getFiles();
    void delFiles();
    void setDevName();

private:
    void readCalc();
    void openLink();
    void closeLink();
    void forwardErrors();
    void endJob(std::function<void()> deliver);
    void changeFiles(const std::function<void()> &change);

    QThread *m_home;
};

#endif // CVORIWORKER_H
