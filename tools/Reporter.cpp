#include "Reporter.h"

#include "DeviceText.h"
#include "ProgressLine.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

Reporter::Reporter(bool json, bool collectOnly)
    : m_json(json)
    , m_collect(collectOnly)
{
}

void Reporter::line(const QString &text)
{
    if (m_collect && !m_json)
        m_lines.append(text);
    if (m_json || m_collect)
        return;
    if (m_progress)
        m_progress->clear();
    print(stdout, text);
}

void Reporter::error(const QString &text)
{
    m_errors.append(text);
    if (m_collect)
        return;
    if (m_progress)
        m_progress->clear();
    print(stderr, text);
}

void Reporter::note(const QString &text)
{
    if (m_collect)
        return;
    if (m_progress)
        m_progress->clear();
    print(stderr, text);
}

QJsonObject Reporter::document(bool ok) const
{
    QJsonObject doc = m_result;
    doc.insert(QStringLiteral("ok"), ok);
    doc.insert(QStringLiteral("errors"), QJsonArray::fromStringList(m_errors));
    return doc;
}

void Reporter::finish(bool ok)
{
    if (m_progress)
        m_progress->clear();
    if (m_json && !m_collect)
        print(stdout,
            QString::fromUtf8(QJsonDocument(document(ok)).toJson(QJsonDocument::Indented))
                .trimmed());
}

void Reporter::printLine(
    const QJsonObject &doc, bool ok, const QString &port, const QStringList &columns) const
{
    if (m_json) {
        print(stdout, QString::fromUtf8(QJsonDocument(doc).toJson(QJsonDocument::Compact)));
        return;
    }
    // A calculator that never said its name gets "-": no column is empty.
    const QString device = doc.value(QStringLiteral("device")).toString();
    print(stdout,
        (QStringList { device.isEmpty() ? QStringLiteral("-") : printable(device), port } + columns
            + QStringList { ok ? m_summary : m_errors.join(QLatin1Char(' ')) })
            .join(QLatin1Char('\t')));
}

QString Reporter::interruptedLine(const QStringList &partial)
{
    return partial.isEmpty()
        ? QCoreApplication::translate("VuveCtl", "Interrupted; nothing partial was written.")
        //: %1 lists what was left part-way, separated by semicolons.
        : QCoreApplication::translate("VuveCtl", "Interrupted; %1.")
              .arg(partial.join(QStringLiteral("; ")));
}

QJsonObject Reporter::fileJson(const QString &name, qint64 size)
{
    return QJsonObject { { QStringLiteral("name"), name },
        { QStringLiteral("size"), double(size) } };
}

QString Reporter::filesText(int n)
{
    return tr("%n files", nullptr, n);
}

QString Reporter::printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\\')
            out += QLatin1String("\\\\");
        else if (u == '\n')
            out += QLatin1String("\\n");
        else if (u == '\t')
            out += QLatin1String("\\t");
        else if (u == '\r')
            out += QLatin1String("\\r");
        else if (u < 0x20 || (u >= 0x7F && u < 0xA0))
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        // A terminal that lays out right-to-left text would turn the rest
        // of the line around an override.
        else if (DeviceText::isBidiControl(u))
            continue;
        else
            out += c;
    }
    return out;
}

void Reporter::print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
