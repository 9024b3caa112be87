// SPDX-License-Identifier: GPL-3.0-or-later
#include "RendererScenes.h"

#include "shared-ui/looks/DisplayRendererFactory.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

platform::Date at(double seconds)
{
    return platform::Date::fromSecondsSinceReferenceDate(seconds);
}

// Big enough to judge edges and glow at a glance; the floating size is big already.
constexpr PerScale<qreal> zooms{6, 4, 1.5};

const QColor workTint(255, 90, 79);

struct Shot {
    DisplayType type;
    DisplayFrame frame;
    DisplayLookSettings settings = {};
    platform::Date now = at(0);
};

DisplayFrame sample(DisplayScale scale = DisplayScale::Regular)
{
    DisplayFrame frame;
    frame.time = 1500;
    frame.color = DisplayColor::amber();
    frame.scale = scale;
    return frame;
}

// Drawn the way a host shows it: the scheme's background behind the look.
void paintHosted(QPainter& painter, const DisplayRenderer& renderer, const DisplayFrame& frame,
                 const DisplayLookState& state)
{
    const QRectF area(QPointF(0, 0), renderer.naturalSize(frame));
    const qreal radius = frame.style.backgroundCornerRadius(frame.scale);
    QPainterPath background;
    background.addRoundedRect(area, radius, radius);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(background, frame.color.backgroundColor());
    renderer.paint(painter, frame, state);
}

QImage pictureOf(const DisplayRenderer& renderer, const DisplayFrame& frame, const DisplayLookState& state, qreal zoom)
{
    const QSizeF size = renderer.naturalSize(frame) * zoom;
    QImage image(std::max(1, platform::saturatingCast<int>(std::ceil(size.width()))),
                 std::max(1, platform::saturatingCast<int>(std::ceil(size.height()))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(zoom);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintHosted(painter, renderer, frame, state);
    return image;
}

QImage draw(const Shot& shot, std::optional<qreal> zoom = std::nullopt)
{
    const auto renderer = DisplayRendererFactory::renderer(shot.type, shot.settings);
    DisplayLookState state;
    renderer->advance(state, shot.frame, shot.now);
    return pictureOf(*renderer, shot.frame, state, zoom.value_or(zooms[shot.frame.scale]));
}

QString slug(DisplayType type)
{
    switch (type) {
    case DisplayType::DotMatrix:
        return u"dot-matrix"_s;
    case DisplayType::SevenSegment:
        return u"seven-segment"_s;
    case DisplayType::FlipClock:
        return u"flip-clock"_s;
    case DisplayType::SmallAndBig:
        return u"small-and-big"_s;
    }
    return u"look"_s;
}

GallerySheet scales(DisplayType type)
{
    GallerySheet sheet(displayName(type) + u": size classes, bloom on and off (25:00, amber)"_s, 2);
    for (const auto scale : platform::allCases<DisplayScale>()) {
        for (const bool bloom : {true, false}) {
            DisplayFrame frame = sample(scale);
            frame.style.bloomEnabled = bloom;
            sheet.add(displayName(scale) + (bloom ? u" / bloom"_s : u" / no bloom"_s), draw({type, frame}));
        }
    }
    return sheet;
}

void addColonModes(GallerySheet& sheet, DisplayType type)
{
    for (const auto mode : platform::allCases<ColonMode>()) {
        for (const double time : {1500.0, 45.0}) {
            if (mode != ColonMode::Contextual && time < 60)
                continue;
            DisplayFrame frame = sample();
            frame.time = time;
            frame.style.colonMode = mode;
            // An odd second shows the pulsing colon dimmed.
            sheet.add(u"colon "_s + displayName(mode) + u" (odd second, "_s + frame.text() + u")"_s,
                      draw({type, frame, {}, at(1)}));
        }
    }
}

GallerySheet styles(DisplayType type)
{
    GallerySheet sheet(displayName(type) + u": style options (regular size)"_s, 3);
    for (const auto option : supportedStyleOptions(type)) {
        switch (option) {
        case DisplayStyleOption::DotWeight:
            for (const auto weight : platform::allCases<DotWeight>()) {
                DisplayFrame frame = sample();
                frame.style.dotWeight = weight;
                sheet.add(u"weight "_s + displayName(weight), draw({type, frame}));
            }
            break;
        case DisplayStyleOption::DotShape:
            for (const auto shape : platform::allCases<DotShape>()) {
                DisplayFrame frame = sample();
                frame.style.dotShape = shape;
                sheet.add(u"shape "_s + displayName(shape), draw({type, frame}));
            }
            break;
        case DisplayStyleOption::ShowDimmedOffCells:
            for (const bool dimmed : {false, true}) {
                DisplayFrame frame = sample();
                frame.style.showDimmedOffCells = dimmed;
                sheet.add(dimmed ? u"off cells dimmed"_s : u"off cells hidden"_s, draw({type, frame}));
            }
            break;
        case DisplayStyleOption::ColonMode:
            addColonModes(sheet, type);
            break;
        case DisplayStyleOption::SegmentThickness:
            for (const auto thickness : platform::allCases<SegmentThickness>()) {
                for (const bool bloom : {true, false}) {
                    DisplayFrame frame = sample();
                    frame.style.segmentThickness = thickness;
                    frame.style.bloomEnabled = bloom;
                    sheet.add(u"thickness "_s + displayName(thickness) + (bloom ? u""_s : u", no bloom"_s),
                              draw({type, frame}));
                }
            }
            break;
        case DisplayStyleOption::FlipSpeed:
            break; // a speed shows only in motion: see the flip frames
        }
    }
    if (supportedStyleOptions(type).isEmpty()) {
        for (const bool bloom : {true, false}) {
            DisplayFrame frame = sample();
            frame.style.bloomEnabled = bloom;
            sheet.add(bloom ? u"no style options; bloom"_s : u"no style options; no bloom"_s, draw({type, frame}));
        }
    }
    return sheet;
}

GallerySheet colors(DisplayType type)
{
    GallerySheet sheet(displayName(type) + u": palette, phase tint, schemes and texts (regular size)"_s, 3);
    const auto palette = MulticolorPalette::rainbow();
    sheet.add(u"palette Rainbow"_s, draw({type, sample(), {std::nullopt, DigitScaling::uniform(), palette}}));
    sheet.add(u"phase tint (wins over the palette)"_s,
              draw({type, sample(), {workTint, DigitScaling::uniform(), palette}}));
    for (const auto& scheme : {DisplayColor::classicBlack(), DisplayColor::greenTerminal(), DisplayColor::vfdCyan(),
                               DisplayColor::transparent()}) {
        DisplayFrame frame = sample();
        frame.color = scheme;
        sheet.add(u"scheme "_s + scheme.name, draw({type, frame}));
    }
    const struct {
        QString label;
        std::optional<QString> override;
        double time;
        TimeFormat format;
    } texts[] = {
        {u"check mark"_s, u"\u2713"_s, 0, TimeFormat::Standard},
        {u"minimal 25"_s, std::nullopt, 1500, TimeFormat::Minimal},
        {u"override -5:00"_s, u"-5:00"_s, 0, TimeFormat::Standard},
        {u"08:19"_s, std::nullopt, 499, TimeFormat::Standard},
        {u"67:45"_s, std::nullopt, 4065, TimeFormat::Standard},
        {u"override \"\""_s, u""_s, 0, TimeFormat::Standard},
    };
    for (const auto& text : texts) {
        DisplayFrame frame = sample();
        frame.displayOverride = text.override;
        frame.time = text.time;
        frame.timeFormat = text.format;
        sheet.add(text.label, draw({type, frame}));
    }
    for (const double second : {0.0, 1.0}) {
        DisplayFrame frame = sample();
        frame.blinkDisplay = true;
        sheet.add(u"blinking, second %1"_s.arg(second), draw({type, frame, {}, at(second)}));
    }
    return sheet;
}

// A countdown going from 10:00 to 09:59, caught at steps through the flip of
// its four digit cards.
GallerySheet flipFrames()
{
    GallerySheet sheet(u"Flip Clock: 10:00 to 09:59, frames through the fold"_s, 7);
    constexpr int steps = 7;
    for (const auto speed : platform::allCases<FlipSpeed>()) {
        for (const auto scale : {DisplayScale::Regular, DisplayScale::Floating}) {
            DisplayFrame frame = sample(scale);
            frame.style.flipSpeed = speed;
            frame.time = 600;
            const auto renderer = DisplayRendererFactory::renderer(DisplayType::FlipClock, {});
            DisplayLookState state;
            const platform::Date start = at(100);
            renderer->advance(state, frame, start - 1);
            frame.time = 599;
            renderer->advance(state, frame, start);
            for (int step = 0; step < steps; ++step) {
                const double elapsed = duration(speed) * step / (steps - 1);
                renderer->advance(state, frame, start + elapsed);
                sheet.add(u"%1 %2, %3 ms"_s.arg(displayName(speed), displayName(scale)).arg(qRound(elapsed * 1000)),
                          pictureOf(*renderer, frame, state, scale == DisplayScale::Floating ? 1 : zooms[scale]));
            }
        }
    }
    return sheet;
}

} // namespace

std::vector<NamedSheet> rendererSheets()
{
    std::vector<NamedSheet> sheets;
    for (const auto type : platform::allCases<DisplayType>()) {
        sheets.push_back({slug(type) + u"-scales.png"_s, scales(type)});
        sheets.push_back({slug(type) + u"-styles.png"_s, styles(type)});
        sheets.push_back({slug(type) + u"-colours.png"_s, colors(type)});
    }
    sheets.push_back({u"flip-frames.png"_s, flipFrames()});
    return sheets;
}
