#include "TransferQuestions.h"

#include "TransferLog.h"

// The plan's rule, against the calculator's listing and the files cleared so
// far: the walk settles one file at a time, so what was cleared before
// decides.
bool TransferQuestions::isNameTaken(const QString &calcName, const Listing &onCalc) const
{
    QStringList cleared;
    for (const auto &pair : m_toCalcFiles)
        cleared.append(pair.second);
    return TransferPlan::isTaken(calcName, onCalc, cleared);
}

// The plan names each file and finds the empty ones; the queues are the
// window's walk through what it found.
void TransferQuestions::toCalcUrls(const QList<QUrl> &urls, const Listing &onCalc)
{
    m_toCalcExisting.clear();
    m_toCalcFiles.clear();
    m_toCalcNameChanges.clear();
    m_toCalcAnswerAll.reset();
    m_sendSkipped = 0;
    TransferPlan plan(TransferPlan::Direction::Upload);
    for (const QUrl &url : urls)
        plan.addUpload(url.toLocalFile(), url.fileName(QUrl::FullyDecoded));
    for (int i = 0; i < plan.size(); ++i) {
        const TransferPlan::Item &item = plan.at(i);
        const QString path = urls.at(i).toLocalFile();
        if (item.empty) {
            m_toCalcZeroSize.append(urls.at(i).fileName(QUrl::FullyDecoded));
            continue;
        }
        if (item.renamed)
            m_toCalcNameChanges.append(qMakePair(path, item.calcName));
        else if (isNameTaken(item.calcName, onCalc))
            m_toCalcExisting.append(qMakePair(path, item.calcName));
        else
            m_toCalcFiles.append(qMakePair(path, item.calcName));
    }
}

bool TransferQuestions::isToCalcZeroSizeCollision() const
{
    return !m_toCalcZeroSize.isEmpty();
}

bool TransferQuestions::isToCalcNameCollision(const Listing &onCalc)
{
    if (m_toCalcNameChanges.isEmpty())
        return false;
    const Upload entry = m_toCalcNameChanges.takeFirst();
    m_nameCollisionOld = entry.first.mid(entry.first.lastIndexOf(QLatin1Char('/')) + 1);
    m_nameCollisionNew = entry.second;
    if (!isNameTaken(entry.second, onCalc))
        m_toCalcFiles.append(entry);
    else if (m_toCalcAnswerAll)
        settleTaken(entry, *m_toCalcAnswerAll);
    else
        m_toCalcExisting.append(entry);
    return true;
}

bool TransferQuestions::isToCalcExistingCollision() const
{
    return !m_toCalcExisting.isEmpty();
}

QString TransferQuestions::collisionToCalcZeroSizeFileName()
{
    return m_toCalcZeroSize.isEmpty() ? QString() : m_toCalcZeroSize.takeFirst();
}

QString TransferQuestions::collisionToCalcFileName() const
{
    return m_toCalcExisting.isEmpty() ? QString() : m_toCalcExisting.first().second;
}

bool TransferQuestions::isNameCollisionCaseOnly() const
{
    return TransferPlan::onlyCaseChanged(m_nameCollisionOld, m_nameCollisionNew);
}

// A replaced name takes the place of a pending file of the same name, so one
// name is never sent twice.
void TransferQuestions::releaseToCalcCollision(bool replace)
{
    if (m_toCalcExisting.isEmpty())
        return;
    settleTaken(m_toCalcExisting.takeFirst(), replace);
}

void TransferQuestions::settleTaken(const Upload &entry, bool replace)
{
    TransferTrace::settled("window", entry.second, TransferPlan::Reason::TakenOnCalc, replace);
    if (!replace) {
        ++m_sendSkipped;
        return;
    }
    for (auto &pending : m_toCalcFiles) {
        if (pending.second == entry.second) {
            pending = entry;
            return;
        }
    }
    m_toCalcFiles.append(entry);
}

void TransferQuestions::releaseAllToCalcCollisions(bool replace)
{
    m_toCalcAnswerAll = replace;
    while (!m_toCalcExisting.isEmpty())
        releaseToCalcCollision(replace);
}

void TransferQuestions::addSelected(const Download &file)
{
    if (file.first.isEmpty() && file.second == 0)
        return;
    m_selectedFiles.append(file);
}

// Anyone may create names in the shared temporary folder, links included, and
// a download under a calculator's file name there would write through them:
// a Copy goes to the run's private folder.
bool TransferQuestions::fromCalcUrls(bool checkCollision, const QUrl &destFolder)
{
    m_fromCalcExisting.clear();
    m_fromCalcFiles.clear();
    m_downloadSkipped = 0;
    m_error.clear();
    m_copying = destFolder.isEmpty();
    m_destFolder = m_copying ? m_copyFolder.path() : destFolder.toLocalFile();
    if (m_destFolder.isEmpty()) {
        if (m_copying)
            m_error = tr("No private folder for the copied files could be made: %1")
                          .arg(m_copyFolder.errorString());
        m_selectedFiles.clear();
        return m_error.isEmpty();
    }
    TransferPlan plan(TransferPlan::Direction::Download, m_destFolder);
    for (const auto &pair : qAsConst(m_selectedFiles))
        plan.addDownload(pair.first, pair.second);
    for (int i = 0; i < plan.size(); ++i) {
        if (checkCollision && plan.at(i).collision == TransferPlan::Reason::ExistsLocally)
            m_fromCalcExisting.append(m_selectedFiles.at(i));
        else
            m_fromCalcFiles.append(m_selectedFiles.at(i));
    }
    m_selectedFiles.clear();
    return true;
}

bool TransferQuestions::isFromCalcCollision() const
{
    return !m_fromCalcExisting.isEmpty();
}

QString TransferQuestions::collisionFromCalcFileName() const
{
    return m_fromCalcExisting.isEmpty() ? QString() : m_fromCalcExisting.first().first;
}

void TransferQuestions::releaseFromCalcCollision(bool replace)
{
    if (m_fromCalcExisting.isEmpty())
        return;
    const Download entry = m_fromCalcExisting.takeFirst();
    TransferTrace::settled("window", entry.first, TransferPlan::Reason::ExistsLocally, replace);
    if (replace)
        m_fromCalcFiles.append(entry);
    else
        ++m_downloadSkipped;
}

void TransferQuestions::releaseAllFromCalcCollisions(bool replace)
{
    while (!m_fromCalcExisting.isEmpty())
        releaseFromCalcCollision(replace);
}
