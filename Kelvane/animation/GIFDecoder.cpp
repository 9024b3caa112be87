// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/animation/GIFDecoder.h"

#include "Kelvane/animation/GifStructure.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QBuffer>
#include <QImageReader>

#include <cmath>

namespace GIFDecoder {

QString description(DecodingError error)
{
    switch (error) {
    case DecodingError::InvalidData:
        return QStringLiteral("Invalid GIF data");
    case DecodingError::NoFrames:
        return QStringLiteral("GIF contains no frames");
    case DecodingError::FileTooLarge:
        return QStringLiteral("GIF file is too large (max 2MB)");
    case DecodingError::TooManyFrames:
        return QStringLiteral("GIF has too many frames (max 120)");
    }
    return {};
}

double frameDelay(std::optional<int> centiseconds)
{
    if (centiseconds && *centiseconds > 0)
        return *centiseconds / 100.0;
    return defaultDelay;
}

QImage rasterise(const QImage& image, double targetHeight)
{
    const int height = image.height();
    if (!(targetHeight < height))
        return image;
    const int newHeight = platform::saturatingCast<int>(targetHeight);
    const int newWidth = platform::saturatingCast<int>(targetHeight / height * image.width());
    if (newWidth < 1 || newHeight < 1)
        return image;
    const QImage scaled = image.convertToFormat(QImage::Format_ARGB32)
                              .scaled(newWidth, newHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return scaled.isNull() ? image : scaled;
}

namespace {

// Bytes in memory, opened for an image reader.
class InMemoryImage {
public:
    // An empty `format` has the reader tell it from the content.
    InMemoryImage(const QByteArray& data, const QByteArray& format)
        : m_reader(&m_buffer, format)
    {
        m_buffer.setData(data);
        m_buffer.open(QIODevice::ReadOnly);
    }

    QImageReader& reader() { return m_reader; }

private:
    QBuffer m_buffer;
    QImageReader m_reader;
};

bool tooLarge(QSize size)
{
    return size.width() > maximumSide || size.height() > maximumSide;
}

// The canvas the image decoder composes every frame onto: the logical screen,
// or on a side where that is zero, the first frame's extent.
QSize canvasSize(const GifStructure& gif)
{
    const auto& first = gif.frames.first();
    const auto side = [](int screen, int offset, int length) { return screen > 0 ? screen : offset + length; };
    return {side(gif.screenSize.width(), first.offset.x(), first.size.width()),
            side(gif.screenSize.height(), first.offset.y(), first.size.height())};
}

// Each frame comes out as a copy of the whole canvas; a frame larger than the
// canvas is still decoded in full.
qint64 decodingCost(const GifStructure& gif)
{
    const QSize canvas = canvasSize(gif);
    qint64 pixels = 0;
    for (const auto& frame : gif.frames)
        pixels += qint64(qMax(canvas.width(), frame.size.width())) * qMax(canvas.height(), frame.size.height());
    return pixels;
}

std::variant<Animation, DecodingError> decodeGif(const GifStructure& structure, const QByteArray& data,
                                                 double targetHeight)
{
    const auto& declared = structure.frames;
    if (declared.isEmpty())
        return DecodingError::NoFrames;
    if (declared.size() > maximumFrames)
        return DecodingError::TooManyFrames;
    // Refuse what a tiny file can declare but no animation needs, before the
    // image decoder allocates or spends time on it.
    if (tooLarge(structure.screenSize))
        return DecodingError::InvalidData;
    for (const auto& frame : declared) {
        if (tooLarge(frame.size))
            return DecodingError::InvalidData;
    }
    if (decodingCost(structure) > maximumTotalPixels)
        return DecodingError::InvalidData;

    InMemoryImage gif(data, "gif");
    QImageReader& reader = gif.reader();
    if (!reader.canRead())
        return DecodingError::InvalidData;

    Animation animation;
    for (const auto& frame : declared) {
        const QImage image = reader.read();
        if (image.isNull())
            break; // the decoder cannot go on past a frame it failed on
        animation.frames.append(rasterise(image, targetHeight));
        animation.delays.append(frameDelay(frame.delayCentiseconds));
    }
    if (animation.frames.isEmpty())
        return DecodingError::NoFrames;
    return animation;
}

// One frame of the largest sides, from a GIF or a still image, always fits.
static_assert(qint64(maximumSide) * maximumSide <= maximumTotalPixels);

std::variant<Animation, DecodingError> decodeStill(const QByteArray& data, double targetHeight)
{
    InMemoryImage still(data, {});
    QImageReader& reader = still.reader();
    // GIF data is only decoded past the checks on its structure.
    if (!reader.canRead() || reader.format() == "gif")
        return DecodingError::InvalidData;
    // Holds a format that declares no size up front to what a frame within
    // the side limits needs, at 8 bytes a pixel.
    reader.setAllocationLimit(int(qint64(maximumSide) * maximumSide * 8 / (1024 * 1024)));
    const QSize declared = reader.size();
    if (declared.isValid() && tooLarge(declared))
        return DecodingError::InvalidData;
    const QImage image = reader.read();
    if (image.isNull() || tooLarge(image.size()))
        return DecodingError::InvalidData;
    return Animation{{rasterise(image, targetHeight)}, {defaultDelay}};
}

} // namespace

std::variant<Animation, DecodingError> decode(const QByteArray& data, double targetHeight)
{
    if (data.size() > maximumBytes)
        return DecodingError::FileTooLarge;
    if (const auto structure = GifStructure::read(data))
        return decodeGif(*structure, data, targetHeight);
    return decodeStill(data, targetHeight);
}

} // namespace GIFDecoder
