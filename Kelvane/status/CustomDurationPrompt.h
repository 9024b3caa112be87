// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>

// Asks for the custom duration in minutes, without holding up the event loop.
class CustomDurationPrompt {
public:
    // The text entered, or none when cancelled.
    using Answer = std::function<void(std::optional<QString>)>;

    virtual ~CustomDurationPrompt() = default;
    // Opens the prompt with `currentMinutes` in its field; `answer` runs once,
    // when it is answered.
    virtual void ask(int currentMinutes, Answer answer) = 0;
    virtual bool isOpen() const = 0;
    // Brings the open prompt to the front.
    virtual void raise() = 0;

    static constexpr int minimumMinutes = 1;
    static constexpr int maximumMinutes = 180;

    // The minutes an answer stands for: the whole number it starts with ("3.7"
    // is 3), 0 when it starts with none, held to 1...180.
    static int minutes(const QString& answer);

protected:
    CustomDurationPrompt() = default;
};

class NullCustomDurationPrompt final : public CustomDurationPrompt {
public:
    void ask(int, Answer answer) override { answer(std::nullopt); }
    bool isOpen() const override { return false; }
    void raise() override { }
};
