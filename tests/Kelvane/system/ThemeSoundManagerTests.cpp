// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/system/ThemeSoundManager.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// Plays what it is told to, or fails as a desktop without the sound would.
class FakeEventSoundPlayer final : public platform::EventSoundPlayer {
public:
    explicit FakeEventSoundPlayer(QStringList& played, bool succeeds)
        : m_played(played)
        , m_succeeds(succeeds)
    {
    }

    bool play(const QString& eventId) override
    {
        m_played.append(eventId);
        return m_succeeds;
    }

private:
    QStringList& m_played;
    bool m_succeeds;
};

TEST(ThemeSoundManager, EachSoundHasItsThemeEvent)
{
    const std::pair<CompletionSound, const char*> cases[] = {
        {CompletionSound::Glass, "complete"},           {CompletionSound::Ping, "bell"},
        {CompletionSound::Pop, "message-new-instant"},  {CompletionSound::Purr, "dialog-information"},
        {CompletionSound::Hero, "alarm-clock-elapsed"}, {CompletionSound::Tink, "audio-volume-change"},
    };
    for (const auto& [sound, eventId] : cases)
        EXPECT_EQ(themeEventId(sound), QString::fromLatin1(eventId)) << id(sound).toStdString();
    EXPECT_EQ(themeEventId(CompletionSound::None), std::nullopt);
}

TEST(ThemeSoundManager, TheFreedesktopThemeHasEveryEvent)
{
    const QString theme = QStringLiteral("/usr/share/sounds/freedesktop/stereo/");
    if (!QFile::exists(theme))
        GTEST_SKIP() << "the freedesktop sound theme is not installed";
    for (const auto& [sound, raw] : platform::RawValues<CompletionSound>::cases) {
        if (const std::optional<QString> eventId = themeEventId(sound)) {
            EXPECT_TRUE(QFile::exists(theme + *eventId + ".oga")) << eventId->toStdString();
        }
    }
}

TEST(ThemeSoundManager, BeepsOnlyWhereTheSoundCannotBePlayed)
{
    struct Case {
        const char* name;
        CompletionSound sound;
        bool playerSucceeds;
        QStringList played;
        int beeps;
    };
    const Case cases[] = {
        {"played", CompletionSound::Glass, true, {"complete"}, 0},
        {"not playable", CompletionSound::Pop, false, {"message-new-instant"}, 1},
        {"silent choice", CompletionSound::None, false, {}, 0},
    };
    for (const Case& c : cases) {
        QStringList played;
        int beeps = 0;
        ThemeSoundManager sounds(std::make_unique<FakeEventSoundPlayer>(played, c.playerSucceeds), [&] { ++beeps; });
        sounds.play(c.sound);
        EXPECT_EQ(played, c.played) << c.name;
        EXPECT_EQ(beeps, c.beeps) << c.name;
    }
}

} // namespace
