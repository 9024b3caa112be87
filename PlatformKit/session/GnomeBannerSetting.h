#pragma once

#include "PlatformKit/session/DoNotDisturbSource.h"

#include <memory>

struct _GSettings;

namespace platform {

// GNOME's do-not-disturb switch: the `show-banners` key of
// `org.gnome.desktop.notifications`, on while banners are turned off.
class GnomeBannerSetting final : public DoNotDisturbSource {
public:
    // None where that schema is not installed (GSettings aborts on a missing
    // schema, so it is looked up first).
    static std::unique_ptr<GnomeBannerSetting> open();
    ~GnomeBannerSetting() override;
    GnomeBannerSetting(const GnomeBannerSetting&) = delete;
    GnomeBannerSetting& operator=(const GnomeBannerSetting&) = delete;

    bool isOn() const override;

private:
    GnomeBannerSetting() = default;

    // Made on the first question: GSettings loads its backend and starts a
    // worker thread, which a program that may never ask should not carry.
    mutable _GSettings* m_settings = nullptr;
};

} // namespace platform
