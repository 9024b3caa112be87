// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QSize>

#include <optional>

// What a GIF file declares, read from its blocks without decoding any pixels:
// enough to refuse a file before the image decoder allocates for it, and the
// frame delays exactly as stored.
struct GifStructure {
    QSize screenSize;
    struct Frame {
        QPoint offset; // on the logical screen
        QSize size;
        // Hundredths of a second from the frame's control block; none when the
        // frame has no control block.
        std::optional<int> delayCentiseconds;
    };
    // Complete frames in file order; a truncated last frame is not counted.
    QList<Frame> frames;

    // None when the data does not start like a GIF.
    static std::optional<GifStructure> read(const QByteArray& data);
};
