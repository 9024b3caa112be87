#pragma once

#include <QString>

#include <optional>

// Asks for the custom duration in minutes, modally.
class CustomDurationPrompt {
public:
    virtual ~CustomDurationPrompt() = default;
    // The text entered, or none when cancelled. `currentMinutes` fills the field.
    virtual std::optional<QString> ask(int currentMinutes) = 0;

    static constexpr int minimumMinutes = 1;
    static constexpr int maximumMinutes = 180;

    // The minutes an answer stands for: text that is not a whole number counts
    // as 0, and everything is held to 1...180.
    static int minutes(const QString& answer);

protected:
    CustomDurationPrompt() = default;
};

class NullCustomDurationPrompt final : public CustomDurationPrompt {
public:
    std::optional<QString> ask(int) override { return std::nullopt; }
};
