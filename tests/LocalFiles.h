#ifndef LOCALFILES_H
#define LOCALFILES_H

#include <QByteArray>
#include <QFile>
#include <QString>

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

#endif // LOCALFILES_H
