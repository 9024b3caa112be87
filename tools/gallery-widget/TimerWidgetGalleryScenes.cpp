// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerWidgetGalleryScenes.h"

#include "widget-extension/views/TimerWidgetPainter.h"

#include <QPainter>

namespace {

constexpr qreal zoom = 2;

struct Look {
    QString name;
    WidgetAppearanceSettings appearance;
    WidgetRenderingMode mode = WidgetRenderingMode::FullColor;
};

struct Scene {
    QString name;
    TimerWidgetEntry entry;
};

std::vector<Look> looks()
{
    WidgetAppearanceSettings dark; // the widget's own defaults: white on black
    WidgetAppearanceSettings light;
    light.digitPresetID = light.backgroundPresetID = QStringLiteral("light");
    WidgetAppearanceSettings amber;
    amber.digitPresetID = amber.backgroundPresetID = QStringLiteral("amber");
    amber.dotShape = DotShape::Square;
    amber.timeFormat = TimeFormat::Standard;
    WidgetAppearanceSettings text = dark;
    text.displayType = WidgetDisplayType::SevenSegment;
    WidgetAppearanceSettings textLight = light;
    textLight.displayType = WidgetDisplayType::FlipClock;
    WidgetAppearanceSettings rainbow = dark;
    rainbow.digitMode = QStringLiteral("multicolor");
    return {
        {QStringLiteral("dot matrix, dark"), dark},
        {QStringLiteral("dot matrix, light"), light},
        {QStringLiteral("dot matrix, amber square standard"), amber},
        {QStringLiteral("dot matrix, rainbow"), rainbow},
        {QStringLiteral("text, dark"), text},
        {QStringLiteral("text, light"), textLight},
        {QStringLiteral("dot matrix, tinted"), dark, WidgetRenderingMode::Accented},
    };
}

std::vector<Scene> scenes()
{
    const auto make = [](TimerMode mode, double remaining) {
        TimerWidgetEntry entry;
        entry.timerState = WidgetTimerState::idle();
        entry.timerState.mode = mode;
        entry.timerState.duration = 1500;
        entry.timerState.remaining = remaining;
        entry.timerState.selectedPresetID = QStringLiteral("preset.classic-25");
        return entry;
    };
    std::vector<Scene> list{
        {QStringLiteral("idle, 25 min"), make(TimerMode::Idle, 1500)},
        {QStringLiteral("running 12:34"), make(TimerMode::Running, 754)},
        {QStringLiteral("paused 12:34"), make(TimerMode::Paused, 754)},
        {QStringLiteral("completed"), make(TimerMode::Completed, 0)},
    };
    Scene stopwatch{QStringLiteral("stopwatch 3:07"), make(TimerMode::Running, 0)};
    stopwatch.entry.timerState.direction = TimerDirection::CountUp;
    stopwatch.entry.timerState.elapsed = 187;
    list.push_back(stopwatch);
    Scene pomodoro{QStringLiteral("Pomodoro, second break"), make(TimerMode::Running, 290)};
    pomodoro.entry.timerState.pomodoroActive = true;
    pomodoro.entry.timerState.pomodoroPhaseIndex = 3;
    list.push_back(pomodoro);
    Scene custom{QStringLiteral("custom selected"), make(TimerMode::Idle, 900)};
    custom.entry.timerState.selectedPresetID = QString(TimerPresetLibrary::Constants::customPresetID);
    list.push_back(custom);
    Scene corrupt{QStringLiteral("corrupt snapshot"), make(TimerMode::Idle, 300)};
    corrupt.entry.timerState = WidgetTimerState::idle();
    corrupt.entry.loadError = WidgetLoadError::TimerStateCorrupted;
    list.push_back(corrupt);
    return list;
}

QImage onDesktop(const QImage& widget, const QColor& desktop)
{
    QImage picture(widget.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(desktop);
    {
        QPainter painter(&picture);
        painter.drawImage(QRect(QPoint(0, 0), widget.size()), widget);
    }
    return picture;
}

NamedSheet sheetFor(WidgetFamily family, const QString& desktopName, const QColor& desktop)
{
    const QString familyName = family == WidgetFamily::Small ? QStringLiteral("small") : QStringLiteral("medium");
    const auto allScenes = scenes();
    GallerySheet sheet(QStringLiteral("Widget, %1, on a %2 desktop (columns: states)").arg(familyName, desktopName),
                       static_cast<int>(allScenes.size()));
    for (const Look& look : looks()) {
        for (const Scene& scene : allScenes) {
            TimerWidgetEntry entry = scene.entry;
            entry.appearanceSettings = look.appearance;
            const QImage widget = TimerWidgetPainter::renderImage(entry, family, look.mode, zoom);
            sheet.add(look.name + QStringLiteral(" / ") + scene.name, onDesktop(widget, desktop));
        }
    }
    return {QStringLiteral("timer-widget-%1-%2.png").arg(familyName, desktopName), sheet};
}

} // namespace

std::vector<NamedSheet> timerWidgetGallerySheets()
{
    std::vector<NamedSheet> sheets;
    for (const WidgetFamily family : {WidgetFamily::Small, WidgetFamily::Medium}) {
        sheets.push_back(sheetFor(family, QStringLiteral("light"), QColor(226, 228, 232)));
        sheets.push_back(sheetFor(family, QStringLiteral("dark"), QColor(28, 30, 36)));
    }
    return sheets;
}
