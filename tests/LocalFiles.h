#ifndef LOCALFILES_H
#define LOCALFILES_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// Whole local files in and out, for tests that compare them byte for byte.
inline bool writeLocal(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// Empty when the file cannot be read.
inline QByteArray readLocal(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every entry of a folder, hidden ones and links included, sorted.
inline QStringList entriesOf(const QString &folder)
{
    QStringList names
        = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

#endif // LOCALFILES_H
