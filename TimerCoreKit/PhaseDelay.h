#pragma once

#include <functional>
#include <memory>

// The wait between two phases of a cycle. The app waits one second on a
// single-shot QTimer; tests end the wait by hand.
class PhaseDelay {
public:
    virtual ~PhaseDelay() = default;
    // Calls `elapsed` once when the wait is over; replaces a wait in progress.
    virtual void start(std::function<void()> elapsed) = 0;
    // Drops the wait in progress, if any; its callback never runs.
    virtual void cancel() = 0;
    virtual bool isPending() const = 0;

protected:
    PhaseDelay() = default;
    PhaseDelay(const PhaseDelay&) = default;
    PhaseDelay& operator=(const PhaseDelay&) = default;
};

using PhaseDelayFactory = std::function<std::unique_ptr<PhaseDelay>()>;

// The one-second pause of the app, on a QTimer of the calling thread.
std::unique_ptr<PhaseDelay> makeOneSecondPhaseDelay();
