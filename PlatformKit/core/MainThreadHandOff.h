// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

namespace platform {

// Lets another thread hand work to the thread that created this object. Work
// handed over after this object is destroyed, or still queued when it is, is
// dropped, so an owner that holds one never sees a call after its end.
//
// The work runs when the owning thread's event loop (or processEvents) runs.
// Create and destroy the object on the owning thread; the work it runs may
// destroy it, and the rest still queued is then dropped.
class MainThreadHandOff {
public:
    MainThreadHandOff();
    ~MainThreadHandOff();
    MainThreadHandOff(const MainThreadHandOff&) = delete;
    MainThreadHandOff& operator=(const MainThreadHandOff&) = delete;

    // A callable for any thread, safe to keep and call after this object is
    // gone: each call queues `work` on the owning thread. Empty work gives a
    // callable that does nothing.
    std::function<void()> bind(std::function<void()> work) const;

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

} // namespace platform
