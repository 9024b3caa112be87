// SPDX-License-Identifier: GPL-3.0-or-later
// The audio module is loaded by the first output asked for, not before: Qt
// Multimedia and the sound server's client are not in the process until then.
#include "PlatformKit/audio/AudioOutputSink.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

bool isMapped(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

TEST(SystemAudioOutput, LoadsQtMultimediaWithTheFirstOutputOnly)
{
    const auto makeOutput = platform::systemAudioOutput(QStringLiteral(KELVANE_AUDIO_MODULE));
    EXPECT_FALSE(isMapped("libQt6Multimedia"));
    EXPECT_FALSE(isMapped("libpulse"));
    const auto output = makeOutput();
    ASSERT_NE(output, nullptr);
    EXPECT_TRUE(isMapped("libQt6Multimedia"));
    EXPECT_NE(makeOutput(), nullptr) << "a second output";
}

TEST(SystemAudioOutput, MissingModuleGivesSilenceEveryTime)
{
    const auto makeOutput = platform::systemAudioOutput(QStringLiteral("/nonexistent/kelvane-audio.so"));
    EXPECT_EQ(makeOutput(), nullptr);
    EXPECT_EQ(makeOutput(), nullptr);
}

} // namespace
