#ifndef TWOCALCULATORS_H
#define TWOCALCULATORS_H

#include "CalcSimulator.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>
#include <optional>

// The pair the window tests meet: "Vori X1" with the given files and
// "Vori X1 Lab" with one small file, both serving.
inline bool startTwoCalculators(std::unique_ptr<CalcSimulator> &calc,
    std::unique_ptr<CalcSimulator> &lab, const QList<QPair<QString, QByteArray>> &calcFiles,
    std::optional<int> calcChunk = std::nullopt)
{
    calc = std::make_unique<CalcSimulator>();
    calc->setName(QStringLiteral("Vori X1"));
    if (calcChunk)
        calc->setMaxChunkSize(*calcChunk);
    calc->setFiles(calcFiles);
    lab = std::make_unique<CalcSimulator>();
    lab->setName(QStringLiteral("Vori X1 Lab"));
    lab->setFiles({ { QStringLiteral("LAB1.py"), QByteArray("x = 1\n") } });
    return calc->start() && lab->start();
}

#endif // TWOCALCULATORS_H
