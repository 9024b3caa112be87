// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the settings galleries share: the light and dark palettes they draw
// in, and writing a widget to a PNG at twice its logical size so hairlines
// show as they would on a high-density screen.

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <cstdio>

namespace gallery {

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

inline void applyPalette(const QPalette& palette)
{
    QApplication::setPalette(palette);
    QCoreApplication::sendPostedEvents();
}

constexpr qreal pixelsPerPoint = 2;

inline QImage rendered(QWidget& widget)
{
    widget.show();
    QCoreApplication::processEvents();
    QImage image(widget.size() * pixelsPerPoint, QImage::Format_ARGB32);
    image.setDevicePixelRatio(pixelsPerPoint);
    image.fill(widget.palette().color(QPalette::Window));
    widget.render(&image);
    return image;
}

inline bool save(const QImage& image, const QString& path)
{
    const bool ok = image.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

inline bool writePng(QWidget& widget, const QString& path)
{
    return save(rendered(widget), path);
}

} // namespace gallery
