// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings window's parts over fakes: a store in memory, a recording
// sound player, a launch-at-login manager the test lets succeed or fail, a
// counting audio output and timers that fire when the test says.

#include "Kelvane/settingswindow/SettingsWindowParts.h"

#include "support/ManualOneShotTimer.h"
#include "support/RecordingSoundPlayer.h"

#include <QCoreApplication>
#include <QEvent>

#include <memory>
#include <vector>

namespace settingsrig {

class LaunchAtLogin final : public LaunchAtLoginManager {
public:
    explicit LaunchAtLogin(bool* systemEnabled, bool accepts)
        : m_systemEnabled(systemEnabled)
        , m_accepts(accepts)
    {
    }
    void refreshStatus() override { setEnabled(*m_systemEnabled); }
    void enable() override { change(true); }
    void disable() override { change(false); }

private:
    // A refused change is dropped without a refresh, as the real one does.
    void change(bool enabled)
    {
        if (!m_accepts)
            return;
        *m_systemEnabled = enabled;
        refreshStatus();
    }
    bool* m_systemEnabled;
    bool m_accepts;
};

class Focus final : public FocusStatusManager {
public:
    bool isFocused() const override { return false; }
};

struct AudioLog {
    int created = 0;
    int starts = 0;
    int schedules = 0;
    int stops = 0;
};

class AudioOutput final : public platform::AudioOutput {
public:
    explicit AudioOutput(std::shared_ptr<AudioLog> log)
        : m_log(std::move(log))
    {
        ++m_log->created;
    }
    bool start() override
    {
        ++m_log->starts;
        return true;
    }
    void stop() override { ++m_log->stops; }
    void schedule(std::shared_ptr<const platform::AudioSamples>) override { ++m_log->schedules; }

private:
    std::shared_ptr<AudioLog> m_log;
};

} // namespace settingsrig

class SettingsWindowRig {
public:
    SettingsWindowRig()
        : defaults(platform::UserDefaults::inMemory())
        , settings(*defaults)
    {
    }

    SettingsWindowParts parts()
    {
        SettingsWindowParts made;
        made.settings = &settings;
        made.sounds = &sounds;
        made.focus = &focus;
        made.makeLaunchAtLogin = [this] {
            ++launchAtLoginManagersMade;
            return std::make_unique<settingsrig::LaunchAtLogin>(&launchAtLoginEnabled, launchAtLoginAccepts);
        };
        made.audioOutput = [log = audio] { return std::make_unique<settingsrig::AudioOutput>(log); };
        made.makeOneShotTimer = [this] {
            auto timer = std::make_unique<ManualOneShotTimer>();
            timers.push_back(timer.get());
            return timer;
        };
        if (canCheckForUpdates)
            made.onCheckForUpdates = [this] { ++updateChecks; };
        return made;
    }

    // Runs what closing left to do: deferred deletes and queued calls.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    std::unique_ptr<platform::UserDefaults> defaults;
    AppSettings settings;
    RecordingSoundPlayer sounds;
    settingsrig::Focus focus;
    bool launchAtLoginEnabled = false;
    bool launchAtLoginAccepts = true;
    int launchAtLoginManagersMade = 0;
    std::shared_ptr<settingsrig::AudioLog> audio = std::make_shared<settingsrig::AudioLog>();
    // Every timer handed out, in order; owned by what they were given to.
    std::vector<ManualOneShotTimer*> timers;
    bool canCheckForUpdates = true;
    int updateChecks = 0;
};
