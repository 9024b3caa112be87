// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/intents/WidgetIntents.h"

#include "TimerCoreKit/commands/TimerCommandQueue.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/RecordingNotifier.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Type = TimerCommand::CommandType;

// The intents against a real store file, as the widget program runs them.
class Intents : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_store = platform::UserDefaults::openFile(m_dir.filePath(QStringLiteral("shared.sqlite")));
        ASSERT_TRUE(m_store && m_store->isShared());
        m_queue.emplace(*m_store, m_notifier);
        m_context.queue = &*m_queue;
        m_context.reloadAllTimelines = [this] { ++m_reloads; };
        m_context.openApp = [this] { ++m_openings; };
    }

    QList<TimerCommand> pending() const { return m_queue->pendingCommands(); }
    qsizetype posts() const { return m_notifier.posted.count(QString(TimerCommandQueue::queuedNotificationName)); }

    QTemporaryDir m_dir;
    std::unique_ptr<platform::UserDefaults> m_store;
    RecordingNotifier m_notifier;
    std::optional<TimerCommandQueue> m_queue;
    IntentContext m_context;
    int m_reloads = 0;
    int m_openings = 0;
};

struct IntentCase {
    const char* name;
    WidgetIntent intent;
    std::vector<TimerCommand> commands;
    int reloads;
    int openings;
};

class EachIntent : public Intents, public ::testing::WithParamInterface<IntentCase> { };

TEST_P(EachIntent, QueuesItsCommandsInOrder)
{
    const IntentCase& c = GetParam();
    runIntent(c.intent, m_context);
    EXPECT_EQ(pending(), QList<TimerCommand>(c.commands.begin(), c.commands.end()));
    EXPECT_EQ(posts(), qsizetype(c.commands.size())) << "one notification per command";
    EXPECT_EQ(m_reloads, c.reloads);
    EXPECT_EQ(m_openings, c.openings);
}

const TimerPresetEntity deep45{QStringLiteral("preset.deep-45"), QStringLiteral("45 min"), 45};

INSTANTIATE_TEST_SUITE_P(
    Cases, EachIntent,
    ::testing::Values(IntentCase{"Toggle", ToggleTimerIntent{}, {TimerCommand::toggle()}, 1, 0},
                      IntentCase{"SelectPresetThenStart",
                                 SelectPresetIntent{deep45},
                                 {TimerCommand::selectPreset(QStringLiteral("preset.deep-45")), TimerCommand::start()},
                                 1,
                                 0},
                      IntentCase{"OpenSettings", OpenSettingsIntent{}, {TimerCommand::openSettings()}, 0, 1},
                      IntentCase{"CustomPresetWithoutStart",
                                 SelectCustomPresetIntent{},
                                 {TimerCommand::selectPreset(QStringLiteral("preset.custom"))},
                                 0,
                                 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(Intents, TheStoredJsonCarriesTheTypesTheAppReads)
{
    runIntent(SelectPresetIntent{deep45}, m_context);
    const auto stored = m_store->data(SharedDefaultsKeys::commandQueue);
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, QByteArray(R"([{"presetID":"preset.deep-45","type":"selectPreset"},{"type":"start"}])"));
}

TEST_F(Intents, ARepeatedToggleIsDroppedButStillReloads)
{
    runIntent(ToggleTimerIntent{}, m_context);
    runIntent(ToggleTimerIntent{}, m_context);
    EXPECT_EQ(pending().size(), 1);
    EXPECT_EQ(posts(), 1);
    EXPECT_EQ(m_reloads, 2);
}

TEST_F(Intents, AFullQueueTakesNothingMoreAndStillReloads)
{
    for (qsizetype i = 0; i < TimerCommandQueue::capacity; ++i)
        m_queue->enqueue(i % 2 ? TimerCommand::pause() : TimerCommand::reset());
    m_notifier.posted.clear();

    runIntent(SelectPresetIntent{deep45}, m_context);
    EXPECT_EQ(pending().size(), TimerCommandQueue::capacity);
    EXPECT_EQ(pending().last(), TimerCommand::pause());
    EXPECT_EQ(posts(), 0);
    EXPECT_EQ(m_reloads, 1);
}

TEST(TimerPresetQuery, SuggestsEveryPresetInOrder)
{
    const auto suggested = TimerPresetQuery().suggestedEntities();
    QStringList names;
    for (const auto& entity : suggested)
        names << entity.name;
    EXPECT_EQ(names, QStringList({"5 min", "10 min", "25 min", "45 min", "Custom"}));
    EXPECT_EQ(suggested.last().durationMinutes, 0);
    EXPECT_EQ(TimerPresetQuery().results(), suggested);
}

// The widget starts presets by id: its list must be the app's, or a button
// would start a preset the app does not know, or a different length.
TEST(TimerPresetQuery, OffersTheAppsPresetsWithTheirIdsNamesAndMinutes)
{
    const auto entities = TimerPresetQuery().suggestedEntities();
    const auto presets = TimerPresetLibrary::presets(TimerPresetLibrary::Constants::defaultCustomDuration);
    ASSERT_EQ(entities.size(), presets.size());
    ASSERT_EQ(entities.size(), 5);
    for (qsizetype i = 0; i < presets.size(); ++i) {
        SCOPED_TRACE(presets[i].id.toStdString());
        EXPECT_EQ(entities[i].id, presets[i].id);
        EXPECT_EQ(entities[i].name, presets[i].name);
        EXPECT_EQ(entities[i].durationMinutes * 60.0, presets[i].isCustom ? 0 : presets[i].duration);
    }
}

TEST(TimerPresetQuery, EntitiesComeInListOrderOnceAndUnknownIdsAreDropped)
{
    const auto found = TimerPresetQuery().entities({QStringLiteral("preset.deep-45"), QStringLiteral("preset.quick-5"),
                                                    QStringLiteral("preset.deep-45"), QStringLiteral("preset.none")});
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].id, QStringLiteral("preset.quick-5"));
    EXPECT_EQ(found[1].id, QStringLiteral("preset.deep-45"));
    EXPECT_TRUE(TimerPresetQuery().entities({}).isEmpty());
}

TEST(TimerWidgetConfigurationIntent, WithNothingChosenStartsTwentyFiveMinutes)
{
    const TimerWidgetConfigurationIntent configuration;
    EXPECT_EQ(configuration.selectedPreset.id, QStringLiteral("preset.classic-25"));
    EXPECT_EQ(configuration.selectedPreset.name, QStringLiteral("25 min"));
    EXPECT_EQ(configuration.selectedPreset.durationMinutes, 25);
}

} // namespace
