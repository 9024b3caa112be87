// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstdint>
#include <span>

// GIF's flavour of LZW: variable-length codes from minCodeSize + 1 up to 12
// bits, packed least significant bit first, with a clear code up front, a
// fresh table whenever the 4096 codes run out, and an end code. The result is
// the bare code stream, before it is cut into sub-blocks.
//
// Every index must be below 2^minCodeSize; minCodeSize is 2 to 8.
QByteArray lzwEncode(std::span<const std::uint8_t> indices, int minCodeSize);
