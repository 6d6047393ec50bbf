#ifndef WHOLEFILE_H
#define WHOLEFILE_H

#include <QByteArray>
#include <QString>

// Writes a file whole or not at all: an earlier file of that name stays as it
// was unless every byte of the new one reached the disk.
class WholeFile
{
public:
    // On failure errorText (if given) says why, in the system's words.
    static bool write(const QString &path, const QByteArray &content, QString *errorText = nullptr);
};

#endif // WHOLEFILE_H
