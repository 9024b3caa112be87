// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/animation/BuiltInAnimationFrames.h"

#include "shared-ui/animations/BuiltInAnimationData.h"

std::optional<GIFDecoder::Animation> builtInAnimationFrames(const CompletionAnimation& animation, double targetHeight)
{
    const auto data = BuiltInAnimationData::data(animation.fileName);
    if (!data)
        return std::nullopt;
    auto decoded = GIFDecoder::decode(*data, targetHeight);
    if (auto* frames = std::get_if<GIFDecoder::Animation>(&decoded))
        return std::move(*frames);
    return std::nullopt;
}
