// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/session/DoNotDisturbSource.h"

struct _GSettings;

namespace platform {

// GNOME's do-not-disturb switch: the `show-banners` key of
// `org.gnome.desktop.notifications`, on while banners are turned off. Off
// where that schema is not installed.
class GnomeBannerSetting final : public DoNotDisturbSource {
public:
    GnomeBannerSetting() = default;
    ~GnomeBannerSetting() override;
    GnomeBannerSetting(const GnomeBannerSetting&) = delete;
    GnomeBannerSetting& operator=(const GnomeBannerSetting&) = delete;

    // Whether the schema with its key is installed.
    bool isAvailable() const;
    bool isOn() const override;

private:
    // Looked up and made on the first question: GIO's schema lookup and
    // GSettings' backend and worker thread cost memory that a program that
    // may never ask should not carry.
    void open() const;

    mutable bool m_opened = false;
    mutable _GSettings* m_settings = nullptr;
};

} // namespace platform
