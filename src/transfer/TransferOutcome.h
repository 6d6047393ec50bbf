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

    // What the calculator holds under an upload's name after a Cancel or a
    // failed check, where the user must hear of it: the program alone can
    // tell which it is.
    enum class Left {
        Nothing, // nothing to tell: no part of it went, or all went well
        PartDeleted, // a new name's part was deleted, and the listing shows it gone
        PartKept, // a new name's part could not be deleted, or is still listed
        PartUnconfirmed, // a new name's part was deleted, but no listing confirms it
        MayBeIncomplete, // a name the calculator held before: never deleted
        SentUnchecked, // sent whole; the Cancel came while it was read back
        BadCopyDeleted, // it arrived different and was deleted
        BadCopyKept, // it arrived different and could not be deleted
    };
    Left left = Left::Nothing;
};

#endif // TRANSFEROUTCOME_H
