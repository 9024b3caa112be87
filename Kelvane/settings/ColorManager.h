// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimerCoreKit/color/ColorModes.h"
#include "TimerCoreKit/color/CustomColorSwatch.h"
#include "TimerCoreKit/color/DisplayColor.h"
#include "TimerCoreKit/color/MulticolorPalette.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "PlatformKit/store/UserDefaults.h"

#include <QColor>
#include <QList>
#include <QObject>

#include <optional>

// The colours of the display: the lit dots (a preset, a custom colour or a
// multicolour palette) and the background (a preset or a custom colour), the
// user's saved swatches, and the one-time move from the older single-theme
// settings. Every change is written to the store at once, except while
// persistence is suppressed.
class ColorManager final : public QObject {
    Q_OBJECT

public:
    explicit ColorManager(platform::UserDefaults& defaults, QObject* parent = nullptr);

    static constexpr qsizetype maximumSwatches = 8;

    const DigitColorMode& digitMode() const { return m_digitMode; }
    const BackgroundMode& backgroundMode() const { return m_backgroundMode; }
    QColor customDotColor() const { return m_customDotColor; }
    QColor customBackgroundColor() const { return m_customBackgroundColor; }
    const QString& selectedPaletteID() const { return m_selectedPaletteID; }
    const QList<CustomColorSwatch>& customDigitSwatches() const { return m_digitSwatches; }
    const QList<CustomColorSwatch>& customBackgroundSwatches() const { return m_backgroundSwatches; }
    const std::optional<QString>& activeCustomDigitSwatchID() const { return m_activeDigitSwatchID; }
    const std::optional<QString>& activeCustomBackgroundSwatchID() const { return m_activeBackgroundSwatchID; }

    void setDigitMode(DigitColorMode mode);
    void setBackgroundMode(BackgroundMode mode);
    void setCustomDotColor(const QColor& color);
    void setCustomBackgroundColor(const QColor& color);
    void setSelectedPaletteID(const QString& id);
    void setActiveCustomDigitSwatchID(std::optional<QString> id);
    void setActiveCustomBackgroundSwatchID(std::optional<QString> id);

    void selectDigitPreset(const QString& id);
    void selectBackgroundPreset(const QString& id);
    void selectMulticolorDigits();

    // False, changing nothing, when the list is already full.
    bool addCustomDigitSwatch(const QColor& color);
    bool addCustomBackgroundSwatch(const QColor& color);
    void selectCustomDigitSwatch(const CustomColorSwatch& swatch);
    void selectCustomBackgroundSwatch(const CustomColorSwatch& swatch);
    void updateCustomDigitSwatch(const QString& id, const QColor& color);
    void updateCustomBackgroundSwatch(const QString& id, const QColor& color);
    void deleteCustomDigitSwatch(const QString& id);
    void deleteCustomBackgroundSwatch(const QString& id);

    // The colours to draw with, worked out anew on every call.
    DisplayColor resolvedDisplayColor() const;
    // The palette in multicolour mode; none otherwise.
    std::optional<MulticolorPalette> activePalette() const;

    // The store the choices are written to; the colour picker reads the last
    // stored digit preset from it when leaving multicolour.
    const platform::UserDefaults& defaults() const { return *m_defaults; }

    bool isSuppressingPersistence() const { return m_isSuppressingPersistence; }
    void setSuppressingPersistence(bool suppressing) { m_isSuppressingPersistence = suppressing; }

    // Re-reads everything from the store (the caller suppresses persistence).
    void reload();
    void resetToDefaults();

Q_SIGNALS:
    void digitModeChanged();
    void backgroundModeChanged();
    void customDotColorChanged();
    void customBackgroundColorChanged();
    void selectedPaletteIDChanged();
    void customDigitSwatchesChanged();
    void customBackgroundSwatchesChanged();
    void activeCustomDigitSwatchIDChanged();
    void activeCustomBackgroundSwatchIDChanged();
    void changed();

private:
    // One of the two swatch lists with what belongs to it.
    struct SwatchSide;
    SwatchSide digitSide();
    SwatchSide backgroundSide();
    bool addSwatch(const SwatchSide& side, const QColor& color);
    void selectSwatch(const SwatchSide& side, const CustomColorSwatch& swatch);
    void updateSwatch(const SwatchSide& side, const QString& id, const QColor& color);
    void deleteSwatch(const SwatchSide& side, const QString& id);

    void loadColorsPaletteAndSwatches();
    bool loadStoredModes();
    void migrateOlderSettings();
    void writeDigitMode();
    void writeBackgroundMode();
    void writeComponents(const SharedDefaultsKeys::ColorKeys& keys, const QColor& color);
    void writeSwatches(QLatin1StringView key, const QList<CustomColorSwatch>& swatches);
    void notify(void (ColorManager::*signal)());

    platform::UserDefaults* m_defaults;
    // The modes keep these when the store holds none; the rest is read when made.
    DigitColorMode m_digitMode = DigitColorMode::solidPreset(SharedDefaultsKeys::digitPresetID.defaultValue);
    BackgroundMode m_backgroundMode = BackgroundMode::preset(SharedDefaultsKeys::backgroundPresetID.defaultValue);
    QColor m_customDotColor;
    QColor m_customBackgroundColor;
    QString m_selectedPaletteID;
    QList<CustomColorSwatch> m_digitSwatches;
    QList<CustomColorSwatch> m_backgroundSwatches;
    std::optional<QString> m_activeDigitSwatchID;
    std::optional<QString> m_activeBackgroundSwatchID;
    bool m_isSuppressingPersistence = false;
};
