// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/intents/TimerPresetEntity.h"

#include <QLatin1StringView>

#include <functional>
#include <variant>

class TimerCommandQueue;

// What an intent reaches when it runs: the app's command queue, the host's
// reload of every widget's timeline, and the app itself.
struct IntentContext {
    const TimerCommandQueue* queue = nullptr;
    std::function<void()> reloadAllTimelines;
    // Brings the app forward (starting it when it is not running).
    std::function<void()> openApp;
};

// The widget's buttons run these. Each only queues commands for the app; the
// app performs them.
struct ToggleTimerIntent {
    static constexpr QLatin1StringView title{"Toggle Timer"};
    static constexpr bool opensAppWhenRun = false;
    void perform(const IntentContext& context) const;
    friend bool operator==(const ToggleTimerIntent&, const ToggleTimerIntent&) = default;
};

struct SelectPresetIntent {
    static constexpr QLatin1StringView title{"Select Timer Preset"};
    static constexpr QLatin1StringView presetTitle{"Preset"};
    static constexpr bool opensAppWhenRun = false;
    TimerPresetEntity preset;
    void perform(const IntentContext& context) const;
    friend bool operator==(const SelectPresetIntent&, const SelectPresetIntent&) = default;
};

struct OpenSettingsIntent {
    static constexpr QLatin1StringView title{"Open Settings"};
    static constexpr bool opensAppWhenRun = true;
    void perform(const IntentContext& context) const;
    friend bool operator==(const OpenSettingsIntent&, const OpenSettingsIntent&) = default;
};

struct SelectCustomPresetIntent {
    static constexpr QLatin1StringView title{"Select Custom Preset"};
    static constexpr bool opensAppWhenRun = true;
    void perform(const IntentContext& context) const;
    friend bool operator==(const SelectCustomPresetIntent&, const SelectCustomPresetIntent&) = default;
};

// The widget's configuration: which preset its small widget starts.
struct TimerWidgetConfigurationIntent {
    static constexpr QLatin1StringView title{"Timer Widget"};
    static constexpr QLatin1StringView selectedPresetTitle{"Quick Start Preset"};
    static TimerPresetEntity defaultPreset();
    TimerPresetEntity selectedPreset = defaultPreset();
    friend bool operator==(const TimerWidgetConfigurationIntent&, const TimerWidgetConfigurationIntent&) = default;
};

using WidgetIntent = std::variant<ToggleTimerIntent, SelectPresetIntent, OpenSettingsIntent, SelectCustomPresetIntent>;

// Performs the intent, then brings the app forward when the intent says so.
void runIntent(const WidgetIntent& intent, const IntentContext& context);
