// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/TextCharacters.h"

#include <QTextBoundaryFinder>

#include <array>

TextCharacters splitCharacters(QStringView text)
{
    TextCharacters characters;
    if (text.isEmpty())
        return characters;

    // Scratch space for the finder's per-unit attributes; a longer text makes
    // the finder allocate its own.
    std::array<unsigned char, 256> scratch{};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text, scratch.data(),
                               static_cast<qsizetype>(scratch.size()));
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > start; end = finder.toNextBoundary()) {
        characters.append(text.sliced(start, end - start));
        start = end;
    }
    return characters;
}
