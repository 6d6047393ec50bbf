#ifndef PROGRESSLINE_H
#define PROGRESSLINE_H

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

#include <cstdio>

// One line of progress for the file in transfer: its name, which of how many,
// bytes, rate and time left. On a terminal it is redrawn in place at most ten
// times a second; elsewhere (asked for with --progress) it is written as
// whole lines, at most one a second, so that a log stays readable.
class ProgressLine
{
    Q_DECLARE_TR_FUNCTIONS(ProgressLine)

public:
    ProgressLine(FILE *stream, bool terminal);

    void begin(const QString &name, int index, int count);
    void update(qint64 done, qint64 total);
    // The file is done: its last state stays on screen.
    void end();
    // Takes the line off a terminal before other output is printed; the next
    // update draws it again.
    void clear();

    static QString bytes(qint64 n);

private:
    QString text(qint64 done, qint64 total) const;
    void draw(const QString &text);

    FILE *m_stream;
    bool m_terminal;
    bool m_shown = false;
    bool m_active = false;
    QString m_name;
    QString m_drawn;
    int m_index = 0;
    int m_count = 0;
    qint64 m_done = 0;
    qint64 m_total = 0;
    QElapsedTimer m_started;
    QElapsedTimer m_lastDrawn;
};

#endif // PROGRESSLINE_H
