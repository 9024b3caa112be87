#include "Kelvane/settings/ColorManager.h"

#include <QUuid>

#include <functional>

namespace {

constexpr QLatin1StringView digitDiscriminatorKey{"com.morrowfen.kelvane.appearance.digitModeDiscriminator"};
constexpr QLatin1StringView digitPresetKey{"com.morrowfen.kelvane.appearance.digitPresetID"};
constexpr QLatin1StringView backgroundDiscriminatorKey{"com.morrowfen.kelvane.appearance.backgroundModeDiscriminator"};
constexpr QLatin1StringView backgroundPresetKey{"com.morrowfen.kelvane.appearance.backgroundPresetID"};
constexpr QLatin1StringView selectedColorKey{"com.morrowfen.kelvane.appearance.selectedColorID"};
constexpr QLatin1StringView paletteKey{"com.morrowfen.kelvane.appearance.multicolorPaletteID"};
constexpr QLatin1StringView digitSwatchesKey{"com.morrowfen.kelvane.appearance.customDigitSwatches"};
constexpr QLatin1StringView backgroundSwatchesKey{"com.morrowfen.kelvane.appearance.customBackgroundSwatches"};
constexpr QLatin1StringView isCustomModeKey{"com.morrowfen.kelvane.appearance.isCustomMode"};
constexpr QLatin1StringView isMulticolorModeKey{"com.morrowfen.kelvane.appearance.isMulticolorMode"};
constexpr QLatin1StringView olderThemeKey{"selectedTheme"};
constexpr const char* dotComponentsPrefix = "com.morrowfen.kelvane.appearance.customDot";
constexpr const char* backgroundComponentsPrefix = "com.morrowfen.kelvane.appearance.customBg";

const QString defaultDigitPreset = QStringLiteral("dark");
const QString defaultBackgroundPreset = QStringLiteral("transparent");
const QString defaultPalette = QStringLiteral("rainbow");

QString componentKey(const char* prefix, char component)
{
    return QLatin1StringView(prefix) + QLatin1Char(component);
}

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

QColor storedColour(const platform::UserDefaults& defaults, const char* prefix, ColorComponents fallback)
{
    return srgbColor({storedComponent(defaults, componentKey(prefix, 'R'), fallback.r),
                      storedComponent(defaults, componentKey(prefix, 'G'), fallback.g),
                      storedComponent(defaults, componentKey(prefix, 'B'), fallback.b),
                      storedComponent(defaults, componentKey(prefix, 'A'), fallback.a)});
}

ColorComponents componentsOf(const QColor& colour)
{
    const QColor rgb = colour.isValid() ? colour.toRgb() : QColor(Qt::black);
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
    std::function<void(const QColor&)> setColour;
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
    loadColoursPaletteAndSwatches();
    if (!loadStoredModes())
        migrateOlderSettings();
}

void ColorManager::loadColoursPaletteAndSwatches()
{
    m_customDotColor = storedColour(*m_defaults, dotComponentsPrefix, {1, 1, 1, 1});
    m_customBackgroundColor = storedColour(*m_defaults, backgroundComponentsPrefix, {0, 0, 0, 1});
    m_selectedPaletteID = m_defaults->string(paletteKey).value_or(defaultPalette);
    m_digitSwatches = storedSwatches(*m_defaults, digitSwatchesKey);
    m_backgroundSwatches = storedSwatches(*m_defaults, backgroundSwatchesKey);
}

bool ColorManager::loadStoredModes()
{
    const auto digitKind = m_defaults->string(digitDiscriminatorKey);
    if (!digitKind)
        return false;
    if (*digitKind == QLatin1String("custom"))
        m_digitMode = DigitColorMode::custom();
    else if (*digitKind == QLatin1String("multicolor"))
        m_digitMode = DigitColorMode::multicolor();
    else
        m_digitMode = DigitColorMode::solidPreset(m_defaults->string(digitPresetKey).value_or(defaultDigitPreset));

    if (m_defaults->string(backgroundDiscriminatorKey) == QStringLiteral("custom"))
        m_backgroundMode = BackgroundMode::custom();
    else
        m_backgroundMode =
            BackgroundMode::preset(m_defaults->string(backgroundPresetKey).value_or(defaultBackgroundPreset));
    return true;
}

void ColorManager::migrateOlderSettings()
{
    if (const auto selected = m_defaults->string(selectedColorKey)) {
        const bool wasCustom = m_defaults->boolValue(isCustomModeKey);
        if (m_defaults->boolValue(isMulticolorModeKey))
            m_digitMode = DigitColorMode::multicolor();
        else if (wasCustom)
            m_digitMode = DigitColorMode::custom();
        else
            m_digitMode = DigitColorMode::solidPreset(olderThemeDigits(*selected));
        m_backgroundMode = wasCustom ? BackgroundMode::custom() : BackgroundMode::preset(olderThemeBackground(*selected));
    } else if (const auto theme = m_defaults->string(olderThemeKey)) {
        m_digitMode = DigitColorMode::solidPreset(olderThemeDigits(*theme));
        m_backgroundMode = BackgroundMode::preset(olderThemeBackground(*theme));
        m_defaults->remove(olderThemeKey);
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
    writeComponents(dotComponentsPrefix, color);
}

void ColorManager::setCustomBackgroundColor(const QColor& color)
{
    m_customBackgroundColor = color;
    notify(&ColorManager::customBackgroundColorChanged);
    writeComponents(backgroundComponentsPrefix, color);
}

void ColorManager::setSelectedPaletteID(const QString& id)
{
    m_selectedPaletteID = id;
    notify(&ColorManager::selectedPaletteIDChanged);
    if (!m_isSuppressingPersistence)
        m_defaults->setString(paletteKey, id);
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
        m_defaults->setString(digitDiscriminatorKey, QStringLiteral("custom"));
        break;
    case DigitColorMode::Kind::Multicolor:
        m_defaults->setString(digitDiscriminatorKey, QStringLiteral("multicolor"));
        break;
    case DigitColorMode::Kind::SolidPreset:
        m_defaults->setString(digitDiscriminatorKey, QStringLiteral("preset"));
        m_defaults->setString(digitPresetKey, m_digitMode.presetID());
        break;
    }
}

void ColorManager::writeBackgroundMode()
{
    if (m_isSuppressingPersistence)
        return;
    if (m_backgroundMode.kind() == BackgroundMode::Kind::Custom) {
        m_defaults->setString(backgroundDiscriminatorKey, QStringLiteral("custom"));
        // The widget knows no custom background; it reads this id instead.
        m_defaults->setString(selectedColorKey, QStringLiteral("transparent"));
        return;
    }
    m_defaults->setString(backgroundDiscriminatorKey, QStringLiteral("preset"));
    m_defaults->setString(backgroundPresetKey, m_backgroundMode.presetID());
    m_defaults->setString(selectedColorKey, m_backgroundMode.presetID());
}

void ColorManager::writeComponents(const char* prefix, const QColor& color)
{
    if (m_isSuppressingPersistence)
        return;
    const auto c = componentsOf(color);
    m_defaults->setDouble(componentKey(prefix, 'R'), c.r);
    m_defaults->setDouble(componentKey(prefix, 'G'), c.g);
    m_defaults->setDouble(componentKey(prefix, 'B'), c.b);
    m_defaults->setDouble(componentKey(prefix, 'A'), c.a);
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
    side.setColour(color);
    side.makeCustom();
    *side.activeID = swatch.id;
    notify(side.activeChanged);
    return true;
}

void ColorManager::selectSwatch(const SwatchSide& side, const CustomColorSwatch& swatch)
{
    side.setColour(swatch.color());
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
    side.setColour(color);
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

bool ColorManager::addCustomDigitSwatch(const QColor& color) { return addSwatch(digitSide(), color); }
bool ColorManager::addCustomBackgroundSwatch(const QColor& color) { return addSwatch(backgroundSide(), color); }
void ColorManager::selectCustomDigitSwatch(const CustomColorSwatch& swatch) { selectSwatch(digitSide(), swatch); }
void ColorManager::selectCustomBackgroundSwatch(const CustomColorSwatch& swatch) { selectSwatch(backgroundSide(), swatch); }
void ColorManager::updateCustomDigitSwatch(const QString& id, const QColor& color) { updateSwatch(digitSide(), id, color); }
void ColorManager::updateCustomBackgroundSwatch(const QString& id, const QColor& color) { updateSwatch(backgroundSide(), id, color); }
void ColorManager::deleteCustomDigitSwatch(const QString& id) { deleteSwatch(digitSide(), id); }
void ColorManager::deleteCustomBackgroundSwatch(const QString& id) { deleteSwatch(backgroundSide(), id); }

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
    setCustomDotColor(storedColour(*m_defaults, dotComponentsPrefix, {1, 1, 1, 1}));
    setCustomBackgroundColor(storedColour(*m_defaults, backgroundComponentsPrefix, {0, 0, 0, 1}));
    setSelectedPaletteID(m_defaults->string(paletteKey).value_or(defaultPalette));
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
    setCustomDotColor(Qt::white);
    setCustomBackgroundColor(Qt::black);
    setSelectedPaletteID(defaultPalette);
    m_digitSwatches.clear();
    notify(&ColorManager::customDigitSwatchesChanged);
    writeSwatches(digitSwatchesKey, m_digitSwatches);
    m_backgroundSwatches.clear();
    notify(&ColorManager::customBackgroundSwatchesChanged);
    writeSwatches(backgroundSwatchesKey, m_backgroundSwatches);
}
