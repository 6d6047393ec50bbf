#ifndef DEVICETEXT_H
#define DEVICETEXT_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// Words that come from a device (its name, its file names, its error texts,
// a backup's manifest) are data: they go into our sentences and trace lines
// as they are, but never steer how the rest of the line reads. A right-to-left
// override in a calculator's name would otherwise turn the words after it
// around, and a line break in it would forge a trace line of its own.
class DeviceText
{
public:
    // Embeddings, overrides, isolates and the invisible direction marks.
    static bool isBidiControl(uint ucs4);
    static QString withoutBidiControls(const QString &text);

    // For a sentence shown to a person: the text without bidi controls and,
    // where it holds a right-to-left letter or held a control, set apart in
    // a first-strong isolate (U+2068 ... U+2069), so that it reads in its own
    // direction and leaves the words around it where they are. A
    // left-to-right text comes back as it is. Applying it twice changes
    // nothing more.
    static QString isolated(const QString &text);
    static QStringList isolated(const QStringList &texts);

    // For one trace line: control characters and line breaks as '?', bidi
    // controls left out.
    static QByteArray forTrace(const QString &text);
};

#endif // DEVICETEXT_H
