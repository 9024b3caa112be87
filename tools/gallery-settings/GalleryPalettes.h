#pragma once

// The light and dark palettes the settings galleries draw with.

#include <QColor>
#include <QPalette>

inline QPalette lightPalette()
{
    QPalette palette(QColor(236, 236, 236));
    palette.setColor(QPalette::Window, QColor(236, 236, 236));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(28, 28, 30));
    palette.setColor(QPalette::Text, QColor(28, 28, 30));
    palette.setColor(QPalette::ButtonText, QColor(28, 28, 30));
    return palette;
}

inline QPalette darkPalette()
{
    QPalette palette(QColor(60, 60, 62));
    palette.setColor(QPalette::Window, QColor(30, 30, 32));
    palette.setColor(QPalette::Base, QColor(40, 40, 42));
    palette.setColor(QPalette::WindowText, QColor(235, 235, 235));
    palette.setColor(QPalette::Text, QColor(235, 235, 235));
    palette.setColor(QPalette::ButtonText, QColor(235, 235, 235));
    palette.setColor(QPalette::PlaceholderText, QColor(235, 235, 235, 110));
    return palette;
}
