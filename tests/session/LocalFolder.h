#ifndef LOCALFOLDER_H
#define LOCALFOLDER_H

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A temporary folder holding one local file, written on construction: what a
// send job reads, and where a download may land.
class LocalFolder
{
public:
    LocalFolder(const QString &fileName, const QByteArray &content)
        : m_file(m_dir.filePath(fileName))
    {
        QFile f(m_file);
        m_valid
            = m_dir.isValid() && f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
    }

    // False when the folder or the file could not be made.
    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString file() const { return m_file; }

private:
    QTemporaryDir m_dir;
    QString m_file;
    bool m_valid = false;
};

#endif // LOCALFOLDER_H
