// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/commands/TimerCommand.h"

#include "TimerCoreKit/engine/TimerPersistence.h"
#include "TimerCoreKit/json/JsonFields.h"

namespace {
constexpr QLatin1StringView typeKey{"type"};
constexpr QLatin1StringView presetIDKey{"presetID"};
constexpr QLatin1StringView autoStartKey{"autoStart"};
constexpr QLatin1StringView secondsKey{"seconds"};
constexpr QLatin1StringView directionKey{"direction"};
} // namespace

TimerCommand TimerCommand::selectPreset(QString presetID)
{
    TimerCommand command(CommandType::SelectPreset);
    command.m_presetID = std::move(presetID);
    return command;
}

TimerCommand TimerCommand::enterTimerMode(QString presetID, bool autoStart)
{
    TimerCommand command(CommandType::EnterTimerMode);
    command.m_presetID = std::move(presetID);
    command.m_autoStart = autoStart;
    return command;
}

TimerCommand TimerCommand::startCustomDuration(double seconds)
{
    TimerCommand command(CommandType::StartCustomDuration);
    command.m_seconds = TimerPersistence::boundedCustomDuration(seconds).value_or(seconds);
    return command;
}

TimerCommand TimerCommand::switchDirection(TimerDirection direction)
{
    TimerCommand command(CommandType::SwitchDirection);
    command.m_direction = direction;
    return command;
}

bool TimerCommand::operator==(const TimerCommand& other) const
{
    if (m_type != other.m_type)
        return false;
    switch (m_type) {
    case CommandType::SelectPreset:
        return m_presetID == other.m_presetID;
    case CommandType::EnterTimerMode:
        return m_presetID == other.m_presetID && m_autoStart == other.m_autoStart;
    case CommandType::StartCustomDuration:
        return m_seconds == other.m_seconds;
    case CommandType::SwitchDirection:
        return m_direction == other.m_direction;
    default:
        return true;
    }
}

std::optional<QJsonObject> TimerCommand::toJson() const
{
    QJsonObject object{{typeKey, platform::toJson(m_type)}};
    switch (m_type) {
    case CommandType::SelectPreset:
        object.insert(presetIDKey, m_presetID);
        break;
    case CommandType::EnterTimerMode:
        object.insert(presetIDKey, m_presetID);
        object.insert(autoStartKey, m_autoStart);
        break;
    case CommandType::StartCustomDuration:
        if (!json::isWritable(m_seconds))
            return std::nullopt;
        object.insert(secondsKey, m_seconds);
        break;
    case CommandType::SwitchDirection:
        object.insert(directionKey, platform::toJson(m_direction));
        break;
    default:
        break;
    }
    return object;
}

std::optional<TimerCommand> TimerCommand::fromJson(const QJsonObject& object)
{
    const auto type = json::requiredEnum<CommandType>(object, typeKey);
    if (!type)
        return std::nullopt;

    switch (*type) {
    case CommandType::SelectPreset: {
        auto presetID = json::requiredString(object, presetIDKey);
        if (!presetID)
            return std::nullopt;
        return selectPreset(std::move(*presetID));
    }
    case CommandType::EnterTimerMode: {
        auto presetID = json::requiredString(object, presetIDKey);
        const auto autoStart = json::requiredBool(object, autoStartKey);
        if (!presetID || !autoStart)
            return std::nullopt;
        return enterTimerMode(std::move(*presetID), *autoStart);
    }
    case CommandType::StartCustomDuration: {
        const auto seconds = json::requiredNumber(object, secondsKey);
        if (!seconds)
            return std::nullopt;
        return startCustomDuration(*seconds);
    }
    case CommandType::SwitchDirection: {
        const auto direction = json::requiredEnum<TimerDirection>(object, directionKey);
        if (!direction)
            return std::nullopt;
        return switchDirection(*direction);
    }
    default:
        return TimerCommand(*type);
    }
}
