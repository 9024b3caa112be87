#include "PlatformKit/session/GnomeBannerSetting.h"

// GIO names a struct member `signals`, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace platform {
namespace {

constexpr auto schemaID = "org.gnome.desktop.notifications";
constexpr auto bannersKey = "show-banners";

} // namespace

std::unique_ptr<GnomeBannerSetting> GnomeBannerSetting::open()
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return nullptr;
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, schemaID, TRUE);
    if (!schema)
        return nullptr;
    const bool hasKey = g_settings_schema_has_key(schema, bannersKey);
    g_settings_schema_unref(schema);
    if (!hasKey)
        return nullptr;
    return std::unique_ptr<GnomeBannerSetting>(new GnomeBannerSetting());
}

GnomeBannerSetting::~GnomeBannerSetting()
{
    if (m_settings)
        g_object_unref(m_settings);
}

bool GnomeBannerSetting::isOn() const
{
    if (!m_settings)
        m_settings = g_settings_new(schemaID);
    return !g_settings_get_boolean(m_settings, bannersKey);
}

} // namespace platform
