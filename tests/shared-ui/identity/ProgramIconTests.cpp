// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own icon, drawn from the copy it carries where the desktop's
// icon theme does not have it.
#include "shared-ui/identity/ProgramIcon.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

TEST(ProgramIcon, TheIconIsDrawnWithoutAnInstalledTheme)
{
    const QImage drawn = ProgramIcon::icon().pixmap(QSize(128, 128)).toImage();
    ASSERT_FALSE(drawn.isNull());
    // Something of the picture, not a transparent square.
    int opaque = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            opaque += qAlpha(drawn.pixel(x, y)) > 200 ? 1 : 0;
    }
    EXPECT_GT(opaque, drawn.width() * drawn.height() / 4);
}
