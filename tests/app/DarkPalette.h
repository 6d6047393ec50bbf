#ifndef DARKPALETTE_H
#define DARKPALETTE_H

#include <QColor>
#include <QPalette>

// A dark desktop palette, as a dark theme gives it: grey window and buttons,
// near-black fields, light text, a medium blue highlight.
inline QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x35, 0x35, 0x35);
    const QColor text(0xee, 0xee, 0xee);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    palette.setColor(QPalette::AlternateBase, QColor(0x2e, 0x2e, 0x2e));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    palette.setColor(QPalette::Midlight, QColor(0x45, 0x45, 0x45));
    palette.setColor(QPalette::Mid, QColor(0x28, 0x28, 0x28));
    palette.setColor(QPalette::Dark, QColor(0x1e, 0x1e, 0x1e));
    palette.setColor(QPalette::Shadow, Qt::black);
    return palette;
}

#endif // DARKPALETTE_H
