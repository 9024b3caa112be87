// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/status/StatusItemController.h"

#include "support/FakeClock.h"
#include "support/FakeTicker.h"
#include "support/ManualOneShotTimer.h"
#include "support/RecordingNotifier.h"

#include "TimerCoreKit/commands/TimerCommandQueue.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>
#include <vector>

// The status item controller over fakes of everything it is given, each left
// reachable through a plain pointer for the test to drive and read.
namespace rig {

class StatusItem final : public platform::StatusItem {
public:
    Shape shape() const override { return m_shape; }
    std::optional<int> cellPixels() const override { return m_cellPixels; }
    QRect anchorRect() const override { return QRect(900, 0, 22, 22); }
    void setShape(Shape shape) { m_shape = shape; }
    void setCellPixels(std::optional<int> pixels) { m_cellPixels = pixels; }
    int imageSends = 0;

protected:
    void showImages(const QList<QImage>&) override { ++imageSends; }
    void showToolTip(const QString&) override { }

private:
    Shape m_shape = Shape::SquareCell;
    std::optional<int> m_cellPixels;
};

struct Popover final : PopoverHost {
    bool isShown() const override { return shown; }
    bool hasContent() const override { return content.has_value(); }
    void setContent(PopoverContent c) override
    {
        content = std::move(c);
        ++builds;
    }
    void dropContent() override { content.reset(); }
    void show(const QRect& anchor) override
    {
        shown = true;
        lastAnchor = anchor;
    }
    void close() override
    {
        shown = false;
        content.reset();
    }
    bool shown = false;
    std::optional<PopoverContent> content;
    int builds = 0;
    QRect lastAnchor;
};

struct Prompt final : CustomDurationPrompt {
    // Answers at once with `answer`, unless held open until `finish`.
    void ask(int currentMinutes, Answer reply) override
    {
        asked.push_back(currentMinutes);
        if (holdOpen)
            pending = std::move(reply);
        else
            reply(answer);
    }
    bool isOpen() const override { return static_cast<bool>(pending); }
    void raise() override { ++raises; }
    void finish()
    {
        Answer reply = std::move(pending);
        pending = nullptr;
        reply(answer);
    }
    std::optional<QString> answer;
    std::vector<int> asked;
    bool holdOpen = false;
    Answer pending;
    int raises = 0;
};

struct ClickHint final : ClickHintPresenter {
    void showHint(const QRect&) override { ++shows; }
    void moveHint(const QRect& anchor) override { moves.push_back(anchor); }
    int shows = 0;
    std::vector<QRect> moves;
};

struct Settings final : SettingsWindowOpener {
    void showSettings() override { ++shows; }
    int shows = 0;
};

struct FloatingPanel final : FloatingPanelSwitch {
    void showPanel() override { calls.push_back(true); }
    void hidePanel() override { calls.push_back(false); }
    std::vector<bool> calls;
};

struct Sleep final : SleepPreventionManager {
    bool isActive() const override { return active; }
    void beginPreventingSleep() override
    {
        if (active)
            return;
        ++begins;
        active = true;
    }
    bool release() override
    {
        ++releases;
        if (releaseSucceeds)
            active = false;
        return releaseSucceeds;
    }
    bool active = false;
    bool releaseSucceeds = true;
    int begins = 0;
    int releases = 0;
};

// What the completion did, in order, across the fakes that take part.
using EventLog = std::shared_ptr<QStringList>;

struct Sounds final : SoundManager {
    void play(CompletionSound sound) override
    {
        played.append(sound);
        events->append(QStringLiteral("sound"));
    }
    QList<CompletionSound> played;
    EventLog events = std::make_shared<QStringList>();
};

struct Focus final : FocusStatusManager {
    bool isFocused() const override
    {
        ++asks;
        return focused;
    }
    bool focused = false;
    mutable int asks = 0;
};

struct Hotkeys final : HotkeyManager {
    void enable() override { calls.push_back(true); }
    void disable() override { calls.push_back(false); }
    void pressToggle() const { toggleTimer(); }
    void pressReset() const { resetTimer(); }
    std::vector<bool> calls;
};

struct Updates final : UpdateController {
    bool canCheckForUpdates() const override { return canCheck; }
    void checkForUpdates() override { ++checks; }
    bool canCheck = true;
    int checks = 0;
};

struct Notifications final : platform::DesktopNotifications {
    void checkAuthorization(Answer answer) override { answer(true); }
    void requestAuthorization(Answer answer) override { answer(true); }
    void post(const platform::DesktopNotification& n, std::function<void()> done) override
    {
        posts->push_back(n.identifier);
        events->append(QStringLiteral("notification"));
        if (done)
            done();
    }
    std::shared_ptr<std::vector<QString>> posts = std::make_shared<std::vector<QString>>();
    EventLog events;
};

struct AudioOutput final : platform::AudioOutput {
    explicit AudioOutput(std::shared_ptr<int> schedules)
        : m_schedules(std::move(schedules))
    {
    }
    bool start() override { return true; }
    void stop() override { }
    void schedule(std::shared_ptr<const platform::AudioSamples>) override { ++*m_schedules; }

private:
    std::shared_ptr<int> m_schedules;
};

} // namespace rig

class ControllerRig {
public:
    explicit ControllerRig(const std::function<void(platform::UserDefaults&)>& prepareStore = {})
        : defaults(platform::UserDefaults::inMemory())
    {
        if (prepareStore)
            prepareStore(*defaults);
        build();
    }

    // A new controller over the same store, as a relaunch would make.
    void build()
    {
        controller.reset();
        timers.clear();
        StatusItemControllerParts parts;
        parts.defaults = defaults.get();
        parts.notifier = &notifier;
        auto notifications = std::make_unique<rig::Notifications>();
        notifications->events = events;
        posts = notifications->posts;
        parts.notifications = std::move(notifications);
        parts.audioOutput = [schedules = tickSchedules] { return std::make_unique<rig::AudioOutput>(schedules); };
        parts.ticker = ticker;
        parts.makeOneShotTimer = [this] {
            auto timer = std::make_unique<ManualOneShotTimer>();
            timers.push_back(timer.get());
            return std::unique_ptr<platform::OneShotTimer>(std::move(timer));
        };
        parts.clock = clock.provider();
        parts.monotonicSeconds = [this] { return monotonic; };
        parts.statusItem = make(statusItem);
        parts.sleepPrevention = make(sleep);
        parts.sounds = make(sounds);
        sounds->events = events;
        parts.focus = make(focus);
        parts.hotkeys = make(hotkeys);
        parts.updates = make(updates);
        parts.settingsWindow = handOver<SettingsWindowOpener, AppModel, SystemManagers>(make(settingsWindow));
        parts.floatingPanel = handOver<FloatingPanelSwitch, AppModel>(make(floatingPanel));
        parts.popover = handOver<PopoverHost, AppModel, TimerCommandPerformer>(make(popover));
        parts.customDurationPrompt = make(prompt);
        parts.clickHint = make(clickHint);
        parts.quit = [this] { ++quits; };
        controller = std::make_unique<StatusItemController>(std::move(parts));
    }

    AppModel& model() { return controller->model(); }
    TimerCommandPerformer& commands() { return controller->commands(); }
    TimerEngine& engine() { return model().engine(); }
    TimerMode mode() { return engine().state().mode(); }
    AppSettings& settings() { return model().settings(); }
    TimerCommandQueue queue() { return TimerCommandQueue(*defaults, notifier); }

    static void deliver() { QCoreApplication::sendPostedEvents(); }

    // The pending one-shot timer last started with this delay.
    ManualOneShotTimer* pendingTimer(double delay) const
    {
        for (auto it = timers.rbegin(); it != timers.rend(); ++it) {
            if ((*it)->isPending() && (*it)->delay == delay)
                return *it;
        }
        return nullptr;
    }

    // Moves both clocks on and delivers one tick of the engine.
    void tickAfter(double seconds)
    {
        clock.advance(seconds);
        monotonic += seconds;
        ticker->fire();
        deliver();
    }

    std::unique_ptr<platform::UserDefaults> defaults;
    RecordingNotifier notifier;
    FakeClock clock;
    double monotonic = 1000;
    std::shared_ptr<FakeTicker> ticker = std::make_shared<FakeTicker>();
    std::shared_ptr<int> tickSchedules = std::make_shared<int>(0);
    std::shared_ptr<std::vector<QString>> posts;
    rig::EventLog events = std::make_shared<QStringList>();
    std::vector<ManualOneShotTimer*> timers;
    int quits = 0;

    rig::StatusItem* statusItem = nullptr;
    rig::Sleep* sleep = nullptr;
    rig::Sounds* sounds = nullptr;
    rig::Focus* focus = nullptr;
    rig::Hotkeys* hotkeys = nullptr;
    rig::Updates* updates = nullptr;
    rig::Settings* settingsWindow = nullptr;
    rig::FloatingPanel* floatingPanel = nullptr;
    rig::Popover* popover = nullptr;
    rig::Prompt* prompt = nullptr;
    rig::ClickHint* clickHint = nullptr;
    std::unique_ptr<StatusItemController> controller;

private:
    template <typename T>
    static std::unique_ptr<T> make(T*& pointer)
    {
        auto owned = std::make_unique<T>();
        pointer = owned.get();
        return owned;
    }
};
