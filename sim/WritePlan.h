#ifndef WRITEPLAN_H
#define WRITEPLAN_H

#include <QByteArray>
#include <QList>

// What the device writes in answer to one message. The serving thread carries
// it out after the device's lock is released, so that pauses never hold up
// the controlling thread.
struct WritePlan
{
    struct Piece
    {
        QByteArray bytes;
        int pauseMs = 0; // waited before the bytes go out
        // Held until the computer has sent another message, before the pause.
        bool untilNextMessage = false;
    };

    void add(const QByteArray &bytes, int pauseMs = 0, bool untilNextMessage = false)
    {
        pieces.append(Piece { bytes, pauseMs, untilNextMessage });
    }

    QList<Piece> pieces;
    // Drop what the computer left unread before anything of this plan is
    // written.
    bool flushStale = false;
};

#endif // WRITEPLAN_H
