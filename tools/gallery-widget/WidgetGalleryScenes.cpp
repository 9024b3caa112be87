// SPDX-License-Identifier: GPL-3.0-or-later
#include "WidgetGalleryScenes.h"

#include "shared-ui/desktopwidget/WidgetDotMatrixPainter.h"
#include "shared-ui/desktopwidget/WidgetThemeLibrary.h"
#include "shared-ui/desktopwidget/WidgetTimerState.h"

#include "DotMatrixKit/PhaseStrip.h"

namespace {

constexpr qreal zoom = 4;

const QColor amber(255, 176, 0);
const QColor panel(18, 18, 22);
const QColor workRed(255, 90, 80);
const QColor breakGreen(80, 220, 120);
const QColor longBreakBlue(80, 150, 255);

WidgetDotMatrixInputs base(const QString& text = QStringLiteral("12:34"))
{
    WidgetDotMatrixInputs inputs;
    inputs.displayOverride = text;
    inputs.theme = DotTheme{amber, panel};
    return inputs;
}

QImage draw(const WidgetDotMatrixInputs& inputs)
{
    return WidgetDotMatrixPainter::renderImage(inputs, zoom);
}

// The Pomodoro cycle with the current phase at `current`.
std::vector<WidgetPhaseIndicator> pomodoroRow(qint64 current)
{
    auto state = WidgetTimerState::idle();
    state.pomodoroActive = true;
    std::vector<WidgetPhaseIndicator> row;
    const auto phases = state.pomodoroPhaseSequence();
    for (qsizetype i = 0; i < phases.size(); ++i) {
        const QColor color = phases[i] == WidgetPomodoroPhase::Work ? workRed
            : phases[i] == WidgetPomodoroPhase::ShortBreak          ? breakGreen
                                                                    : longBreakBlue;
        const auto where = i < current ? PhaseIndicator::State::Completed
            : i == current             ? PhaseIndicator::State::Active
                                       : PhaseIndicator::State::Future;
        row.push_back({int(i), color, phaseOpacity(where)});
    }
    return row;
}

// Each look beside its tinted twin.
void addPair(GallerySheet& sheet, const QString& label, WidgetDotMatrixInputs inputs)
{
    sheet.add(label, draw(inputs));
    inputs.isTintedMode = true;
    sheet.add(label + QStringLiteral(", tinted"), draw(inputs));
}

GallerySheet looks()
{
    GallerySheet sheet(QStringLiteral("Widget view: plain and tinted"), 2);
    auto inputs = base();
    addPair(sheet, QStringLiteral("always colon"), inputs);
    inputs.colonMode = ColonMode::Pulsing;
    addPair(sheet, QStringLiteral("pulsing colon (held at 0.7)"), inputs);
    inputs.colonMode = ColonMode::Contextual;
    inputs.displayOverride.reset();
    inputs.time = 754;
    inputs.timeFormat = TimeFormat::Minimal;
    addPair(sheet, QStringLiteral("contextual, minimal (754 s)"), inputs);
    inputs = base();
    inputs.style = DotStyle(3.5, DotWeight::Bold, DotShape::Square);
    addPair(sheet, QStringLiteral("square, bold"), inputs);
    inputs = base();
    inputs.style = DotStyle(3.5, DotWeight::Light, DotShape::Rounded);
    addPair(sheet, QStringLiteral("rounded, light"), inputs);
    inputs = base(QStringLiteral("\u2713"));
    addPair(sheet, QStringLiteral("check mark override"), inputs);
    return sheet;
}

GallerySheet phaseRows()
{
    GallerySheet sheet(QStringLiteral("Widget view: phase row"), 2);
    auto inputs = base(QStringLiteral("24:59"));
    inputs.phaseIndicators = pomodoroRow(0);
    addPair(sheet, QStringLiteral("Pomodoro, first work"), inputs);
    inputs.displayOverride = QStringLiteral("04:12");
    inputs.phaseIndicators = pomodoroRow(3);
    addPair(sheet, QStringLiteral("Pomodoro, second break"), inputs);
    inputs.displayOverride = QStringLiteral("14:00");
    inputs.phaseIndicators = pomodoroRow(7);
    addPair(sheet, QStringLiteral("Pomodoro, long break"), inputs);
    inputs.phaseIndicators
        = std::vector<WidgetPhaseIndicator>{{0, workRed, 1.0}, {1, breakGreen, 0.4}, {2, longBreakBlue, 0.15}};
    addPair(sheet, QStringLiteral("three phases"), inputs);
    inputs.phaseIndicators.emplace();
    addPair(sheet, QStringLiteral("empty row (no room taken)"), inputs);
    return sheet;
}

// Looks resolved from stored choices the way the widget resolves them.
GallerySheet themes()
{
    GallerySheet sheet(QStringLiteral("Widget view: resolved themes"), 2);
    const auto add = [&](const QString& label, const WidgetAppearanceSettings& settings) {
        auto inputs = base();
        inputs.theme = WidgetThemeLibrary::resolvedTheme(settings);
        if (const auto palette = WidgetThemeLibrary::resolvedPalette(settings)) {
            const auto colors = palette->colors();
            inputs.dotColorPalette = std::vector<QColor>(colors.begin(), colors.end());
        }
        inputs.phaseIndicators = pomodoroRow(2);
        addPair(sheet, label, inputs);
    };
    WidgetAppearanceSettings settings;
    add(QStringLiteral("preset dark"), settings);
    settings.digitPresetID = settings.backgroundPresetID = QStringLiteral("light");
    add(QStringLiteral("preset light"), settings);
    settings.digitPresetID = settings.backgroundPresetID = QStringLiteral("greenTerminal");
    add(QStringLiteral("preset green terminal"), settings);
    settings.digitMode = QStringLiteral("multicolor");
    settings.multicolorPaletteID = QStringLiteral("rainbow");
    add(QStringLiteral("multicolour rainbow"), settings);
    settings.digitMode = settings.backgroundMode = QStringLiteral("custom");
    settings.customDigitR = 1.0;
    settings.customDigitG = 0.5;
    settings.customDigitB = 0.0;
    settings.customDigitA = 0.8;
    settings.customBgR = 0.1;
    settings.customBgG = 0.0;
    settings.customBgB = 0.2;
    add(QStringLiteral("custom orange on plum"), settings);
    return sheet;
}

} // namespace

std::vector<NamedSheet> widgetGallerySheets()
{
    return {
        {QStringLiteral("widget-looks.png"), looks()},
        {QStringLiteral("widget-phase-row.png"), phaseRows()},
        {QStringLiteral("widget-themes.png"), themes()},
    };
}
