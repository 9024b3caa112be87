// SPDX-License-Identifier: GPL-3.0-or-later
// GNOME's banner switch read through GSettings, on GIO's in-memory backend so
// the user's own settings are never touched.
#include <gio/gio.h>

#include "PlatformKit/session/GnomeBannerSetting.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(GnomeBannerSetting, OnWhileBannersAreOff)
{
    // Before the first GSettings object of the process picks its backend.
    setenv("GSETTINGS_BACKEND", "memory", 1);
    const platform::GnomeBannerSetting setting;
    if (!setting.isAvailable())
        GTEST_SKIP() << "GNOME's notification schema is not installed";

    GSettings* desktop = g_settings_new("org.gnome.desktop.notifications");
    EXPECT_FALSE(setting.isOn());
    g_settings_set_boolean(desktop, "show-banners", FALSE);
    EXPECT_TRUE(setting.isOn());
    g_settings_set_boolean(desktop, "show-banners", TRUE);
    EXPECT_FALSE(setting.isOn());
    g_object_unref(desktop);
}
