// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a kelvane:// link asks of the app.
struct DeepLinkAction {
    enum class Kind { Open, Settings, Custom, Toggle, Start, Pause, Reset, Preset };
    Kind kind = Kind::Open;
    QString presetID; // for Preset only

    friend bool operator==(const DeepLinkAction&, const DeepLinkAction&) = default;
};

// The object that performs deep links and drains the widget's command queue:
// the command performer in the program, a fake in tests.
class DeepLinkTarget {
public:
    virtual ~DeepLinkTarget() = default;
    virtual void handleDeepLink(const DeepLinkAction& action) = 0;
    virtual void processPendingCommands() = 0;

protected:
    DeepLinkTarget() = default;
    DeepLinkTarget(const DeepLinkTarget&) = default;
    DeepLinkTarget& operator=(const DeepLinkTarget&) = default;
};

// What start-up builds and keeps for the life of the program (the status item
// controller, a fake in tests), and the target of its links within.
class RunningProgram {
public:
    virtual ~RunningProgram() = default;
    virtual DeepLinkTarget& deepLinkTarget() = 0;

protected:
    RunningProgram() = default;
    RunningProgram(const RunningProgram&) = default;
    RunningProgram& operator=(const RunningProgram&) = default;
};
