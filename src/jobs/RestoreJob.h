#ifndef RESTOREJOB_H
#define RESTOREJOB_H

#include "CVoriWorker.h"
#include "CalcJob.h"

// A backup folder read and checked against one calculator's listing: a
// preview says what a restore would add and replace; a restore sends what
// the worker's last preview of it listed, and checks the listing after.
class RestoreJob : public CalcJob
{
    Q_OBJECT
public:
    enum class Mode { Preview, Restore };

    RestoreJob(CVoriWorker *worker, const QString &folder, Mode mode, bool verify,
        QObject *parent = nullptr);

    const char *kind() const override
    {
        return m_mode == Mode::Preview ? "restore preview" : "restore";
    }
    Mode mode() const { return m_mode; }
    QString folder() const { return m_folder; }
    const CVoriWorker::RestoreResult &restore() const { return m_restore; }

protected:
    Slot slot() const override;
    void fill(CVoriWorker &worker) override;
    void collect(CVoriWorker &worker) override;

private:
    QString m_folder;
    Mode m_mode;
    bool m_verify;
    CVoriWorker::RestoreResult m_restore;
};

#endif // RESTOREJOB_H
