// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/sessions/DisplayText.h"

#include <QTextBoundaryFinder>

QString leadingCharacters(const QString& text, qsizetype count)
{
    if (count <= 0)
        return {};
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (qsizetype taken = 0; taken < count; ++taken) {
        const qsizetype next = boundaries.toNextBoundary();
        if (next < 0)
            return text;
        end = next;
    }
    return text.left(end);
}
