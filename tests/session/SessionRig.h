#ifndef SESSIONRIG_H
#define SESSIONRIG_H

#include "CVivuRuzaSession.h"
#include "CVoriWorker.h"
#include "CalcSimulator.h"
#include "VivuRuzaModel.h"
#include "VoriFileModel.h"

#include <QFile>
#include <QHash>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include <map>
#include <memory>

// A session wired to its two models as at start-up, whose ports are whatever
// the test lists in `ports`. Simulated calculators are made by letter: "A" is
// served on port "simA", is named "Calc A" and holds one file A.PY.
class SessionRig
{
public:
    SessionRig()
    {
        session.setPortSource([this] { return ports; });
        session.setModels(&calcModel, &fileModel);
    }

    CalcSimulator *sim(const QString &letter)
    {
        std::unique_ptr<CalcSimulator> &s = sims[letter];
        if (!s) {
            s.reset(new CalcSimulator);
            s->setName(QStringLiteral("Calc ") + letter);
            s->setFiles({ { letter + QStringLiteral(".PY"), letter.toLatin1() } });
            if (!s->start())
                return nullptr;
        }
        return s.get();
    }

    // Lists the calculators of these letters and polls until each new one has
    // been read. New calculators are listed when their reading ends, so they
    // are attached one poll at a time, in this order, to make the rows' order
    // the letters' order.
    bool plug(const QStringList &letters)
    {
        QList<CalcPort> wanted;
        for (const QString &letter : letters) {
            CalcSimulator *s = sim(letter);
            if (!s)
                return false;
            wanted.append(CalcPort(QStringLiteral("sim") + letter, s->portPath()));
        }
        QList<CalcPort> added;
        ports.clear();
        for (const CalcPort &port : qAsConst(wanted)) {
            if (isKnown(port.portName()))
                ports.append(port);
            else
                added.append(port);
        }
        session.update();
        if (!waitForReadings())
            return false;
        for (const CalcPort &port : qAsConst(added)) {
            ports.append(port);
            session.update();
            if (!waitForReadings())
                return false;
        }
        ports = wanted;
        return true;
    }

    bool isKnown(const QString &portName) const
    {
        for (int i = 0; i < session.workerCount(); ++i) {
            if (session.workerAt(i)->portInfo.portName() == portName)
                return true;
        }
        return false;
    }

    bool waitForReadings(int timeoutMs = 20000)
    {
        return QTest::qWaitFor([this] { return session.readingCount() == 0; }, timeoutMs);
    }

    QStringList rowNames() const
    {
        QStringList names;
        for (int row = 0; row < calcModel.rowCount(); ++row)
            names.append(calcModel.data(calcModel.index(row)).toString());
        return names;
    }

    QStringList fileNames() const
    {
        QStringList names;
        for (int row = 0; row < fileModel.rowCount(); ++row)
            names.append(fileModel.fileAt(row).first);
        return names;
    }

    int currentIndex() const { return session.property("currentIndex").toInt(); }
    bool isBusy() const { return session.property("isBusy").toBool(); }

    std::map<QString, std::unique_ptr<CalcSimulator>> sims;
    QList<CalcPort> ports;
    VivuRuzaModel calcModel;
    VoriFileModel fileModel;
    CVivuRuzaSession session;
};

inline bool writeLocalFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

#endif // SESSIONRIG_H
