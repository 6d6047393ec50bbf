#ifndef NAMEPATTERN_H
#define NAMEPATTERN_H

#include <QString>

// A station's naming: the device name each calculator plugged in gets, from
// a pattern whose runs of '#' stand for a running number, padded with zeros
// to the run's width ("Desk ##": Desk 01, Desk 02, ... Desk 100). A pattern
// with several runs gets the same number in each, each run padded to its
// own width ("Cart # seat ###": Cart 7 seat 007); one without '#' gives every
// calculator the same name.
class NamePattern
{
public:
    // The window caps a device name at this many characters.
    static constexpr int longestName = 64;

    static QString nameFor(const QString &pattern, qint64 number);
};

#endif // NAMEPATTERN_H
