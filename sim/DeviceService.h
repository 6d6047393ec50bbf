#ifndef DEVICESERVICE_H
#define DEVICESERVICE_H

#include "FaultInjector.h"
#include "WritePlan.h"
#include "serializeData.pb.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// The calculator's side of the protocol: who it is, what files it holds, and
// how it answers each request and each acknowledgement of a series. Every
// reply leaves through the fault injector, which also gets to veto or reshape
// the series. Not thread-safe; the owner holds its lock around every call.
class DeviceService
{
public:
    explicit DeviceService(FaultInjector &faults);

    void setName(const QString &name) { m_name = name; }
    QString name() const { return m_name; }
    void setVersions(const QString &hv, const QString &fv, const QString &pv);
    void setMaxChunkSize(int chunk) { m_chunk = chunk; }
    int maxChunkSize() const { return m_chunk; }

    void setFiles(const QList<QPair<QString, QByteArray>> &files) { m_files = files; }
    QList<QPair<QString, QByteArray>> files() const { return m_files; }
    int indexOf(const QString &fileName) const;
    QByteArray fileContent(const QString &fileName) const;
    void setBackingFolder(const QString &folder);
    QString backingFolder() const { return m_folder; }

    // Answers one message the fault injector has let through.
    void serve(const VivuRuza::calcMsg &msg, WritePlan &out);
    // Forgets the series in progress; the next acknowledgement is ignored.
    void endSeries() { m_series = Series::None; }

private:
    enum class Series { None, Listing, Download, Upload };

    int servingChunk() const;
    void answerRequest(const VivuRuza::calcMsg &msg, WritePlan &out);
    void reply(const VivuRuza::calcMsg &msg, FaultInjector::Role role, WritePlan &out);
    void refuse(int error, int errorNum, const QString &text, WritePlan &out,
        FaultInjector::Role role = FaultInjector::Role::Answer);
    void startListing(WritePlan &out);
    void sendListEntry(WritePlan &out);
    void startDownload(const QString &fileName, WritePlan &out);
    void sendDownloadFrame(WritePlan &out);
    void startUpload(const VivuRuza::fileInf &inf, WritePlan &out);
    void takeUploadFrame(const VivuRuza::calcMsg &msg, WritePlan &out);
    bool storeFile(const QString &fileName, const QByteArray &content);
    bool removeFile(const QString &fileName);
    void loadFolder();

    FaultInjector &m_faults;

    // Identity and storage
    QString m_name = QStringLiteral("Vori X1");
    QString m_hv = QStringLiteral("HW1.2");
    QString m_fv = QStringLiteral("FW3.0.1");
    QString m_pv = QStringLiteral("PR1");
    int m_chunk = 512;
    QList<QPair<QString, QByteArray>> m_files;
    QString m_folder;

    // The series in progress
    Series m_series = Series::None;
    QList<QPair<QString, int>> m_listing;
    int m_listNext = 0;
    QByteArray m_download;
    QList<int> m_downloadOrder;
    int m_downloadNext = 0;
    int m_downloadCount = 0;
    QString m_uploadName;
    QByteArray m_upload;
    int m_uploadExpected = 0;
    int m_uploadReceived = 0;
};

#endif // DEVICESERVICE_H
