// SPDX-License-Identifier: GPL-3.0-or-later
// One frame of each display look as a host draws it: build the renderer,
// bring its state to now, and paint into an image the size of the look. The
// compact scale is what the tray redraws; the floating one is the big window.
// Each frame shows the next second, as a running countdown does. Last, the
// floating panel's card as a whole.
#include "Kelvane/floating/FloatingDisplayPicture.h"
#include "Kelvane/status/MenuBarContentView.h"

#include "shared-ui/looks/DisplayRendererFactory.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void renderOneFrame(benchmark::State& state)
{
    const auto type = static_cast<DisplayType>(state.range(0));
    const auto scale = static_cast<DisplayScale>(state.range(1));
    DisplayFrame frame;
    frame.time = 1500;
    frame.color = DisplayColor::amber();
    frame.scale = scale;
    frame.style.bloomEnabled = state.range(2) != 0;
    const DisplayLookSettings settings;

    const QSizeF natural = DisplayRendererFactory::renderer(type, settings)->naturalSize(frame);
    QImage image(platform::saturatingCast<int>(std::ceil(natural.width())),
                 platform::saturatingCast<int>(std::ceil(natural.height())), QImage::Format_ARGB32_Premultiplied);
    DisplayLookState look;
    auto now = platform::Date::fromSecondsSinceReferenceDate(0);
    for (auto _ : state) {
        const auto renderer = DisplayRendererFactory::renderer(type, settings);
        renderer->advance(look, frame, now);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer->paint(painter, frame, look);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        // The tray redraws when the time moves on, so every frame is new.
        now = now + 1.0;
        frame.time = frame.time > 0 ? frame.time - 1 : 3599;
    }
    state.SetLabel(QStringLiteral("%1 %2 %3")
                       .arg(platform::rawValue(type), platform::rawValue(scale),
                            frame.style.bloomEnabled ? QStringLiteral("bloom") : QStringLiteral("no-bloom"))
                       .toStdString());
}

void everyLookAndScale(benchmark::internal::Benchmark* benchmark)
{
    for (const auto type : platform::allCases<DisplayType>()) {
        for (const auto scale : {DisplayScale::Compact, DisplayScale::Floating}) {
            for (const int bloom : {1, 0})
                benchmark->Args({static_cast<int>(type), static_cast<int>(scale), bloom});
        }
    }
}

BENCHMARK(renderOneFrame)->Apply(everyLookAndScale)->Unit(benchmark::kMicrosecond);

// The floating panel's whole card as its view draws it: the look at the
// floating scale on the card, with a Pomodoro strip, running (redrawn every
// second) or paused (drawn when the pause begins: every pixel is greyed), at
// one pixel per point like the frames above. The card's backdrop is kept
// from frame to frame, as the view keeps it.
void floatingFrame(benchmark::State& state)
{
    MenuBarContent content;
    content.displayType = static_cast<DisplayType>(state.range(0));
    content.mode = state.range(1) != 0 ? TimerMode::Paused : TimerMode::Running;
    content.duration = 1500;
    content.remaining = 1500;
    content.timeFormat = TimeFormat::Standard;
    content.color = DisplayColor::amber();
    content.phaseIndicators = MenuBarContent::indicators(
        {MenuBarContent::workColor(), MenuBarContent::breakColor(), MenuBarContent::workColor()}, 1);
    content = FloatingDisplayPicture::floating(content);
    DisplayLookState look;
    FloatingDisplayPicture::CardBackdrop backdrop;
    auto now = platform::Date::fromSecondsSinceReferenceDate(0);
    for (auto _ : state) {
        const QImage card = FloatingDisplayPicture::render(content, false, look, now, 1, &backdrop);
        benchmark::DoNotOptimize(card.constBits());
        now = now + 1.0;
        content.remaining = content.remaining > 0 ? content.remaining - 1 : 3599;
    }
    state.SetLabel(QStringLiteral("%1 %2")
                       .arg(platform::rawValue(content.displayType),
                            content.mode == TimerMode::Paused ? QStringLiteral("paused") : QStringLiteral("running"))
                       .toStdString());
}

void everyLookRunningAndPaused(benchmark::internal::Benchmark* benchmark)
{
    for (const auto type : platform::allCases<DisplayType>()) {
        for (const int paused : {0, 1})
            benchmark->Args({static_cast<int>(type), paused});
    }
}

BENCHMARK(floatingFrame)->Apply(everyLookRunningAndPaused)->Unit(benchmark::kMicrosecond);

// The tray item's pictures as the controller draws them once a second while
// a countdown runs for a host that picks among them: every cell size,
// minutes over seconds. An XEmbed tray gets one of its own size.
void trayPicture(benchmark::State& state)
{
    MenuBarContent content;
    content.displayType = static_cast<DisplayType>(state.range(0));
    content.mode = TimerMode::Running;
    content.duration = 1500;
    content.remaining = 1500;
    content.color = DisplayColor::amber();
    MenuBarLookStates looks;
    auto now = platform::Date::fromSecondsSinceReferenceDate(0);
    for (auto _ : state) {
        const QList<QImage> images
            = MenuBarContentView::render(content, platform::StatusItem::Shape::SquareCell, looks, now);
        benchmark::DoNotOptimize(images.constData());
        now = now + 1.0;
        content.remaining = content.remaining > 0 ? content.remaining - 1 : 3599;
    }
    state.SetLabel(platform::rawValue(content.displayType).toStdString());
}

BENCHMARK(trayPicture)->DenseRange(0, int(platform::allCases<DisplayType>().size()) - 1)->Unit(benchmark::kMicrosecond);

} // namespace
