#ifndef TRANSFEROUTCOME_H
#define TRANSFEROUTCOME_H

#include <QString>

// What became of one file of a batch.
struct TransferOutcome
{
    enum class Status {
        Done,
        Skipped, // settled before the batch: not to be transferred
        Failed,
        GivenUp, // not tried: the calculator had stopped answering, or the batch was stopped
        Cancelled, // the user stopped it, in its transfer or before it began
    };

    Status status = Status::Failed;
    // Why it failed, as it was reported (empty where nothing said why), or
    // the sentence that gave it up.
    QString text;
    qint64 size = 0; // bytes moved, once done
    // Read back from the calculator after it was sent, and found the same.
    bool verified = false;
};

#endif // TRANSFEROUTCOME_H
