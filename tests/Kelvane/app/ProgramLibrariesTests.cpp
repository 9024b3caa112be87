// SPDX-License-Identifier: GPL-3.0-or-later
// What the dynamic linker maps into every run: the libraries the program
// names. Sound output and the update feed's network stack are loaded or
// linked only where they are used, so a tray program that never plays a tick
// or checks a feed does not carry them.
#include "Kelvane/update/UpdateControllerFactory.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(ProgramLibraries, NeitherSoundOutputNorTheNetworkStackAtStart)
{
    QFile program(QStringLiteral(KELVANE_PROGRAM));
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    const QByteArray named = program.readAll();
    EXPECT_FALSE(named.contains("libQt6Multimedia.so"));
    if (update::buildFeedUrl().isEmpty()) {
        EXPECT_FALSE(named.contains("libQt6Network.so")) << "built without a feed address";
    }
}

} // namespace
