// One frame of each display look as a host draws it: build the renderer,
// bring its state to now, and paint into an image the size of the look. The
// compact scale is what the tray redraws; the floating one is the big window.
// Each frame shows the next second, as a running countdown does.
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

} // namespace
