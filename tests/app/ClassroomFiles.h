#ifndef CLASSROOMFILES_H
#define CLASSROOMFILES_H

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// The files of "Vori X1" in the pictures for docs/, so that every picture
// shows the same calculator.
inline QList<QPair<QString, QByteArray>> classroomFiles()
{
    return { { QStringLiteral("MAIN.py"), QByteArray("print('hello')\n") },
        { QStringLiteral("QUAD.py"), QByteArray(1800, 'q') },
        { QStringLiteral("NOTES.txt"), QByteArray("Exam on Friday\n") } };
}

#endif // CLASSROOMFILES_H
