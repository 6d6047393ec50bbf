#include "DemoCalculators.h"

#include "CalcSimulator.h"

#include <QFileInfo>

namespace {

using FileList = QList<QPair<QString, QByteArray>>;

FileList classroomFiles()
{
    return {
        { QStringLiteral("MAIN.py"),
            QByteArray("# Counts down, then greets.\n"
                       "for i in range(3, 0, -1):\n"
                       "    print(i)\n"
                       "print(\"Hello from Vori X1\")\n") },
        { QStringLiteral("QUAD.py"),
            QByteArray("import math\n"
                       "\n"
                       "def roots(a, b, c):\n"
                       "    d = math.sqrt(b * b - 4 * a * c)\n"
                       "    return (-b + d) / (2 * a), (-b - d) / (2 * a)\n"
                       "\n"
                       "print(roots(1, -3, 2))\n") },
        { QStringLiteral("NOTES.txt"), QByteArray("Exam on Friday: bring spare batteries.\n") },
    };
}

FileList labFiles()
{
    QByteArray samples;
    for (int i = 0; i < 64; ++i)
        samples.append(char(128 + 100 * ((i % 16) - 8) / 8));
    return {
        { QStringLiteral("LAB1.py"),
            QByteArray("# Reads the cooling curve and prints the mean.\n"
                       "temps = [81.2, 74.9, 69.3, 64.8, 61.0]\n"
                       "print(sum(temps) / len(temps))\n") },
        { QStringLiteral("TEMPS.csv"),
            QByteArray("t,temp\n0,81.2\n60,74.9\n120,69.3\n180,64.8\n240,61.0\n") },
        { QStringLiteral("WAVE.bin"), samples },
    };
}

} // namespace

DemoCalculators::DemoCalculators() = default;

DemoCalculators::~DemoCalculators() = default;

bool DemoCalculators::start(QString &errorText)
{
    const QList<QPair<QString, FileList>> calculators = {
        { QStringLiteral("Vori X1"), classroomFiles() },
        { QStringLiteral("Vori X1 Lab"), labFiles() },
    };
    for (const auto &calculator : calculators) {
        auto simulator = std::make_unique<CalcSimulator>();
        simulator->setName(calculator.first);
        simulator->setFiles(calculator.second);
        if (!simulator->start()) {
            errorText = tr("Could not open a pseudo-terminal for the simulated calculator %1.")
                            .arg(calculator.first);
            return false;
        }
        m_simulators.push_back(std::move(simulator));
    }
    return true;
}

void DemoCalculators::addDevice(const QString &systemLocation)
{
    m_devices.append(systemLocation);
}

QList<CalcPort> DemoCalculators::ports() const
{
    QList<CalcPort> ports;
    for (const auto &simulator : m_simulators)
        ports.append(CalcPort(simulator->portPath(), simulator->portPath()));
    // As a real calculator's port goes when it is unplugged, a device named
    // on the command line is listed only while its path exists.
    for (const QString &device : m_devices) {
        if (QFileInfo::exists(device))
            ports.append(CalcPort(device, device));
    }
    return ports;
}

QStringList DemoCalculators::describe() const
{
    QStringList lines;
    for (const auto &simulator : m_simulators)
        lines.append(tr("%1 (simulated) on %2").arg(simulator->name(), simulator->portPath()));
    for (const QString &device : m_devices)
        lines.append(tr("device on %1").arg(device));
    return lines;
}
