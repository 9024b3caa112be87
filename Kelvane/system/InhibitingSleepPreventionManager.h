// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/system/SleepPreventionManager.h"

#include "PlatformKit/power/SleepInhibitor.h"

#include <QObject>

#include <cstddef>
#include <memory>
#include <vector>

// Keeps sleep away through the first of the desktop's inhibitors that takes
// the request, asking them in the order given each time, so a service that
// appears later is found at the next request. Nothing waits for a service:
// while one is being asked the manager counts as active, an inhibition
// granted late is held, or let go at once when release came meanwhile.
class InhibitingSleepPreventionManager final : public SleepPreventionManager {
public:
    static constexpr auto reason = "Kelvane: Timer is running";

    explicit InhibitingSleepPreventionManager(std::vector<std::unique_ptr<platform::SleepInhibitor>> inhibitors);
    // Releases what is still held; a refusal is ignored.
    ~InhibitingSleepPreventionManager() override;

    bool isActive() const override;
    void beginPreventingSleep() override;
    // Sends the release and answers true; a service that refuses it leaves
    // the inhibition held and the manager active, for the next release.
    bool release() override;

private:
    void ask(std::size_t inhibitor);
    void granted(std::size_t inhibitor, std::unique_ptr<platform::SleepInhibition> inhibition);
    void letGo(std::unique_ptr<platform::SleepInhibition> inhibition);
    void released(platform::SleepInhibition* inhibition, bool succeeded);

    std::vector<std::unique_ptr<platform::SleepInhibitor>> m_inhibitors;
    std::unique_ptr<platform::SleepInhibition> m_inhibition;
    // Sent their release, not yet answered.
    std::vector<std::unique_ptr<platform::SleepInhibition>> m_releasing;
    bool m_wanted = false;
    bool m_asking = false;
    // The choice of service is logged once.
    bool m_told = false;
};
