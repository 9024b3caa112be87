// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/engine/TimerMode.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// One command from the widget to the app. Its JSON is an object with "type"
// and only the payload keys of that type.
class TimerCommand {
public:
    enum class CommandType {
        Toggle,
        Start,
        Pause,
        Reset,
        SelectPreset,
        OpenSettings,
        SkipPhase,
        EnterTimerMode,
        StartPomodoro,
        StartCustomDuration,
        SwitchDirection,
    };

    static TimerCommand toggle() { return TimerCommand(CommandType::Toggle); }
    static TimerCommand start() { return TimerCommand(CommandType::Start); }
    static TimerCommand pause() { return TimerCommand(CommandType::Pause); }
    static TimerCommand reset() { return TimerCommand(CommandType::Reset); }
    static TimerCommand selectPreset(QString presetID);
    static TimerCommand openSettings() { return TimerCommand(CommandType::OpenSettings); }
    static TimerCommand skipPhase() { return TimerCommand(CommandType::SkipPhase); }
    static TimerCommand enterTimerMode(QString presetID, bool autoStart);
    static TimerCommand startPomodoro() { return TimerCommand(CommandType::StartPomodoro); }
    // Finite lengths are bounded to the custom preset's range; others are kept
    // as given so that the queue can refuse them.
    static TimerCommand startCustomDuration(double seconds);
    static TimerCommand switchDirection(TimerDirection direction);

    CommandType type() const { return m_type; }
    // Payloads; each is meaningful only for the types that carry it.
    const QString& presetID() const { return m_presetID; }
    bool autoStart() const { return m_autoStart; }
    double seconds() const { return m_seconds; }
    TimerDirection direction() const { return m_direction; }

    // Same type and equal payloads of that type.
    bool operator==(const TimerCommand& other) const;

    // None when a payload cannot be written (a length that is not finite).
    std::optional<QJsonObject> toJson() const;
    static std::optional<TimerCommand> fromJson(const QJsonObject& object);

private:
    explicit TimerCommand(CommandType type)
        : m_type(type)
    {
    }

    CommandType m_type;
    QString m_presetID;
    bool m_autoStart = false;
    double m_seconds = 0;
    TimerDirection m_direction = TimerDirection::Countdown;
};

template <>
struct platform::RawValues<TimerCommand::CommandType> {
    using T = TimerCommand::CommandType;
    static constexpr std::array cases{
        std::pair{T::Toggle, std::string_view{"toggle"}},
        std::pair{T::Start, std::string_view{"start"}},
        std::pair{T::Pause, std::string_view{"pause"}},
        std::pair{T::Reset, std::string_view{"reset"}},
        std::pair{T::SelectPreset, std::string_view{"selectPreset"}},
        std::pair{T::OpenSettings, std::string_view{"openSettings"}},
        std::pair{T::SkipPhase, std::string_view{"skipPhase"}},
        std::pair{T::EnterTimerMode, std::string_view{"enterTimerMode"}},
        std::pair{T::StartPomodoro, std::string_view{"startPomodoro"}},
        std::pair{T::StartCustomDuration, std::string_view{"startCustomDuration"}},
        std::pair{T::SwitchDirection, std::string_view{"switchDirection"}},
    };
};
