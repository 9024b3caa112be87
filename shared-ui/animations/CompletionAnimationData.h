// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

// The built-in completion animations as the program carries them: every GIF
// file as standard Base64 text. The table is generated source, written by
// tools/animation-generator; edit the art there, not the text.
namespace CompletionAnimationData {

struct Entry {
    std::string_view fileName;
    std::string_view base64;
};

std::span<const Entry> entries();

} // namespace CompletionAnimationData
