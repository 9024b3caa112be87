#include "Kelvane/settings/AppSettings.h"

#include "Kelvane/settings/StoredValues.h"

#include <QJsonDocument>

namespace {
constexpr QLatin1StringView displayScaleKey{"com.morrowfen.kelvane.appearance.displayScale"};
constexpr QLatin1StringView menuBarDisplayModeKey{"com.morrowfen.kelvane.appearance.menuBarDisplayMode"};
constexpr QLatin1StringView dotWeightKey{"com.morrowfen.kelvane.appearance.dotWeight"};
constexpr QLatin1StringView colonModeKey{"com.morrowfen.kelvane.appearance.colonMode"};
constexpr QLatin1StringView timeFormatKey{"com.morrowfen.kelvane.appearance.timeFormat"};
constexpr QLatin1StringView dotShapeKey{"com.morrowfen.kelvane.appearance.dotShape"};
constexpr QLatin1StringView showLeadingZeroKey{"com.morrowfen.kelvane.appearance.showLeadingZero"};
constexpr QLatin1StringView displayTypeKey{"com.morrowfen.kelvane.appearance.displayType"};
constexpr QLatin1StringView styleConfigKey{"com.morrowfen.kelvane.appearance.styleConfig"};
constexpr QLatin1StringView preventSleepKey{"com.morrowfen.kelvane.behavior.preventSleep"};
constexpr QLatin1StringView floatingEnabledKey{"com.morrowfen.kelvane.floatingDisplay.enabled"};
constexpr QLatin1StringView globalShortcutsKey{"com.morrowfen.kelvane.general.globalShortcutsEnabled"};
constexpr QLatin1StringView respectFocusKey{"com.morrowfen.kelvane.behavior.respectFocusMode"};
constexpr QLatin1StringView clickHintKey{"com.morrowfen.kelvane.macos.hasSeenClickHint"};
constexpr QLatin1StringView floatingXKey{"com.morrowfen.kelvane.floatingDisplay.x"};
constexpr QLatin1StringView floatingYKey{"com.morrowfen.kelvane.floatingDisplay.y"};
constexpr QLatin1StringView settingsVersionKey{"com.morrowfen.kelvane.settingsVersion"};
} // namespace

AppSettings::AppSettings(platform::UserDefaults& defaults, CompletionSettings* completionSettings,
                         ColorManager* colorManager, QObject* parent)
    : QObject(parent)
    , m_defaults(&defaults)
{
    migrateSettingsIfNeeded();
    m_completionSettings = completionSettings ? completionSettings : new CompletionSettings(defaults, this);
    m_colorManager = colorManager ? colorManager : new ColorManager(defaults, this);

    m_displayScale = stored::option(defaults, displayScaleKey, DisplayScale::Regular);
    m_menuBarDisplayMode = stored::option(defaults, menuBarDisplayModeKey, MenuBarDisplayMode::Full);
    m_dotWeight = stored::option(defaults, dotWeightKey, DotWeight::Regular);
    m_colonMode = stored::option(defaults, colonModeKey, ColonMode::Contextual);
    m_timeFormat = stored::option(defaults, timeFormatKey, TimeFormat::Minimal);
    m_dotShape = stored::option(defaults, dotShapeKey, DotShape::Rounded);
    m_showLeadingZero = stored::flag(defaults, showLeadingZeroKey, false);
    m_preventSleepWhileRunning = stored::flag(defaults, preventSleepKey, false);
    m_floatingDisplayEnabled = stored::flag(defaults, floatingEnabledKey, false);
    m_globalShortcutsEnabled = stored::flag(defaults, globalShortcutsKey, true);
    m_respectFocusMode = stored::flag(defaults, respectFocusKey, false);
    m_hasSeenClickHint = stored::flag(defaults, clickHintKey, false);
    m_displayType = stored::option(defaults, displayTypeKey, DisplayType::DotMatrix);
    m_styleConfig = loadStyleConfig();
    if (m_displayType == DisplayType::SmallAndBig) {
        m_timeFormat = TimeFormat::Standard;
        stored::writeOption(defaults, timeFormatKey, m_timeFormat);
    }
}

void AppSettings::migrateSettingsIfNeeded()
{
    if (m_defaults->integer(settingsVersionKey) < settingsVersion)
        m_defaults->setInteger(settingsVersionKey, settingsVersion);
}

DisplayStyleConfig AppSettings::loadStyleConfig() const
{
    if (const auto data = m_defaults->data(styleConfigKey)) {
        const auto document = QJsonDocument::fromJson(*data);
        if (document.isObject()) {
            if (const auto config = DisplayStyleConfig::fromJson(document.object()))
                return *config;
        }
    }
    // Before the style configuration existed these were separate settings.
    DisplayStyleConfig config = DisplayStyleConfig::defaultConfig();
    config.dotWeight = stored::option(*m_defaults, dotWeightKey, DotWeight::Regular);
    config.dotShape = m_defaults->string(dotShapeKey) == QStringLiteral("square") ? DotShape::Square : DotShape::Rounded;
    const auto colon = m_defaults->string(colonModeKey);
    if (colon == QStringLiteral("pulsing"))
        config.colonMode = ColonMode::Pulsing;
    else if (colon == QStringLiteral("contextual"))
        config.colonMode = ColonMode::Contextual;
    else
        config.colonMode = ColonMode::Always;
    return config;
}

void AppSettings::publish()
{
    Q_EMIT changed();
}

void AppSettings::setDisplayScale(DisplayScale value)
{
    m_displayScale = value;
    publish();
    stored::writeOption(*m_defaults, displayScaleKey, value);
}

void AppSettings::setDotWeight(DotWeight value)
{
    m_dotWeight = value;
    publish();
    stored::writeOption(*m_defaults, dotWeightKey, value);
}

void AppSettings::setColonMode(ColonMode value)
{
    m_colonMode = value;
    publish();
    if (!m_isReloadingFromDefaults)
        stored::writeOption(*m_defaults, colonModeKey, value);
}

void AppSettings::setTimeFormat(TimeFormat value)
{
    m_timeFormat = value;
    publish();
    stored::writeOption(*m_defaults, timeFormatKey, value);
}

void AppSettings::setDotShape(DotShape value)
{
    m_dotShape = value;
    publish();
    if (!m_isReloadingFromDefaults)
        stored::writeOption(*m_defaults, dotShapeKey, value);
}

void AppSettings::setShowLeadingZero(bool value)
{
    m_showLeadingZero = value;
    publish();
    m_defaults->setBool(showLeadingZeroKey, value);
}

void AppSettings::setMenuBarDisplayMode(MenuBarDisplayMode value)
{
    m_menuBarDisplayMode = value;
    publish();
    stored::writeOption(*m_defaults, menuBarDisplayModeKey, value);
}

void AppSettings::setDisplayType(DisplayType value)
{
    m_displayType = value;
    publish();
    if (m_isReloadingFromDefaults)
        return;
    stored::writeOption(*m_defaults, displayTypeKey, value);
    applySmallAndBigRule();
}

void AppSettings::applySmallAndBigRule()
{
    if (m_displayType == DisplayType::SmallAndBig)
        setTimeFormat(TimeFormat::Standard);
}

void AppSettings::setStyleConfig(const DisplayStyleConfig& value)
{
    m_styleConfig = value;
    publish();
    if (!m_isReloadingFromDefaults)
        m_defaults->setData(styleConfigKey, QJsonDocument(value.toJson()).toJson(QJsonDocument::Compact));
}

void AppSettings::setPreventSleepWhileRunning(bool value)
{
    m_preventSleepWhileRunning = value;
    publish();
    m_defaults->setBool(preventSleepKey, value);
}

void AppSettings::setFloatingDisplayEnabled(bool value)
{
    m_floatingDisplayEnabled = value;
    publish();
    m_defaults->setBool(floatingEnabledKey, value);
}

void AppSettings::setGlobalShortcutsEnabled(bool value)
{
    m_globalShortcutsEnabled = value;
    publish();
    m_defaults->setBool(globalShortcutsKey, value);
}

void AppSettings::setRespectFocusMode(bool value)
{
    m_respectFocusMode = value;
    publish();
    m_defaults->setBool(respectFocusKey, value);
}

void AppSettings::setHasSeenClickHint(bool value)
{
    m_hasSeenClickHint = value;
    publish();
    m_defaults->setBool(clickHintKey, value);
}

std::optional<QPointF> AppSettings::loadFloatingPosition() const
{
    if (!m_defaults->object(floatingXKey))
        return std::nullopt;
    return QPointF(m_defaults->doubleValue(floatingXKey), m_defaults->doubleValue(floatingYKey));
}

void AppSettings::reloadFromDefaults()
{
    const bool wasReloading = m_isReloadingFromDefaults;
    m_isReloadingFromDefaults = true;
    setDisplayType(stored::option(*m_defaults, displayTypeKey, DisplayType::DotMatrix));
    setColonMode(stored::option(*m_defaults, colonModeKey, ColonMode::Contextual));
    setDotShape(m_defaults->string(dotShapeKey) == QStringLiteral("square") ? DotShape::Square : DotShape::Rounded);
    setStyleConfig(loadStyleConfig());
    m_isReloadingFromDefaults = wasReloading;

    const bool wasSuppressing = m_colorManager->isSuppressingPersistence();
    m_colorManager->setSuppressingPersistence(true);
    m_colorManager->reload();
    m_colorManager->setSuppressingPersistence(wasSuppressing);
}

void AppSettings::resetToDefaults()
{
    setDisplayScale(DisplayScale::Regular);
    setMenuBarDisplayMode(MenuBarDisplayMode::Full);
    setDotWeight(DotWeight::Regular);
    setColonMode(ColonMode::Contextual);
    setTimeFormat(TimeFormat::Minimal);
    setDotShape(DotShape::Rounded);
    setShowLeadingZero(false);
    setPreventSleepWhileRunning(false);
    setFloatingDisplayEnabled(false);
    setGlobalShortcutsEnabled(true);
    setRespectFocusMode(false);
    setHasSeenClickHint(false);
    setDisplayType(DisplayType::DotMatrix);
    setStyleConfig(DisplayStyleConfig::defaultConfig());
    m_completionSettings->resetToDefaults();
    m_colorManager->resetToDefaults();
}
