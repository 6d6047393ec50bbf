#ifndef TRANSFERRUNNER_H
#define TRANSFERRUNNER_H

#include "TransferEvents.h"
#include "TransferOutcome.h"
#include "TransferPlan.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class CVivuRuza;

// Runs a plan over one open link, one file at a time, in the link's thread.
// Success is what the link's commands return and a failure's text what the
// link last told. A calculator that stopped answering is not asked for the
// next file, nothing more starts once the thread is asked to stop, and the
// rest of the batch is given up in one report. A Cancel the link was asked
// for stops the batch after the frame in transfer, without a report. Files
// that arrived different from what was sent are told in one report at the
// end of the batch, each named.
class TransferRunner
{
    Q_DECLARE_TR_FUNCTIONS(TransferRunner)

public:
    using Label = std::function<QString(const TransferPlan::Item &)>;

    TransferRunner(CVivuRuza &link, TransferEvents events = TransferEvents());

    // How the report of files given up names each; by default the local
    // file's name for uploads, the calculator's name otherwise.
    void setLabel(Label label) { m_label = std::move(label); }
    // Whether each file sent is read back and compared with the bytes that
    // went; one that arrived different, or can't be read back, fails. Off
    // by default: it costs a second transfer.
    void setVerify(bool on) { m_verify = on; }
    bool verify() const { return m_verify; }

    // One outcome per item of the plan, in its order.
    QList<TransferOutcome> run(const TransferPlan &plan);

    // The names given up, in a sentence that says they were not copied,
    // sent or deleted.
    static QString givenUpText(TransferPlan::Direction direction, const QStringList &names);
    static QString interruptedText(TransferPlan::Direction direction, const QStringList &names);
    // The outcome text of an item Cancel stopped before it began, or a
    // download it stopped.
    static QString cancelledText();
    // A file read back from the calculator is not what was sent.
    static QString differentText(const QString &calcName, const QString &device);
    // The thread was asked to stop (the program or its window is closing).
    static bool interrupted();

private:
    void begin(const TransferPlan &plan, int index);
    TransferOutcome move(const TransferPlan &plan, int index);
    TransferOutcome sendChecked(const TransferPlan &plan, int index);
    // The outcome of a file sent: done once what the calculator holds under
    // its name is the bytes sent, where that is asked for.
    TransferOutcome sent(const TransferPlan::Item &item, const QByteArray &content);
    TransferOutcome failed(const QString &text) const;
    // What the user's Cancel left: the item stopped in its transfer, and
    // every later one.
    TransferOutcome cancelled(const TransferPlan &plan, int index);
    void cancelFrom(const TransferPlan &plan, int from, QList<TransferOutcome> &outcomes);
    // Every item from this one on, but the skipped ones, is given up.
    void giveUp(const TransferPlan &plan, int from, QList<TransferOutcome> &outcomes);
    QString label(const TransferPlan &plan, const TransferPlan::Item &item) const;
    // A file sent whole that the Cancel kept from being read back.
    static TransferOutcome unchecked(const TransferPlan::Item &item, TransferOutcome outcome);
    // The calculator's copy of a file that arrived different is deleted.
    TransferOutcome different(const TransferPlan::Item &item, qint64 size);
    // The one report of every file of the batch that arrived different.
    void tellDifferent();
    // The item just moved was an upload whose request went to the calculator.
    bool requested() const;

    CVivuRuza &m_link;
    TransferEvents m_events;
    Label m_label;
    bool m_verify = false;
    // Of the batch in progress: the names (their nameKey) whose upload was
    // asked for, so a later file under the same name counts as replacing
    // what the calculator holds; and the files that arrived different, each
    // with whether its copy on the calculator was deleted.
    QSet<QString> m_requested;
    bool m_sending = false; // the item in hand was handed to the link to send
    QList<QPair<QString, bool>> m_different;
};

#endif // TRANSFERRUNNER_H
