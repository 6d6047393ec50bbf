#ifndef TRANSFERQUESTIONS_H
#define TRANSFERQUESTIONS_H

#include "CopyFolder.h"
#include "TransferPlan.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// The window's walk through the questions of a send to, or a download from,
// the current calculator: the plan sorts the files once, then each question
// is asked and answered in turn, and what is left is what the job moves.
// Names taken on the calculator are those of the listing the session gives,
// the current calculator's last reading.
class TransferQuestions
{
    Q_DECLARE_TR_FUNCTIONS(TransferQuestions)

public:
    using Listing = TransferPlan::Listing;
    using Upload = QPair<QString, QString>; // local path, calculator name
    using Download = QPair<QString, int>; // calculator name, size

    // Sorts these files into the send's queues: zero-length ones (kept until
    // told, across sorts), names the rule changes, names taken on onCalc, and
    // files that may go.
    void toCalcUrls(const QList<QUrl> &urls, const Listing &onCalc);
    bool isToCalcZeroSizeCollision() const;
    // Takes the next name change, for nameCollisionOld() and New(): the file
    // may go, or its new name is taken on onCalc and it waits for an answer
    // (or takes the one given for all).
    bool isToCalcNameCollision(const Listing &onCalc);
    bool isToCalcExistingCollision() const;
    QString collisionToCalcZeroSizeFileName();
    QString collisionToCalcFileName() const;
    QString nameCollisionOld() const { return m_nameCollisionOld; }
    QString nameCollisionNew() const { return m_nameCollisionNew; }
    bool isNameCollisionCaseOnly() const;
    void releaseToCalcCollision(bool replace);
    void releaseAllToCalcCollisions(bool replace);
    // What the send moves, and how many files the user chose not to replace.
    QList<Upload> filesToSend() const { return m_toCalcFiles; }
    int sendSkipped() const { return m_sendSkipped; }

    // Rows of the file list chosen for a download or a deletion.
    void addSelected(const Download &file);
    QList<Download> selection() const { return m_selectedFiles; }
    void clearSelection() { m_selectedFiles.clear(); }

    // Sorts the selection, used up, into the download's queues. Without a
    // folder the files go to the run's private folder (a Copy); false when
    // that can't be made, with the reason in errorString().
    bool fromCalcUrls(bool checkCollision, const QUrl &destFolder);
    bool isFromCalcCollision() const;
    QString collisionFromCalcFileName() const;
    void releaseFromCalcCollision(bool replace);
    void releaseAllFromCalcCollisions(bool replace);
    // What the download moves, where to, and how many files the user chose
    // not to replace. An empty folder: a Copy with nowhere to go.
    QList<Download> filesToGet() const { return m_fromCalcFiles; }
    QString destFolder() const { return m_destFolder; }
    bool copying() const { return m_copying; }
    int downloadSkipped() const { return m_downloadSkipped; }
    QString errorString() const { return m_error; }

private:
    bool isNameTaken(const QString &calcName, const Listing &onCalc) const;
    void settleTaken(const Upload &entry, bool replace);

    QList<Download> m_selectedFiles;
    QList<Upload> m_toCalcFiles;
    QList<Download> m_fromCalcFiles;
    QList<Upload> m_toCalcExisting;
    QList<Upload> m_toCalcNameChanges;
    QList<Download> m_fromCalcExisting;
    QStringList m_toCalcZeroSize;
    QString m_nameCollisionOld;
    QString m_nameCollisionNew;
    // The answer given for all taken names of this send, if any.
    std::optional<bool> m_toCalcAnswerAll;
    // Files the user chose not to replace, for the outcome line.
    int m_sendSkipped = 0;
    int m_downloadSkipped = 0;
    QString m_destFolder;
    // Where the Copy key's downloads land, one private folder for the run.
    CopyFolder m_copyFolder;
    bool m_copying = false;
    QString m_error;
};

#endif // TRANSFERQUESTIONS_H
