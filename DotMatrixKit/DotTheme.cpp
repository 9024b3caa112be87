// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotTheme.h"

const DotTheme& DotTheme::defaultTheme()
{
    static const DotTheme theme{QColor(Qt::white), QColor(Qt::black)};
    return theme;
}

const DotTheme& DotTheme::light()
{
    static const DotTheme theme{QColor(Qt::black), QColor(Qt::white)};
    return theme;
}
