// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayScenes.h"

#include "Kelvane/status/MenuBarContentView.h"

#include <QPainter>

namespace {

platform::Date at(double seconds)
{
    return platform::Date::fromSecondsSinceReferenceDate(seconds);
}

// A panel-coloured square behind the cell, so the picture is judged where it
// is seen; the blown-up copy shows single pixels.
QImage onPanel(const QImage& cell, QColor panel, int zoom)
{
    const int side = cell.width() * zoom;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(panel);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, side, side), cell);
    return image;
}

// The panels the picture must read on, and the cell sizes panels use.
const struct {
    const char* name;
    QColor color;
} panels[] = {{"light", QColor(0xED, 0xED, 0xED)}, {"dark", QColor(0x26, 0x26, 0x26)}};
constexpr int panelSizes[] = {16, 22, 24, 32, 48};

struct State {
    const char* name;
    TimerMode mode;
    double remaining;
};

const State timerStates[] = {
    {"idle", TimerMode::Idle, 1500},
    {"running", TimerMode::Running, 754},
    {"paused", TimerMode::Paused, 754},
    {"completed", TimerMode::Completed, 0},
};

const struct {
    const char* name;
    DisplayType type;
} looks[] = {
    {"dot matrix", DisplayType::DotMatrix},
    {"seven segment", DisplayType::SevenSegment},
    {"flip clock", DisplayType::FlipClock},
    {"small and big", DisplayType::SmallAndBig},
};

MenuBarContent sample(DisplayType type, const State& state)
{
    MenuBarContent content;
    content.displayType = type;
    content.mode = state.mode;
    content.duration = 1500;
    content.remaining = state.remaining;
    // The default theme: white digits on nothing.
    content.color = DisplayColor::transparent();
    content.completionBehavior = CompletionBehavior::FreezeAtZero;
    return content;
}

// The cell at each panel size on a light and a dark panel, each blown up to
// the same width so single pixels show.
void addPanelCells(GallerySheet& sheet, const QString& label, const MenuBarContent& content)
{
    for (const auto& panel : panels) {
        for (const int pixels : panelSizes) {
            MenuBarLookStates states;
            const QImage cell = MenuBarContentView::renderCell(content, pixels, states, at(0));
            sheet.add(QStringLiteral("%1, %2, %3 px").arg(label, QString::fromLatin1(panel.name)).arg(pixels),
                      onPanel(cell, panel.color, 96 / pixels));
        }
    }
}

NamedSheet lookSheet(const char* name, DisplayType type)
{
    GallerySheet sheet(QStringLiteral("Tray cell: %1").arg(QString::fromLatin1(name)), 5);
    for (const State& state : timerStates)
        addPanelCells(sheet, QString::fromLatin1(state.name), sample(type, state));
    MenuBarContent amber = sample(type, timerStates[1]);
    amber.color = DisplayColor::amber();
    addPanelCells(sheet, QStringLiteral("amber theme"), amber);
    QString file = QString::fromLatin1(name).replace(QLatin1Char(' '), QLatin1Char('-'));
    return {QStringLiteral("tray-%1.png").arg(file), std::move(sheet)};
}

NamedSheet completionSheet()
{
    GallerySheet sheet(QStringLiteral("Tray cell: completion and extras"), 5);
    MenuBarContent checkmark = sample(DisplayType::DotMatrix, timerStates[3]);
    checkmark.completionBehavior = CompletionBehavior::ShowCheckmark;
    addPanelCells(sheet, QStringLiteral("checkmark"), checkmark);

    MenuBarContent animation = checkmark;
    animation.completionBehavior = CompletionBehavior::PlayAnimation;
    animation.animationFrame = QImage(32, 18, QImage::Format_ARGB32);
    animation.animationFrame.fill(Qt::transparent);
    {
        QPainter painter(&animation.animationFrame);
        painter.fillRect(4, 4, 10, 10, Qt::white);
        painter.fillRect(18, 8, 10, 6, QColor(200, 200, 200));
    }
    addPanelCells(sheet, QStringLiteral("animation frame"), animation);

    MenuBarContent pomodoro = sample(DisplayType::DotMatrix, timerStates[1]);
    pomodoro.phaseIndicators = MenuBarContent::indicators({MenuBarContent::workColor(), MenuBarContent::breakColor(),
                                                           MenuBarContent::workColor(), MenuBarContent::breakColor()},
                                                          1);
    pomodoro.updateAvailable = true;
    addPanelCells(sheet, QStringLiteral("phases + update"), pomodoro);

    MenuBarContent light = sample(DisplayType::DotMatrix, timerStates[1]);
    light.color = DisplayColor::classicBlack();
    addPanelCells(sheet, QStringLiteral("light scheme"), light);

    MenuBarContent dark = sample(DisplayType::SevenSegment, timerStates[1]);
    dark.color = DisplayColor::classicWhite();
    addPanelCells(sheet, QStringLiteral("dark scheme"), dark);

    MenuBarContent minimal = sample(DisplayType::DotMatrix, timerStates[1]);
    minimal.timeFormat = TimeFormat::Minimal;
    addPanelCells(sheet, QStringLiteral("minutes only"), minimal);
    return {QStringLiteral("tray-completion.png"), std::move(sheet)};
}

NamedSheet iconFormsSheet()
{
    GallerySheet sheet(QStringLiteral("Tray cell: compact and icon-only"), 5);
    for (const State& state : timerStates) {
        for (const MenuBarDisplayMode mode : {MenuBarDisplayMode::Compact, MenuBarDisplayMode::IconOnly}) {
            MenuBarContent content = sample(DisplayType::DotMatrix, state);
            content.displayMode = mode;
            addPanelCells(sheet,
                          QStringLiteral("%1 %2").arg(QString::fromLatin1(state.name),
                                                      mode == MenuBarDisplayMode::Compact ? QStringLiteral("compact")
                                                                                          : QStringLiteral("icon")),
                          content);
        }
    }
    return {QStringLiteral("tray-icon-forms.png"), std::move(sheet)};
}

NamedSheet stripSheet()
{
    GallerySheet sheet(QStringLiteral("Strip: the display at its natural width"), 2);
    for (const auto& look : looks) {
        for (const State& state : timerStates) {
            DisplayLookState lookState;
            const QImage image = MenuBarContentView::renderNatural(sample(look.type, state), lookState, at(0), 4);
            sheet.add(QStringLiteral("%1, %2").arg(QString::fromLatin1(look.name), QString::fromLatin1(state.name)),
                      image);
        }
    }
    for (const MenuBarDisplayMode mode : {MenuBarDisplayMode::Compact, MenuBarDisplayMode::IconOnly}) {
        MenuBarContent content = sample(DisplayType::DotMatrix, timerStates[1]);
        content.displayMode = mode;
        content.updateAvailable = true;
        DisplayLookState lookState;
        sheet.add(mode == MenuBarDisplayMode::Compact ? QStringLiteral("compact + update")
                                                      : QStringLiteral("icon + update"),
                  MenuBarContentView::renderNatural(content, lookState, at(0), 4));
    }
    return {QStringLiteral("tray-strip.png"), std::move(sheet)};
}

} // namespace

std::vector<NamedSheet> traySheets()
{
    std::vector<NamedSheet> sheets;
    for (const auto& look : looks)
        sheets.push_back(lookSheet(look.name, look.type));
    sheets.push_back(completionSheet());
    sheets.push_back(iconFormsSheet());
    sheets.push_back(stripSheet());
    return sheets;
}
