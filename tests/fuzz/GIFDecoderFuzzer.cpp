// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the GIF decoder: it must return frames or a typed
// error, never crash, hang or allocate without bound.
#include "Kelvane/animation/GIFDecoder.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto result = GIFDecoder::decode(bytes, 18);
    if (const auto* animation = std::get_if<GIFDecoder::Animation>(&result)) {
        if (animation->frames.size() != animation->delays.size() || animation->frames.isEmpty())
            std::abort();
    }
    return 0;
}
