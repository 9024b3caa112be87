// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settings/ColorManager.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QUuid>

#include <functional>

namespace {

namespace Keys = SharedDefaultsKeys;

constexpr QLatin1StringView digitSwatchesKey = Keys::customDigitSwatches.name;
constexpr QLatin1StringView backgroundSwatchesKey = Keys::customBackgroundSwatches.name;

const QString defaultDigitPreset = Keys::digitPresetID.defaultValue;
const QString defaultBackgroundPreset = Keys::backgroundPresetID.defaultValue;
const QString defaultPalette = Keys::multicolorPaletteID.defaultValue;

// A stored number, or `fallback` when absent or not a number.
double storedComponent(const platform::UserDefaults& defaults, const QString& key, double fallback)
{
    const auto value = defaults.object(key);
    if (!value)
        return fallback;
    if (const auto* number = std::get_if<double>(&*value))
        return *number;
    if (const auto* integer = std::get_if<qint64>(&*value))
        return static_cast<double>(*integer);
    return fallback;
}

QColor storedColor(const platform::UserDefaults& defaults, const Keys::ColorKeys& keys)
{
    return srgbColor({storedComponent(defaults, keys.r, keys.r.defaultValue),
                      storedComponent(defaults, keys.g, keys.g.defaultValue),
                      storedComponent(defaults, keys.b, keys.b.defaultValue),
                      storedComponent(defaults, keys.a, keys.a.defaultValue)});
}

QColor defaultColor(const Keys::ColorKeys& keys)
{
    return srgbColor({keys.r.defaultValue, keys.g.defaultValue, keys.b.defaultValue, keys.a.defaultValue});
}

ColorComponents componentsOf(const QColor& color)
{
    const QColor rgb = color.isValid() ? color.toRgb() : QColor(Qt::black);
    return {rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF()};
}

QList<CustomColorSwatch> storedSwatches(const platform::UserDefaults& defaults, QLatin1StringView key)
{
    const auto data = defaults.data(key);
    if (!data)
        return {};
    return CustomColorSwatch::decodeList(*data).value_or(QList<CustomColorSwatch>{});
}

// The background that an older single theme id stood for.
QString olderThemeBackground(const QString& id)
{
    if (id == QLatin1String("transparent") || id == QLatin1String("default"))
        return QStringLiteral("transparent");
    if (id == QLatin1String("light"))
        return QStringLiteral("light");
    return QStringLiteral("dark");
}

QString olderThemeDigits(const QString& id)
{
    if (id == QLatin1String("transparent") || id == QLatin1String("default"))
        return defaultDigitPreset;
    return id;
}

} // namespace

struct ColorManager::SwatchSide {
    QList<CustomColorSwatch>* swatches;
    std::optional<QString>* activeID;
    QLatin1StringView key;
    void (ColorManager::*listChanged)();
    void (ColorManager::*activeChanged)();
    std::function<void(const QColor&)> setColor;
    std::function<void()> makeCustom;
    std::function<bool()> isCustom;
    std::function<void()> fallBack;
};

ColorManager::SwatchSide ColorManager::digitSide()
{
    return {&m_digitSwatches,
            &m_activeDigitSwatchID,
            digitSwatchesKey,
            &ColorManager::customDigitSwatchesChanged,
            &ColorManager::activeCustomDigitSwatchIDChanged,
            [this](const QColor& c) { setCustomDotColor(c); },
            [this] { setDigitMode(DigitColorMode::custom()); },
            [this] { return m_digitMode.kind() == DigitColorMode::Kind::Custom; },
            [this] { setDigitMode(DigitColorMode::solidPreset(defaultDigitPreset)); }};
}

ColorManager::SwatchSide ColorManager::backgroundSide()
{
    return {&m_backgroundSwatches,
            &m_activeBackgroundSwatchID,
            backgroundSwatchesKey,
            &ColorManager::customBackgroundSwatchesChanged,
            &ColorManager::activeCustomBackgroundSwatchIDChanged,
            [this](const QColor& c) { setCustomBackgroundColor(c); },
            [this] { setBackgroundMode(BackgroundMode::custom()); },
            [this] { return m_backgroundMode.kind() == BackgroundMode::Kind::Custom; },
            [this] { setBackgroundMode(BackgroundMode::preset(defaultBackgroundPreset)); }};
}

ColorManager::ColorManager(platform::UserDefaults& defaults, QObject* parent)
    : QObject(parent)
    , m_defaults(&defaults)
{
    loadColorsPaletteAndSwatches();
    if (!loadStoredModes())
        migrateOlderSettings();
}

void ColorManager::loadColorsPaletteAndSwatches()
{
    m_customDotColor = storedColor(*m_defaults, Keys::customDot);
    m_customBackgroundColor = storedColor(*m_defaults, Keys::customBackground);
    m_selectedPaletteID = Keys::multicolorPaletteID.read(*m_defaults);
    m_digitSwatches = storedSwatches(*m_defaults, digitSwatchesKey);
    m_backgroundSwatches = storedSwatches(*m_defaults, backgroundSwatchesKey);
}

bool ColorManager::loadStoredModes()
{
    const auto digitKind = m_defaults->string(Keys::digitMode);
    if (!digitKind)
        return false;
    if (*digitKind == QLatin1String("custom"))
        m_digitMode = DigitColorMode::custom();
    else if (*digitKind == QLatin1String("multicolor"))
        m_digitMode = DigitColorMode::multicolor();
    else
        m_digitMode = DigitColorMode::solidPreset(Keys::digitPresetID.read(*m_defaults));

    if (m_defaults->string(Keys::backgroundMode) == QStringLiteral("custom"))
        m_backgroundMode = BackgroundMode::custom();
    else
        m_backgroundMode = BackgroundMode::preset(Keys::backgroundPresetID.read(*m_defaults));
    return true;
}

void ColorManager::migrateOlderSettings()
{
    if (const auto selected = m_defaults->string(Keys::selectedColorID)) {
        const bool wasCustom = m_defaults->boolValue(Keys::isCustomMode);
        if (m_defaults->boolValue(Keys::isMulticolorMode))
            m_digitMode = DigitColorMode::multicolor();
        else if (wasCustom)
            m_digitMode = DigitColorMode::custom();
        else
            m_digitMode = DigitColorMode::solidPreset(olderThemeDigits(*selected));
        m_backgroundMode
            = wasCustom ? BackgroundMode::custom() : BackgroundMode::preset(olderThemeBackground(*selected));
    } else if (const auto theme = Keys::olderTheme.read(*m_defaults)) {
        m_digitMode = DigitColorMode::solidPreset(olderThemeDigits(*theme));
        m_backgroundMode = BackgroundMode::preset(olderThemeBackground(*theme));
        m_defaults->remove(Keys::olderTheme);
    } else {
        return;
    }
    writeDigitMode();
    writeBackgroundMode();
}

void ColorManager::notify(void (ColorManager::*signal)())
{
    Q_EMIT(this->*signal)();
    Q_EMIT changed();
}

void ColorManager::setDigitMode(DigitColorMode mode)
{
    m_digitMode = std::move(mode);
    notify(&ColorManager::digitModeChanged);
    writeDigitMode();
}

void ColorManager::setBackgroundMode(BackgroundMode mode)
{
    m_backgroundMode = std::move(mode);
    notify(&ColorManager::backgroundModeChanged);
    writeBackgroundMode();
}

void ColorManager::setCustomDotColor(const QColor& color)
{
    m_customDotColor = color;
    notify(&ColorManager::customDotColorChanged);
    writeComponents(Keys::customDot, color);
}

void ColorManager::setCustomBackgroundColor(const QColor& color)
{
    m_customBackgroundColor = color;
    notify(&ColorManager::customBackgroundColorChanged);
    writeComponents(Keys::customBackground, color);
}

void ColorManager::setSelectedPaletteID(const QString& id)
{
    m_selectedPaletteID = id;
    notify(&ColorManager::selectedPaletteIDChanged);
    if (!m_isSuppressingPersistence)
        Keys::multicolorPaletteID.write(*m_defaults, id);
}

void ColorManager::setActiveCustomDigitSwatchID(std::optional<QString> id)
{
    m_activeDigitSwatchID = std::move(id);
    notify(&ColorManager::activeCustomDigitSwatchIDChanged);
}

void ColorManager::setActiveCustomBackgroundSwatchID(std::optional<QString> id)
{
    m_activeBackgroundSwatchID = std::move(id);
    notify(&ColorManager::activeCustomBackgroundSwatchIDChanged);
}

void ColorManager::writeDigitMode()
{
    if (m_isSuppressingPersistence)
        return;
    switch (m_digitMode.kind()) {
    case DigitColorMode::Kind::Custom:
        m_defaults->setString(Keys::digitMode, QStringLiteral("custom"));
        break;
    case DigitColorMode::Kind::Multicolor:
        m_defaults->setString(Keys::digitMode, QStringLiteral("multicolor"));
        break;
    case DigitColorMode::Kind::SolidPreset:
        m_defaults->setString(Keys::digitMode, QStringLiteral("preset"));
        m_defaults->setString(Keys::digitPresetID, m_digitMode.presetID());
        break;
    }
}

void ColorManager::writeBackgroundMode()
{
    if (m_isSuppressingPersistence)
        return;
    if (m_backgroundMode.kind() == BackgroundMode::Kind::Custom) {
        m_defaults->setString(Keys::backgroundMode, QStringLiteral("custom"));
        // The widget knows no custom background; it reads this id instead.
        m_defaults->setString(Keys::selectedColorID, QStringLiteral("transparent"));
        return;
    }
    m_defaults->setString(Keys::backgroundMode, QStringLiteral("preset"));
    m_defaults->setString(Keys::backgroundPresetID, m_backgroundMode.presetID());
    m_defaults->setString(Keys::selectedColorID, m_backgroundMode.presetID());
}

void ColorManager::writeComponents(const SharedDefaultsKeys::ColorKeys& keys, const QColor& color)
{
    if (m_isSuppressingPersistence)
        return;
    const auto c = componentsOf(color);
    keys.r.write(*m_defaults, c.r);
    keys.g.write(*m_defaults, c.g);
    keys.b.write(*m_defaults, c.b);
    keys.a.write(*m_defaults, c.a);
}

void ColorManager::writeSwatches(QLatin1StringView key, const QList<CustomColorSwatch>& swatches)
{
    if (m_isSuppressingPersistence)
        return;
    if (const auto data = CustomColorSwatch::encodeList(swatches))
        m_defaults->setData(key, *data);
}

void ColorManager::selectDigitPreset(const QString& id)
{
    setActiveCustomDigitSwatchID(std::nullopt);
    setDigitMode(DigitColorMode::solidPreset(id));
}

void ColorManager::selectBackgroundPreset(const QString& id)
{
    setActiveCustomBackgroundSwatchID(std::nullopt);
    setBackgroundMode(BackgroundMode::preset(id));
}

void ColorManager::selectMulticolorDigits()
{
    setActiveCustomDigitSwatchID(std::nullopt);
    setDigitMode(DigitColorMode::multicolor());
}

bool ColorManager::addSwatch(const SwatchSide& side, const QColor& color)
{
    if (side.swatches->size() >= maximumSwatches)
        return false;
    const auto c = componentsOf(color);
    const CustomColorSwatch swatch{QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper(), c.r, c.g, c.b, c.a};
    side.swatches->append(swatch);
    notify(side.listChanged);
    writeSwatches(side.key, *side.swatches);
    side.setColor(color);
    side.makeCustom();
    *side.activeID = swatch.id;
    notify(side.activeChanged);
    return true;
}

void ColorManager::selectSwatch(const SwatchSide& side, const CustomColorSwatch& swatch)
{
    side.setColor(swatch.color());
    side.makeCustom();
    *side.activeID = swatch.id;
    notify(side.activeChanged);
}

void ColorManager::updateSwatch(const SwatchSide& side, const QString& id, const QColor& color)
{
    const auto it = std::find_if(side.swatches->begin(), side.swatches->end(),
                                 [&](const CustomColorSwatch& s) { return s.id == id; });
    if (it == side.swatches->end())
        return;
    const auto c = componentsOf(color);
    *it = {id, c.r, c.g, c.b, c.a};
    notify(side.listChanged);
    writeSwatches(side.key, *side.swatches);
    side.setColor(color);
    side.makeCustom();
    *side.activeID = id;
    notify(side.activeChanged);
}

void ColorManager::deleteSwatch(const SwatchSide& side, const QString& id)
{
    const auto it = std::find_if(side.swatches->begin(), side.swatches->end(),
                                 [&](const CustomColorSwatch& s) { return s.id == id; });
    if (it == side.swatches->end())
        return;
    side.swatches->erase(it);
    notify(side.listChanged);
    writeSwatches(side.key, *side.swatches);
    if (*side.activeID == id) {
        side.activeID->reset();
        notify(side.activeChanged);
    }
    if (!*side.activeID && side.isCustom())
        side.fallBack();
}

bool ColorManager::addCustomDigitSwatch(const QColor& color)
{
    return addSwatch(digitSide(), color);
}
bool ColorManager::addCustomBackgroundSwatch(const QColor& color)
{
    return addSwatch(backgroundSide(), color);
}
void ColorManager::selectCustomDigitSwatch(const CustomColorSwatch& swatch)
{
    selectSwatch(digitSide(), swatch);
}
void ColorManager::selectCustomBackgroundSwatch(const CustomColorSwatch& swatch)
{
    selectSwatch(backgroundSide(), swatch);
}
void ColorManager::updateCustomDigitSwatch(const QString& id, const QColor& color)
{
    updateSwatch(digitSide(), id, color);
}
void ColorManager::updateCustomBackgroundSwatch(const QString& id, const QColor& color)
{
    updateSwatch(backgroundSide(), id, color);
}
void ColorManager::deleteCustomDigitSwatch(const QString& id)
{
    deleteSwatch(digitSide(), id);
}
void ColorManager::deleteCustomBackgroundSwatch(const QString& id)
{
    deleteSwatch(backgroundSide(), id);
}

DisplayColor ColorManager::resolvedDisplayColor() const
{
    ColorComponents dots{1, 1, 1, 1};
    std::optional<ColorComponents> glow;
    if (m_digitMode.kind() == DigitColorMode::Kind::Custom) {
        dots = componentsOf(m_customDotColor);
    } else if (m_digitMode.kind() == DigitColorMode::Kind::SolidPreset) {
        const auto preset = DisplayColor::color(m_digitMode.presetID());
        dots = componentsOf(srgbColor({preset.dotR, preset.dotG, preset.dotB, preset.dotA}));
        if (preset.glowR && preset.glowG && preset.glowB && preset.glowA)
            glow = componentsOf(srgbColor({*preset.glowR, *preset.glowG, *preset.glowB, *preset.glowA}));
    }
    ColorComponents background;
    if (m_backgroundMode.kind() == BackgroundMode::Kind::Custom) {
        background = componentsOf(m_customBackgroundColor);
    } else {
        const auto preset = DisplayColor::color(m_backgroundMode.presetID());
        background = componentsOf(srgbColor({preset.bgR, preset.bgG, preset.bgB, preset.bgA}));
    }
    return DisplayColor(QStringLiteral("resolved"), QStringLiteral("Resolved"), dots, background, glow);
}

std::optional<MulticolorPalette> ColorManager::activePalette() const
{
    if (m_digitMode.kind() != DigitColorMode::Kind::Multicolor)
        return std::nullopt;
    return MulticolorPalette::palette(m_selectedPaletteID);
}

void ColorManager::reload()
{
    const auto digits = m_digitMode;
    const auto background = m_backgroundMode;
    if (loadStoredModes()) {
        const auto loadedDigits = m_digitMode;
        const auto loadedBackground = m_backgroundMode;
        m_digitMode = digits;
        m_backgroundMode = background;
        setDigitMode(loadedDigits);
        setBackgroundMode(loadedBackground);
    }
    setCustomDotColor(storedColor(*m_defaults, Keys::customDot));
    setCustomBackgroundColor(storedColor(*m_defaults, Keys::customBackground));
    setSelectedPaletteID(Keys::multicolorPaletteID.read(*m_defaults));
    m_digitSwatches = storedSwatches(*m_defaults, digitSwatchesKey);
    notify(&ColorManager::customDigitSwatchesChanged);
    m_backgroundSwatches = storedSwatches(*m_defaults, backgroundSwatchesKey);
    notify(&ColorManager::customBackgroundSwatchesChanged);
    setActiveCustomDigitSwatchID(std::nullopt);
    setActiveCustomBackgroundSwatchID(std::nullopt);
}

void ColorManager::resetToDefaults()
{
    setActiveCustomDigitSwatchID(std::nullopt);
    setActiveCustomBackgroundSwatchID(std::nullopt);
    setDigitMode(DigitColorMode::solidPreset(defaultDigitPreset));
    setBackgroundMode(BackgroundMode::preset(defaultBackgroundPreset));
    setCustomDotColor(defaultColor(Keys::customDot));
    setCustomBackgroundColor(defaultColor(Keys::customBackground));
    setSelectedPaletteID(defaultPalette);
    m_digitSwatches.clear();
    notify(&ColorManager::customDigitSwatchesChanged);
    writeSwatches(digitSwatchesKey, m_digitSwatches);
    m_backgroundSwatches.clear();
    notify(&ColorManager::customBackgroundSwatchesChanged);
    writeSwatches(backgroundSwatchesKey, m_backgroundSwatches);
}
