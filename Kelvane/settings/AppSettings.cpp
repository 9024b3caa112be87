// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settings/AppSettings.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QJsonDocument>

namespace {

namespace Keys = SharedDefaultsKeys;

// The style configuration as compact JSON data. Absent or undecodable, it is
// built from the separate look settings that came before it; what those
// leave out keeps the configuration's own default, so the colon is always on
// where the separate colon setting starts contextual.
struct StyleConfigForm {
    DisplayStyleConfig defaultValue = DisplayStyleConfig::defaultConfig();

    DisplayStyleConfig read(const platform::UserDefaults& defaults) const
    {
        if (const auto data = defaults.data(Keys::styleConfig)) {
            const auto document = QJsonDocument::fromJson(*data);
            if (document.isObject()) {
                if (const auto config = DisplayStyleConfig::fromJson(document.object()))
                    return *config;
            }
        }
        DisplayStyleConfig config = defaultValue;
        config.dotWeight = Keys::dotWeight.as<DotWeight>().read(defaults, config.dotWeight);
        config.dotShape = Keys::dotShape.as<DotShape>().read(defaults, config.dotShape);
        config.colonMode = Keys::colonMode.as<ColonMode>().read(defaults, config.colonMode);
        return config;
    }

    void write(platform::UserDefaults& defaults, const DisplayStyleConfig& config) const
    {
        defaults.setData(Keys::styleConfig, QJsonDocument(config.toJson()).toJson(QJsonDocument::Compact));
    }
};

} // namespace

AppSettings::AppSettings(platform::UserDefaults& defaults, CompletionSettings* completionSettings,
                         ColorManager* colorManager, QObject* parent)
    : QObject(parent)
    , m_defaults(&defaults)
    , m_displayScale(defaults, Keys::displayScale.as<DisplayScale>(), publisher())
    , m_menuBarDisplayMode(defaults, Keys::menuBarDisplayMode.as<MenuBarDisplayMode>(), publisher())
    , m_dotWeight(defaults, Keys::dotWeight.as<DotWeight>(), publisher())
    , m_colonMode(defaults, Keys::colonMode.as<ColonMode>(), publisher())
    , m_timeFormat(defaults, Keys::timeFormat.as<TimeFormat>(), publisher())
    , m_dotShape(defaults, Keys::dotShape.as<DotShape>(), publisher())
    , m_showLeadingZero(defaults, Keys::showLeadingZero, publisher())
    , m_preventSleepWhileRunning(defaults, Keys::preventSleep, publisher())
    , m_floatingDisplayEnabled(defaults, Keys::floatingDisplayEnabled, publisher())
    , m_globalShortcutsEnabled(defaults, Keys::globalShortcutsEnabled, publisher())
    , m_respectFocusMode(defaults, Keys::respectFocusMode, publisher())
    , m_hasSeenClickHint(defaults, Keys::hasSeenClickHint, publisher())
    , m_displayType(defaults, Keys::displayType, publisher())
    , m_styleConfig(defaults, StyleConfigForm{}, publisher())
    , m_settings{&m_displayScale,
                 &m_menuBarDisplayMode,
                 &m_dotWeight,
                 &m_colonMode,
                 &m_timeFormat,
                 &m_dotShape,
                 &m_showLeadingZero,
                 &m_preventSleepWhileRunning,
                 &m_floatingDisplayEnabled,
                 &m_globalShortcutsEnabled,
                 &m_respectFocusMode,
                 &m_hasSeenClickHint,
                 &m_displayType,
                 &m_styleConfig}
    , m_reloadedSettings{&m_displayType, &m_colonMode, &m_dotShape, &m_styleConfig}
{
    migrateSettingsIfNeeded();
    m_completionSettings = completionSettings ? completionSettings : new CompletionSettings(defaults, this);
    m_colorManager = colorManager ? colorManager : new ColorManager(defaults, this);
    applySmallAndBigRule();
}

std::function<void()> AppSettings::publisher()
{
    return [this] { Q_EMIT changed(); };
}

void AppSettings::migrateSettingsIfNeeded()
{
    if (m_defaults->integer(Keys::settingsVersion) < settingsVersion)
        m_defaults->setInteger(Keys::settingsVersion, settingsVersion);
}

void AppSettings::setDisplayType(DisplayType value)
{
    m_displayType.assign(value);
    applySmallAndBigRule();
}

void AppSettings::applySmallAndBigRule()
{
    if (displayType() == DisplayType::SmallAndBig)
        setTimeFormat(TimeFormat::Standard);
}

std::optional<QPointF> AppSettings::loadFloatingPosition() const
{
    if (!m_defaults->object(Keys::floatingDisplayX))
        return std::nullopt;
    return QPointF(m_defaults->doubleValue(Keys::floatingDisplayX), m_defaults->doubleValue(Keys::floatingDisplayY));
}

void AppSettings::reloadFromDefaults()
{
    // Neither written back nor followed by the small-and-big rule.
    for (auto* setting : m_reloadedSettings)
        setting->reload();

    const bool wasSuppressing = m_colorManager->isSuppressingPersistence();
    m_colorManager->setSuppressingPersistence(true);
    m_colorManager->reload();
    m_colorManager->setSuppressingPersistence(wasSuppressing);
}

void AppSettings::resetToDefaults()
{
    for (auto* setting : m_settings)
        setting->resetToDefault();
    m_completionSettings->resetToDefaults();
    m_colorManager->resetToDefaults();
}
