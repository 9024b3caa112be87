// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/animation/AnimationLibrary.h"
#include "Kelvane/settings/AppSettings.h"

#include "support/CountingBackend.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

QString key(const char* name)
{
    return QStringLiteral("com.morrowfen.kelvane.") + QLatin1String(name);
}

int totalWrites(const CountingStore& store)
{
    int total = 0;
    for (int count : store.backend->writes)
        total += count;
    return total;
}

// What a store loads to, field by field.
struct Loaded {
    DisplayScale scale;
    MenuBarDisplayMode menuBar;
    DotWeight weight;
    ColonMode colon;
    TimeFormat format;
    DotShape shape;
    DisplayType type;
    DisplayStyleConfig style;
    bool shortcuts;
    CompletionBehavior behavior;
    CompletionSound sound;
    TickStyle tick;
    bool loops;
};

Loaded loadedFrom(AppSettings& s)
{
    auto& c = s.completionSettings();
    return {s.displayScale(),
            s.menuBarDisplayMode(),
            s.dotWeight(),
            s.colonMode(),
            s.timeFormat(),
            s.dotShape(),
            s.displayType(),
            s.styleConfig(),
            s.globalShortcutsEnabled(),
            c.displayBehavior(),
            c.selectedSound(),
            c.tickStyle(),
            c.animationLoopsEnabled()};
}

TEST(SettingsStores, LoadFreshOlderAndBadStoresToTheDocumentedValues)
{
    DisplayStyleConfig olderStyle = DisplayStyleConfig::defaultConfig();
    olderStyle.dotWeight = DotWeight::Bold;
    olderStyle.dotShape = DotShape::Square;
    olderStyle.colonMode = ColonMode::Pulsing;
    const auto defaults = DisplayStyleConfig::defaultConfig();

    struct Case {
        const char* name;
        std::function<void(platform::UserDefaults&)> prepare;
        Loaded expected;
    };
    const Case cases[] = {
        {"fresh",
         [](platform::UserDefaults&) {},
         {DisplayScale::Regular, MenuBarDisplayMode::Full, DotWeight::Regular, ColonMode::Contextual,
          TimeFormat::Minimal, DotShape::Rounded, DisplayType::DotMatrix, defaults, true,
          CompletionBehavior::ShowCheckmark, CompletionSound::None, TickStyle::None, false}},
        {"older keys",
         [](platform::UserDefaults& d) {
             d.setString(key("appearance.dotWeight"), "bold");
             d.setString(key("appearance.dotShape"), "square");
             d.setString(key("appearance.colonMode"), "pulsing");
             d.setData(key("appearance.styleConfig"), "not a configuration");
             d.setBool(key("completion.playSound"), true);
         },
         {DisplayScale::Regular, MenuBarDisplayMode::Full, DotWeight::Bold, ColonMode::Pulsing, TimeFormat::Minimal,
          DotShape::Square, DisplayType::DotMatrix, olderStyle, true, CompletionBehavior::ShowCheckmark,
          CompletionSound::Glass, TickStyle::None, false}},
        {"bad values",
         [](platform::UserDefaults& d) {
             d.setString(key("appearance.displayScale"), "huge");
             d.setString(key("appearance.displayType"), "sevenSegment");
             d.setInteger(key("general.globalShortcutsEnabled"), 0);
             d.setString(key("completion.displayBehavior"), "explode");
             d.setString(key("completion.tickStyle"), "loud");
             d.setString(key("completion.animationLoopsEnabled"), "yes");
         },
         {DisplayScale::Regular, MenuBarDisplayMode::Full, DotWeight::Regular, ColonMode::Contextual,
          TimeFormat::Minimal, DotShape::Rounded, DisplayType::DotMatrix, defaults, true,
          CompletionBehavior::ShowCheckmark, CompletionSound::None, TickStyle::None, false}},
        {"small-and-big forces the standard format",
         [](platform::UserDefaults& d) {
             d.setString(key("appearance.displayType"), "smallAndBig");
             d.setString(key("appearance.timeFormat"), "minimal");
             d.setString(key("appearance.menuBarDisplayMode"), "iconOnly");
         },
         {DisplayScale::Regular, MenuBarDisplayMode::IconOnly, DotWeight::Regular, ColonMode::Contextual,
          TimeFormat::Standard, DotShape::Rounded, DisplayType::SmallAndBig, defaults, true,
          CompletionBehavior::ShowCheckmark, CompletionSound::None, TickStyle::None, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CountingStore store;
        c.prepare(store.defaults);
        store.backend->writes.clear();
        AppSettings settings(store.defaults);
        const auto loaded = loadedFrom(settings);
        EXPECT_EQ(loaded.scale, c.expected.scale);
        EXPECT_EQ(loaded.menuBar, c.expected.menuBar);
        EXPECT_EQ(loaded.weight, c.expected.weight);
        EXPECT_EQ(loaded.colon, c.expected.colon);
        EXPECT_EQ(loaded.format, c.expected.format);
        EXPECT_EQ(loaded.shape, c.expected.shape);
        EXPECT_EQ(loaded.type, c.expected.type);
        EXPECT_EQ(loaded.style, c.expected.style);
        EXPECT_EQ(loaded.shortcuts, c.expected.shortcuts);
        EXPECT_EQ(loaded.behavior, c.expected.behavior);
        EXPECT_EQ(loaded.sound, c.expected.sound);
        EXPECT_EQ(loaded.tick, c.expected.tick);
        EXPECT_EQ(loaded.loops, c.expected.loops);
        EXPECT_EQ(store.defaults.integer(key("settingsVersion")), 1);
    }
}

TEST(SettingsStores, StartUpWritesOnlyWhatItMigrates)
{
    CountingStore fresh;
    {
        AppSettings settings(fresh.defaults);
    }
    EXPECT_EQ(totalWrites(fresh), 1); // the settings version
    EXPECT_FALSE(fresh.defaults.object(key("appearance.styleConfig")));

    CountingStore older;
    older.defaults.setBool(key("completion.playSound"), true);
    older.defaults.setInteger(key("settingsVersion"), 3);
    older.backend->writes.clear();
    {
        AppSettings settings(older.defaults);
    }
    EXPECT_EQ(totalWrites(older), 1);
    EXPECT_EQ(older.defaults.string(key("completion.selectedSound")), "glass");
    EXPECT_EQ(older.defaults.integer(key("settingsVersion")), 3);
}

TEST(SettingsStores, AssignmentsWriteAtOnceAndFollowTheirRules)
{
    auto defaults = platform::UserDefaults::inMemory();
    AppSettings settings(*defaults);
    int changes = 0;
    QObject::connect(&settings, &AppSettings::changed, [&] { ++changes; });

    settings.setDisplayType(DisplayType::SmallAndBig);
    EXPECT_EQ(defaults->string(key("appearance.displayType")), "smallAndBig");
    EXPECT_EQ(defaults->string(key("appearance.timeFormat")), "standard");
    EXPECT_EQ(settings.timeFormat(), TimeFormat::Standard);
    EXPECT_EQ(changes, 2);

    settings.setDisplayType(DisplayType::SevenSegment);
    EXPECT_EQ(defaults->string(key("appearance.displayType")), "sevenSegmentV2");

    auto style = settings.styleConfig();
    style.bloomEnabled = false;
    settings.setStyleConfig(style);
    AppSettings reread(*defaults);
    EXPECT_FALSE(reread.styleConfig().bloomEnabled);

    auto& completion = settings.completionSettings();
    completion.setDisplayBehavior(CompletionBehavior::PlayAnimation);
    EXPECT_EQ(completion.selectedAnimationID(), QStringLiteral("builtin.smiley-fireworks"));
    completion.setSelectedAnimationID(QStringLiteral("builtin.matrix-rain"));
    completion.setDisplayBehavior(CompletionBehavior::PlayAnimation);
    EXPECT_EQ(completion.selectedAnimationID(), QStringLiteral("builtin.matrix-rain"));
    completion.setSelectedAnimationID(std::nullopt);
    EXPECT_FALSE(defaults->object(key("completion.selectedAnimationID")));
}

TEST(SettingsStores, ReloadWritesNothingAndResetWritesEveryDefault)
{
    CountingStore store;
    AppSettings settings(store.defaults);
    store.defaults.setString(key("appearance.displayType"), "smallAndBig");
    store.defaults.setString(key("appearance.colonMode"), "pulsing");
    store.backend->writes.clear();
    settings.reloadFromDefaults();
    EXPECT_EQ(totalWrites(store), 0);
    EXPECT_EQ(settings.displayType(), DisplayType::SmallAndBig);
    EXPECT_EQ(settings.colonMode(), ColonMode::Pulsing);
    EXPECT_EQ(settings.timeFormat(), TimeFormat::Minimal); // no small-and-big rule while reloading

    store.defaults.setDouble(key("floatingDisplay.x"), 40);
    store.defaults.setDouble(key("floatingDisplay.y"), 60);
    settings.setHasSeenClickHint(true);
    settings.completionSettings().setTickStyle(TickStyle::Soft);
    settings.resetToDefaults();
    EXPECT_EQ(store.defaults.string(key("appearance.displayType")), "dotMatrix");
    EXPECT_EQ(store.defaults.string(key("appearance.colonMode")), "contextual");
    EXPECT_EQ(store.defaults.object(key("macos.hasSeenClickHint")), platform::StoredValue(false));
    EXPECT_EQ(store.defaults.string(key("completion.tickStyle")), "none");
    EXPECT_EQ(store.defaults.string(key("appearance.selectedColorID")), "transparent");
    EXPECT_EQ(settings.loadFloatingPosition(), QPointF(40, 60));
}

// A setting the reset leaves out keeps the user's value after "Reset All".
TEST(SettingsStores, ResetWritesEverySettingsDefaultInItsStoredForm)
{
    using platform::StoredValue;
    CountingStore store;
    AppSettings settings(store.defaults);
    settings.setDisplayScale(DisplayScale::Floating);
    settings.setMenuBarDisplayMode(MenuBarDisplayMode::IconOnly);
    settings.setRespectFocusMode(true);
    settings.completionSettings().setDisplayBehavior(CompletionBehavior::PlayAnimation);
    settings.completionSettings().setShowNotification(true);
    store.backend->writes.clear();

    settings.resetToDefaults();
    const QByteArray defaultStyle
        = QJsonDocument(DisplayStyleConfig::defaultConfig().toJson()).toJson(QJsonDocument::Compact);
    const std::pair<const char*, std::optional<StoredValue>> written[] = {
        {"appearance.displayScale", QStringLiteral("regular")},
        {"appearance.menuBarDisplayMode", QStringLiteral("full")},
        {"appearance.dotWeight", QStringLiteral("regular")},
        {"appearance.colonMode", QStringLiteral("contextual")},
        {"appearance.timeFormat", QStringLiteral("minimal")},
        {"appearance.dotShape", QStringLiteral("rounded")},
        {"appearance.showLeadingZero", false},
        {"appearance.displayType", QStringLiteral("dotMatrix")},
        {"appearance.styleConfig", defaultStyle},
        {"behavior.preventSleep", false},
        {"floatingDisplay.enabled", false},
        {"general.globalShortcutsEnabled", true},
        {"behavior.respectFocusMode", false},
        {"macos.hasSeenClickHint", false},
        {"completion.displayBehavior", QStringLiteral("showCheckmark")},
        {"completion.selectedSound", QStringLiteral("none")},
        {"completion.tickStyle", QStringLiteral("none")},
        {"completion.showNotification", false},
        {"completion.selectedAnimationID", std::nullopt},
        {"completion.animationLoopsEnabled", false},
    };
    for (const auto& [name, value] : written) {
        SCOPED_TRACE(name);
        EXPECT_EQ(store.writes(key(name)), 1);
        EXPECT_EQ(store.defaults.object(key(name)), value);
    }
}

TEST(SettingsStores, FloatingPositionNeedsTheXOrigin)
{
    auto defaults = platform::UserDefaults::inMemory();
    AppSettings settings(*defaults);
    defaults->setDouble(key("floatingDisplay.y"), 12);
    EXPECT_FALSE(settings.loadFloatingPosition());
    defaults->remove(key("floatingDisplay.y"));
    defaults->setDouble(key("floatingDisplay.x"), 7);
    EXPECT_EQ(settings.loadFloatingPosition(), QPointF(7, 0));
}

TEST(AnimationLibrary, ListsTenAnimationsAndFindsThemByExactId)
{
    ASSERT_EQ(AnimationLibrary::animations().size(), 10);
    EXPECT_EQ(AnimationLibrary::animations().first().id, "builtin.smiley-fireworks");
    EXPECT_EQ(AnimationLibrary::animation("builtin.game-over")->name, "GAME OVER");
    EXPECT_FALSE(AnimationLibrary::animation(""));
    EXPECT_FALSE(AnimationLibrary::animation("builtin.Game-Over"));
}

} // namespace
