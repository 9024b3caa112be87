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

std::variant<Animation, DecodingError> decode(const QByteArray& data, double targetHeight)
{
    if (data.size() > maximumBytes)
        return DecodingError::FileTooLarge;
    const auto structure = GifStructure::read(data);
    if (!structure)
        return DecodingError::InvalidData;
    const auto& declared = structure->frames;
    if (declared.isEmpty())
        return DecodingError::NoFrames;
    if (declared.size() > maximumFrames)
        return DecodingError::TooManyFrames;
    // Refuse what a tiny file can declare but no animation needs, before the
    // image decoder allocates for it.
    const auto tooLarge = [](QSize size) { return size.width() > maximumSide || size.height() > maximumSide; };
    if (tooLarge(structure->screenSize))
        return DecodingError::InvalidData;
    for (const auto& frame : declared) {
        if (tooLarge(frame.size))
            return DecodingError::InvalidData;
    }

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
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

} // namespace GIFDecoder
