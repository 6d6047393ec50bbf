#include "CVoriWorker.h"

#include "CVivuRuza.h"

#include <QMetaObject>
#include <QSerialPortInfo>
#include <QThread>

CVoriWorker::CVoriWorker(const QSerialPortInfo &info, QObject *parent)
    : CVoriWorker(CalcPort(info), parent)
{
}

CVoriWorker::CVoriWorker(const CalcPort &info, QObject *parent)
    : QObject(parent)
    , portInfo(info)
    , m_home(thread())
{
    readCalc();
}

CVoriWorker::~CVoriWorker()
{
    delete calc;
}

// Errors of this first reading are not reported: nothing is connected yet.
void CVoriWorker::readCalc()
{
    openLink();
    name = calc->devName();
    filesList = calc->getFilesInf();
    closeLink();
}

void CVoriWorker::openLink()
{
    calc = new CVivuRuza(portInfo.systemLocation(), this);
}

void CVoriWorker::closeLink()
{
    delete calc;
    calc = nullptr;
}

// Made after the link has opened, so failures of the opening stay unreported.
void CVoriWorker::forwardErrors()
{
    connect(calc, &CVivuRuza::errorNotify, this, &CVoriWorker::errorNotify);
}

// The results are handed to the home thread rather than written here: the
// session reads name and filesList there at any time. The delivery is posted
// before finished(), so it runs before any slot queued on finished().
void CVoriWorker::endJob(std::function<void()> deliver)
{
    if (QThread::currentThread() == m_home) {
        if (deliver)
            deliver();
        emit finished();
        return;
    }
    moveToThread(m_home);
    if (deliver)
        QMetaObject::invokeMethod(this, std::move(deliver), Qt::QueuedConnection);
    emit finished();
}

// Sending and deleting change the calculator's files, so both read the list
// again before the link closes.
void CVoriWorker::changeFiles(const std::function<void()> &change)
{
    openLink();
    forwardErrors();
    change();
    const QList<QPair<QString, int>> list = calc->getFilesInf();
    closeLink();
    endJob([this, list] { filesList = list; });
}

void CVoriWorker::sendFiles()
{
    changeFiles([this] { calc->sendFiles(toCalcFiles); });
}

void CVoriWorker::getFiles()
{
    openLink();
    forwardErrors();
    calc->getFiles(files, destFolder);
    closeLink();
    endJob(nullptr);
}

void CVoriWorker::delFiles()
{
    changeFiles([this] { calc->deleteFiles(files); });
}

void CVoriWorker::setDevName()
{
    openLink();
    calc->changeName(newName);
    const QString newDevName = calc->devName();
    closeLink();
    endJob([this, newDevName] { name = newDevName; });
}
