#ifndef TRANSFEREVENTS_H
#define TRANSFEREVENTS_H

#include "TransferOutcome.h"

#include <QString>

#include <functional>

// How a batch, a backup or a restore tells its caller what happens, as it
// happens; any of them may be left empty. The link's own failures go out
// through its errorNotify as ever; these are the ones found above it.
struct TransferEvents
{
    // A file is about to move: its calculator name, its number from 1, and
    // how many files the batch holds.
    std::function<void(const QString &calcName, int number, int count)> fileStarted;
    // Every file the batch reached, skipped ones too, by its index.
    std::function<void(int index, const TransferOutcome &outcome)> fileDone;
    // A failure the user must learn of, with the line on which calculator
    // and what to do (empty where the text says all).
    std::function<void(const QString &text, const QString &detail)> problem;
};

#endif // TRANSFEREVENTS_H
