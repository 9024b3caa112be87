// SPDX-License-Identifier: GPL-3.0-or-later
#include "FloatingScenes.h"

#include "Kelvane/floating/FloatingDisplayPicture.h"

#include <QPainter>

namespace {

// The card over a backdrop, so its rounded corners and its transparency show
// as they do over other windows.
QImage onDesktop(const QImage& card)
{
    constexpr int margin = 16;
    const QSize size = card.deviceIndependentSize().toSize() + QSize(2 * margin, 2 * margin);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(74, 98, 128));
    QPainter painter(&image);
    painter.drawImage(QPointF(margin, margin), card);
    return image;
}

MenuBarContent base(DisplayType type, DisplayColor color)
{
    MenuBarContent content;
    content.displayType = type;
    content.scale = DisplayScale::Floating;
    content.duration = 1500;
    content.remaining = 1500;
    content.color = color;
    return content;
}

// A running Pomodoro in its first break, shown on the strip.
MenuBarContent withPomodoroStrip(MenuBarContent content)
{
    content.mode = TimerMode::Running;
    content.remaining = 274;
    content.duration = 300;
    const QColor work = MenuBarContent::workColor();
    const QColor rest = MenuBarContent::breakColor();
    content.phaseIndicators = MenuBarContent::indicators({work, rest, work, rest, work, rest, work, rest}, 1);
    return content;
}

struct Scene {
    const char* name;
    MenuBarContent content;
    bool hovered;
};

NamedSheet lookSheet(const char* name, DisplayType type)
{
    const DisplayColor amber = DisplayColor::amber();
    MenuBarContent idle = base(type, amber);
    MenuBarContent running = withPomodoroStrip(base(type, amber));
    MenuBarContent paused = base(type, amber);
    paused.mode = TimerMode::Paused;
    paused.remaining = 754;
    MenuBarContent white = withPomodoroStrip(base(type, DisplayColor::classicWhite()));
    const Scene scenes[] = {
        {"idle", idle, false},
        {"running, Pomodoro strip", running, false},
        {"paused", paused, false},
        {"running, pointer on it", running, true},
        {"paused, pointer on it", paused, true},
        {"classic white, running", white, false},
    };
    GallerySheet sheet(QStringLiteral("Floating panel: %1").arg(QString::fromLatin1(name)), 2);
    for (const Scene& scene : scenes) {
        DisplayLookState state;
        const QImage card = FloatingDisplayPicture::render(scene.content, scene.hovered, state,
                                                           platform::Date::fromSecondsSinceReferenceDate(0), 1);
        sheet.add(QString::fromLatin1(scene.name), onDesktop(card));
    }
    QString file = QString::fromLatin1(name).replace(QLatin1Char(' '), QLatin1Char('-'));
    return {QStringLiteral("floating-%1.png").arg(file), std::move(sheet)};
}

} // namespace

std::vector<NamedSheet> floatingSheets()
{
    std::vector<NamedSheet> sheets;
    sheets.push_back(lookSheet("dot matrix", DisplayType::DotMatrix));
    sheets.push_back(lookSheet("seven segment", DisplayType::SevenSegment));
    sheets.push_back(lookSheet("flip clock", DisplayType::FlipClock));
    sheets.push_back(lookSheet("small and big", DisplayType::SmallAndBig));
    return sheets;
}
