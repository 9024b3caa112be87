// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/host/WidgetHost.h"

#include "TimerCoreKit/engine/TimerStateSnapshot.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/FakeClock.h"
#include "support/ManualOneShotTimer.h"
#include "support/RecordingNotifier.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class RecordingApp final : public AppConnection {
public:
    explicit RecordingApp(QStringList& calls)
        : m_calls(calls)
    {
    }
    void activate() override { m_calls << QStringLiteral("activate"); }
    void open(const QUrl& url) override { m_calls << url.toString(); }

private:
    QStringList& m_calls;
};

const QRect screen(0, 0, 1920, 1080);

class Host : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    WidgetHost& start()
    {
        WidgetHostParts parts;
        parts.defaults = m_store.get();
        parts.notifier = &m_notifier;
        parts.clock = m_clock.provider();
        parts.makeOneShotTimer = [] { return std::make_unique<ManualOneShotTimer>(); };
        parts.app = std::make_unique<RecordingApp>(m_appCalls);
        parts.configurationPath = path();
        parts.setLaunchAtLogin = [this](bool enabled) { m_launchAtLogin = enabled; };
        parts.availableGeometry = [] { return screen; };
        parts.quit = [this] { ++m_quits; };
        m_host = std::make_unique<WidgetHost>(std::move(parts));
        m_host->start();
        return *m_host;
    }

    QString path() const { return m_dir.filePath(QStringLiteral("widgets.json")); }

    void storeTimer(TimerMode mode, double remaining)
    {
        TimerStateSnapshot snapshot;
        snapshot.mode = mode;
        snapshot.duration = 1500;
        snapshot.remaining = remaining;
        if (mode == TimerMode::Running)
            snapshot.endDate = m_clock.now() + remaining;
        m_store->setData(SharedDefaultsKeys::timerState.name, *snapshot.toJson());
    }

    const WidgetTimerState& shown(std::size_t index = 0) { return m_host->window(index).view().entry().timerState; }

    void click(const WidgetAction& action) { m_host->perform(action); }

    QTemporaryDir m_dir;
    std::unique_ptr<platform::UserDefaults> m_store = platform::UserDefaults::inMemory();
    RecordingNotifier m_notifier;
    FakeClock m_clock;
    QStringList m_appCalls;
    std::optional<bool> m_launchAtLogin;
    int m_quits = 0;
    std::unique_ptr<WidgetHost> m_host;
};

TEST_F(Host, FirstStartPlacesOneSmallWidgetAtTheTopRightAndStartsAtLogin)
{
    WidgetHost& host = start();
    ASSERT_EQ(host.count(), 1u);
    EXPECT_EQ(host.placement(0).family, WidgetFamily::Small);
    EXPECT_EQ(host.placement(0).position, QPoint(1920 - 24 - 170, 24));
    EXPECT_EQ(host.window(0).pos(), QPoint(1920 - 24 - 170, 24));
    EXPECT_EQ(host.window(0).size(), QSize(170, 170));
    EXPECT_TRUE(host.window(0).isVisible());
    EXPECT_TRUE(host.window(0).windowFlags().testFlag(Qt::WindowStaysOnBottomHint));
    EXPECT_TRUE(host.window(0).windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(m_launchAtLogin, true);
    EXPECT_EQ(WidgetPlacement::load(path()).size(), 1u) << "the first widget is remembered";
}

TEST_F(Host, TheReloadSignalRedrawsEveryWidgetFromTheStore)
{
    WidgetPlacement::save(path(),
                          {{WidgetFamily::Small, QStringLiteral("preset.quick-5"), {10, 10}},
                           {WidgetFamily::Medium, QStringLiteral("preset.custom"), {10, 300}}});
    WidgetHost& host = start();
    ASSERT_EQ(host.count(), 2u);
    EXPECT_EQ(host.window(1).size(), QSize(364, 170));
    EXPECT_EQ(shown(0).mode, TimerMode::Idle);

    storeTimer(TimerMode::Running, 600);
    EXPECT_EQ(shown(1).mode, TimerMode::Idle) << "nothing reloads by itself before its time";
    EXPECT_EQ(m_notifier.deliver(QString(TimerCommandQueue::widgetReloadNotificationName)), 1);
    EXPECT_EQ(shown(0).mode, TimerMode::Running);
    EXPECT_EQ(shown(1).mode, TimerMode::Running);
    EXPECT_EQ(shown(1).remaining, 600);
}

TEST_F(Host, ButtonsQueueCommandsReloadAndOpenTheApp)
{
    WidgetHost& host = start();
    const TimerWidgetLayout layout = layoutTimerWidget(host.window(0).view().entry(), WidgetFamily::Small);
    click(layout.timeAreaIntent);
    TimerCommandQueue queue(*m_store, m_notifier);
    EXPECT_EQ(
        queue.pendingCommands(),
        QList<TimerCommand>({TimerCommand::selectPreset(QStringLiteral("preset.classic-25")), TimerCommand::start()}))
        << "an idle small widget starts its configured preset";
    EXPECT_TRUE(m_appCalls.isEmpty());

    click(WidgetIntent(OpenSettingsIntent{}));
    click(settingsURL);
    click(widgetURL);
    EXPECT_EQ(m_appCalls, QStringList({"activate", "kelvane://settings", "kelvane://open"}));
}

TEST_F(Host, ADragMovesTheWidgetAndAClickRunsWhatIsUnderIt)
{
    WidgetHost& host = start();
    TimerWidgetView& view = host.window(0).view();
    const QPoint placed = host.window(0).pos();
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(85, 85));
    QTest::mouseMove(&view, QPoint(125, 105));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(125, 105));
    EXPECT_EQ(host.window(0).pos(), placed + QPoint(40, 20));
    EXPECT_EQ(WidgetPlacement::load(path()).at(0).position, placed + QPoint(40, 20)) << "the new place is kept";
    TimerCommandQueue queue(*m_store, m_notifier);
    EXPECT_TRUE(queue.pendingCommands().isEmpty()) << "a drag is no click";

    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(85, 85));
    EXPECT_EQ(queue.pendingCommands().size(), 2);
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(3, 85));
    EXPECT_EQ(m_appCalls, QStringList{"kelvane://open"});
}

TEST_F(Host, AddingChangingAndRemovingWidgetsIsRemembered)
{
    WidgetHost& host = start();
    host.addWidget();
    ASSERT_EQ(host.count(), 2u);
    EXPECT_EQ(host.placement(1).position, QPoint(1920 - 24 - 170, 24 + 170 + 24));
    host.setFamily(1, WidgetFamily::Medium);
    host.setPreset(1, QStringLiteral("preset.custom"));
    EXPECT_EQ(host.window(1).size(), QSize(364, 170));
    EXPECT_EQ(host.window(1).view().entry().configuration.selectedPreset.id, QStringLiteral("preset.custom"));
    const auto saved = WidgetPlacement::load(path());
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].family, WidgetFamily::Medium);
    EXPECT_EQ(saved[1].presetID, QStringLiteral("preset.custom"));

    host.removeWidget(0);
    EXPECT_EQ(WidgetPlacement::load(path()).size(), 1u);
    EXPECT_EQ(m_launchAtLogin, true);
    EXPECT_EQ(m_quits, 0);
    host.removeWidget(0);
    EXPECT_TRUE(WidgetPlacement::load(path()).empty());
    EXPECT_EQ(m_launchAtLogin, false) << "no widget left, no start at login";
    EXPECT_EQ(m_quits, 1);
}

TEST_F(Host, AWidgetGrownAtTheRightEdgeStaysOnTheScreen)
{
    WidgetHost& host = start();
    host.setFamily(0, WidgetFamily::Medium);
    const QPoint inside(1920 - 24 - 364, 24);
    EXPECT_EQ(host.placement(0).position, inside);
    EXPECT_EQ(host.window(0).pos(), inside);
    EXPECT_TRUE(screen.contains(host.window(0).geometry())) << "the buttons would be off-screen";
    ASSERT_EQ(WidgetPlacement::load(path()).size(), 1u);
    EXPECT_EQ(WidgetPlacement::load(path()).front().position, inside);

    // Made small again it stays where it was put.
    host.setFamily(0, WidgetFamily::Small);
    EXPECT_EQ(host.window(0).pos(), inside);
}

TEST_F(Host, TheMenuOffersPresetsFamiliesAndTheWidgetCommands)
{
    WidgetHost& host = start();
    const auto menu = host.makeMenu(0);
    QStringList texts;
    QStringList checked;
    for (QAction* action : menu->actions()) {
        texts << action->text();
        if (action->menu()) {
            for (QAction* preset : action->menu()->actions()) {
                texts << QStringLiteral("  ") + preset->text();
                if (preset->isChecked())
                    checked << preset->text();
            }
        }
        if (action->isChecked())
            checked << action->text();
    }
    EXPECT_EQ(texts,
              QStringList({"Quick Start Preset", "  5 min", "  10 min", "  25 min", "  45 min", "  Custom", "Small",
                           "Medium", "", "Add Widget", "Remove Widget", "", "Quit"}));
    EXPECT_EQ(checked, QStringList({"25 min", "Small"}));
}

TEST(WidgetPlacement, DecodingSkipsWhatItCannotPlace)
{
    const QByteArray json = R"({"widgets":[
        {"family":"systemSmall","preset":"preset.quick-5","x":10,"y":20},
        {"family":"systemLarge","x":1,"y":1},
        {"family":"systemMedium","x":"left","y":1},
        {"family":"systemMedium","x":1e300,"y":1},
        {"family":"systemMedium","x":-5,"y":7}]})";
    const auto widgets = WidgetPlacement::decode(json);
    ASSERT_EQ(widgets.size(), 2u);
    EXPECT_EQ(widgets[0], (PlacedWidget{WidgetFamily::Small, QStringLiteral("preset.quick-5"), {10, 20}}));
    EXPECT_EQ(widgets[1], (PlacedWidget{WidgetFamily::Medium, QStringLiteral("preset.classic-25"), {-5, 7}}));
    EXPECT_TRUE(WidgetPlacement::decode("garbage").empty());
    EXPECT_EQ(WidgetPlacement::decode(WidgetPlacement::encode(widgets)), widgets);
}

TEST(WidgetPlacement, NewWidgetsGoBelowTheLastThenIntoTheNextColumn)
{
    std::vector<PlacedWidget> widgets{WidgetPlacement::firstWidget(screen)};
    EXPECT_EQ(WidgetPlacement::nextWidget(widgets, screen).position, QPoint(1726, 218));
    widgets.back().position = QPoint(1726, 900);
    EXPECT_EQ(WidgetPlacement::nextWidget(widgets, screen).position, QPoint(1726 - 364 - 24, 24));
    EXPECT_EQ(WidgetPlacement::nextWidget({}, screen).position, QPoint(1726, 24));
}

TEST(WidgetPlacement, AWidgetIsKeptInsideTheFreeArea)
{
    const QRect area(100, 30, 1820, 1050); // right 1919, bottom 1079
    const struct {
        WidgetFamily family;
        QPoint from;
        QPoint to;
    } cases[] = {
        {WidgetFamily::Medium, {1726, 54}, {1920 - 24 - 364, 54}}, // grown past the right edge
        {WidgetFamily::Medium, {1556, 54}, {1556, 54}}, // just fits
        {WidgetFamily::Small, {400, 1000}, {400, 1080 - 24 - 170}}, // past the bottom
        {WidgetFamily::Medium, {1800, 1000}, {1920 - 24 - 364, 1080 - 24 - 170}},
        {WidgetFamily::Small, {-50, -50}, {-50, -50}}, // past the top left is the user's choice
    };
    for (const auto& c : cases) {
        const PlacedWidget kept
            = WidgetPlacement::keptInside({c.family, QStringLiteral("preset.quick-5"), c.from}, area);
        EXPECT_EQ(kept.position, c.to) << c.from.x() << "," << c.from.y();
        EXPECT_EQ(kept.family, c.family);
        EXPECT_EQ(kept.presetID, QStringLiteral("preset.quick-5"));
    }
    // Wider than the area: its left edge stays on it.
    EXPECT_EQ(WidgetPlacement::keptInside({WidgetFamily::Medium, {}, {50, 40}}, QRect(0, 0, 300, 800)).position,
              QPoint(0, 40));
}

TEST(WidgetPlacement, TheConfigurationLivesUnderTheUsersConfigDirectory)
{
    EXPECT_EQ(WidgetPlacement::configurationPath(),
              qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/kelvane-widget/widgets.json"));
}

} // namespace
