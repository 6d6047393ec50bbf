#ifndef SENDJOB_H
#define SENDJOB_H

#include "CVoriWorker.h"
#include "CalcJob.h"

// Files sent to one calculator under the names given, each read back and
// compared when verify is on; the calculator is listed again afterwards.
class SendJob : public CalcJob
{
    Q_OBJECT
public:
    SendJob(CVoriWorker *worker, const QList<QPair<QString, QString>> &files, bool verify,
        QObject *parent = nullptr);

    const char *kind() const override { return "send"; }
    int itemCount() const override { return int(m_files.size()); }
    // Local path and calculator name of each file.
    const QList<QPair<QString, QString>> &files() const { return m_files; }

protected:
    Slot slot() const override { return &CVoriWorker::sendFiles; }
    void fill(CVoriWorker &worker) override;

private:
    QList<QPair<QString, QString>> m_files;
    bool m_verify;
};

#endif // SENDJOB_H
