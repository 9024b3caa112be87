// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/session/GnomeBannerSetting.h"

#include "PlatformKit/core/Logging.h"

// GIO names a struct member `signals`, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace platform {
namespace {

constexpr auto schemaID = "org.gnome.desktop.notifications";
constexpr auto bannersKey = "show-banners";

// GSettings aborts on a missing schema or key, so both are looked up first.
bool schemaHasBannersKey()
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return false;
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, schemaID, TRUE);
    if (!schema)
        return false;
    const bool hasKey = g_settings_schema_has_key(schema, bannersKey);
    g_settings_schema_unref(schema);
    return hasKey;
}

} // namespace

GnomeBannerSetting::~GnomeBannerSetting()
{
    if (m_settings)
        g_object_unref(m_settings);
}

void GnomeBannerSetting::open() const
{
    if (m_opened)
        return;
    m_opened = true;
    if (!schemaHasBannersKey()) {
        qCDebug(lcSession) << "no GNOME banner setting";
        return;
    }
    m_settings = g_settings_new(schemaID);
    qCWarning(lcSession) << "following do-not-disturb through GNOME's show-banners setting";
}

bool GnomeBannerSetting::isAvailable() const
{
    open();
    return m_settings != nullptr;
}

bool GnomeBannerSetting::isOn() const
{
    open();
    return m_settings && !g_settings_get_boolean(m_settings, bannersKey);
}

} // namespace platform
