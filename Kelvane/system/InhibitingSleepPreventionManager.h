#pragma once

#include "Kelvane/system/SleepPreventionManager.h"

#include "PlatformKit/power/SleepInhibitor.h"

#include <memory>
#include <vector>

// Keeps sleep away through the first of the desktop's inhibitors that takes
// the request, asking them in the order given each time, so a service that
// appears later is found at the next request.
class InhibitingSleepPreventionManager final : public SleepPreventionManager {
public:
    static constexpr auto reason = "Kelvane: Timer is running";

    explicit InhibitingSleepPreventionManager(std::vector<std::unique_ptr<platform::SleepInhibitor>> inhibitors);
    // Releases what is still held; a refusal is ignored.
    ~InhibitingSleepPreventionManager() override;

    bool isActive() const override { return m_inhibition != nullptr; }
    void beginPreventingSleep() override;
    bool release() override;

private:
    std::vector<std::unique_ptr<platform::SleepInhibitor>> m_inhibitors;
    std::unique_ptr<platform::SleepInhibition> m_inhibition;
};
