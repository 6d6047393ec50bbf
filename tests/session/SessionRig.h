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

    // Lists the calculators of these letters, in this order, and polls once.
    bool plug(const QStringList &letters)
    {
        ports.clear();
        for (const QString &letter : letters) {
            CalcSimulator *s = sim(letter);
            if (!s)
                return false;
            ports.append(CalcPort(QStringLiteral("sim") + letter, s->portPath()));
        }
        session.update();
        return true;
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
