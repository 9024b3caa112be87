// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryScenes.h"

#include "DotMatrixKit/DigitMapper.h"
#include "DotMatrixKit/DotMatrixRules.h"
#include "DotMatrixKit/paint/DotGlyphPainter.h"
#include "DotMatrixKit/paint/DotMatrixPainter.h"

#include <QPainter>

namespace {

constexpr qreal zoom = 4;

const QColor amber(255, 176, 0);
const QColor green(57, 255, 120);
const QColor red(255, 64, 64);
const QColor cyan(0, 220, 255);
const QColor panel(18, 18, 22);

DotMatrixInputs base(const QString& text = QStringLiteral("12:34"))
{
    DotMatrixInputs inputs;
    inputs.displayOverride = text;
    inputs.drawsOwnBackground = true;
    inputs.backgroundCornerRadius = 6;
    inputs.showDimmedOffCells = true;
    inputs.theme = DotTheme{amber, panel};
    return inputs;
}

QImage draw(const DotMatrixInputs& inputs, platform::Date now = platform::Date::fromSecondsSinceReferenceDate(0),
            qreal scale = zoom)
{
    return DotMatrixPainter::renderImage(inputs, DotMatrixRules::state(inputs, now), scale);
}

DotStyle styleWith(qreal dotSize, DotWeight weight, DotShape shape)
{
    return DotStyle(dotSize, weight, shape);
}

GallerySheet shapesAndWeights()
{
    GallerySheet sheet(QStringLiteral("Dot shape x weight (12:34, dimmed off cells)"), 3);
    for (const auto shape : platform::allCases<DotShape>()) {
        for (const auto weight : platform::allCases<DotWeight>()) {
            auto inputs = base();
            inputs.style = styleWith(3.5, weight, shape);
            sheet.add(displayName(shape) + QStringLiteral(" / ") + displayName(weight), draw(inputs));
        }
    }
    return sheet;
}

GallerySheet colonModes()
{
    GallerySheet sheet(QStringLiteral("Colon modes"));
    const auto even = platform::Date::fromSecondsSinceReferenceDate(10);
    const auto odd = platform::Date::fromSecondsSinceReferenceDate(11);
    auto inputs = base();
    inputs.colonMode = ColonMode::Always;
    sheet.add(QStringLiteral("always"), draw(inputs, odd));
    inputs.colonMode = ColonMode::Pulsing;
    sheet.add(QStringLiteral("pulsing, even second"), draw(inputs, even));
    sheet.add(QStringLiteral("pulsing, odd second (colon 0.4)"), draw(inputs, odd));
    inputs.colonMode = ColonMode::Contextual;
    sheet.add(QStringLiteral("contextual, 12:34"), draw(inputs));
    inputs.displayOverride.reset();
    inputs.time = 754;
    inputs.timeFormat = TimeFormat::Minimal;
    sheet.add(QStringLiteral("contextual, minimal format (754 s)"), draw(inputs));
    inputs.showLeadingZero = true;
    inputs.time = 300;
    sheet.add(QStringLiteral("minimal with leading zero (300 s)"), draw(inputs));
    return sheet;
}

GallerySheet digitScaling()
{
    GallerySheet sheet(QStringLiteral("Digit scaling"));
    auto inputs = base();
    for (const auto& [label, scaling] :
         {std::pair{QStringLiteral("uniform"), DigitScaling::uniform()},
          std::pair{QStringLiteral("perspective minutes 1.5"), DigitScaling::perspectiveMinutes(1.5)},
          std::pair{QStringLiteral("perspective minutes 2 (clipped at the grid)"), DigitScaling::perspectiveMinutes(2)},
          std::pair{QStringLiteral("perspective minutes 0.6"), DigitScaling::perspectiveMinutes(0.6)}}) {
        inputs.digitScaling = scaling;
        sheet.add(label, draw(inputs));
    }
    inputs.displayOverride.reset();
    inputs.time = 6000;
    inputs.digitScaling = DigitScaling::perspectiveMinutes(1.5);
    sheet.add(QStringLiteral("perspective 1.5, 100:00"), draw(inputs));
    return sheet;
}

GallerySheet glow()
{
    GallerySheet sheet(QStringLiteral("Glow"), 4);
    for (const auto& color : {amber, green, cyan}) {
        for (const auto radius : {std::optional<qreal>{}, std::optional<qreal>{0.0}, std::optional<qreal>{1.5},
                                  std::optional<qreal>{4.0}}) {
            auto inputs = base();
            inputs.theme = DotTheme{color, panel};
            inputs.showDimmedOffCells = false;
            inputs.glowRadius = radius;
            inputs.colonMode = ColonMode::Pulsing;
            const QString label = color.name()
                + (radius ? QStringLiteral(" glow %1").arg(*radius) : QStringLiteral(" no glow"))
                + QStringLiteral(", colon dimmed");
            sheet.add(label, draw(inputs, platform::Date::fromSecondsSinceReferenceDate(1)));
        }
    }
    return sheet;
}

GallerySheet multicolor()
{
    GallerySheet sheet(QStringLiteral("Multicolour palettes"));
    const std::vector<QColor> rainbow{red, amber, QColor(255, 240, 60), green, cyan};
    auto inputs = base(QStringLiteral("25:00"));
    inputs.dotColorPalette = {cyan};
    sheet.add(QStringLiteral("one colour"), draw(inputs));
    inputs.dotColorPalette = {red, green, cyan};
    sheet.add(QStringLiteral("three colours"), draw(inputs));
    inputs.dotColorPalette = rainbow;
    sheet.add(QStringLiteral("five colours"), draw(inputs));
    inputs.glowRadius = 2.5;
    sheet.add(QStringLiteral("five colours with glow"), draw(inputs));
    inputs.glowRadius.reset();
    inputs.phaseTintColor = QColor(200, 120, 255);
    sheet.add(QStringLiteral("five colours, phase tint set (palette still wins)"), draw(inputs));
    inputs.dotColorPalette.clear();
    sheet.add(QStringLiteral("phase tint only"), draw(inputs));
    return sheet;
}

GallerySheet completion()
{
    GallerySheet sheet(QStringLiteral("Completion"));
    auto inputs = base(QStringLiteral("\u2713"));
    sheet.add(QStringLiteral("check mark"), draw(inputs));
    inputs.phaseTintColor = red;
    inputs.dotColorPalette = {green, cyan};
    sheet.add(QStringLiteral("check mark ignores tint and palette"), draw(inputs));
    inputs = base(QStringLiteral("\u2713"));
    inputs.digitScaling = DigitScaling::perspectiveMinutes(1.5);
    inputs.glowRadius = 3;
    sheet.add(QStringLiteral("check mark on a perspective-width grid, glow"), draw(inputs));
    inputs = base(QStringLiteral("00:00"));
    inputs.blinkDisplay = true;
    inputs.glowRadius = 3;
    sheet.add(QStringLiteral("blinking 00:00, bright half"),
              draw(inputs, platform::Date::fromSecondsSinceReferenceDate(0.3)));
    sheet.add(QStringLiteral("blinking 00:00, dim half"),
              draw(inputs, platform::Date::fromSecondsSinceReferenceDate(0.9)));
    inputs = base(QStringLiteral("12\u27131"));
    sheet.add(QStringLiteral("small check mark glyph inside a text"), draw(inputs));
    return sheet;
}

GallerySheet phaseStrip()
{
    using State = PhaseIndicator::State;
    GallerySheet sheet(QStringLiteral("Phase strip"));
    auto inputs = base(QStringLiteral("24:59"));
    inputs.phaseIndicators = {{red, State::Active}};
    sheet.add(QStringLiteral("one phase, active"), draw(inputs));
    inputs.phaseIndicators
        = {{red, State::Completed}, {green, State::Active}, {red, State::Future}, {green, State::Future}};
    sheet.add(QStringLiteral("four phases: completed, active, future, future"), draw(inputs));
    inputs.phaseIndicators.clear();
    for (int i = 0; i < 8; ++i)
        inputs.phaseIndicators.push_back({i % 2 ? green : red,
                                          i < 3        ? State::Completed
                                              : i == 3 ? State::Active
                                                       : State::Future});
    sheet.add(QStringLiteral("eight phases"), draw(inputs));
    inputs.style = DotStyle(2, DotWeight::Regular, DotShape::Rounded);
    sheet.add(QStringLiteral("eight phases, dot size 2 (strip height floor 3)"), draw(inputs));
    return sheet;
}

GallerySheet sizes()
{
    GallerySheet sheet(QStringLiteral("Sizes (drawn at 1x and 2x device pixels)"), 2);
    for (const qreal dotSize : {2.0, 3.5, 6.0, 10.0}) {
        for (const qreal scale : {1.0, 2.0}) {
            auto inputs = base(QStringLiteral("09:41"));
            inputs.style = DotStyle(dotSize, DotWeight::Regular, DotShape::Rounded);
            inputs.glowRadius = dotSize / 2;
            inputs.backgroundCornerRadius = dotSize * 1.5;
            sheet.add(QStringLiteral("dot size %1 at %2x").arg(dotSize).arg(scale),
                      draw(inputs, platform::Date::fromSecondsSinceReferenceDate(0), scale));
        }
    }
    return sheet;
}

GallerySheet colors()
{
    GallerySheet sheet(QStringLiteral("Themes and colours"), 2);
    auto inputs = base(QStringLiteral("45:00"));
    inputs.theme = DotTheme::defaultTheme();
    sheet.add(QStringLiteral("default theme"), draw(inputs));
    inputs.theme = DotTheme::light();
    sheet.add(QStringLiteral("light theme"), draw(inputs));
    inputs.glowRadius = 2;
    sheet.add(QStringLiteral("light theme, glow"), draw(inputs));
    inputs.glowRadius.reset();
    inputs.theme = DotTheme{red, QColor(40, 0, 0)};
    sheet.add(QStringLiteral("red on dark red"), draw(inputs));
    inputs.theme = DotTheme{green, QColor(0, 30, 10)};
    inputs.glowRadius = 2;
    sheet.add(QStringLiteral("green on dark green, glow"), draw(inputs));
    inputs.theme = DotTheme{amber, QColor(0, 0, 0, 0)};
    inputs.drawsOwnBackground = false;
    inputs.showDimmedOffCells = false;
    sheet.add(QStringLiteral("no background, unlit dots hidden"), draw(inputs));
    inputs.theme = DotTheme{QColor(255, 255, 255, 128), panel};
    inputs.drawsOwnBackground = true;
    inputs.glowRadius.reset();
    sheet.add(QStringLiteral("half-transparent dot colour"), draw(inputs));
    return sheet;
}

GallerySheet texts()
{
    GallerySheet sheet(QStringLiteral("Texts"), 2);
    for (const auto& text : {QStringLiteral("00:00"), QStringLiteral("59:59"), QStringLiteral("100:00"),
                             QStringLiteral("1a2"), QStringLiteral("12"), QStringLiteral("  "), QStringLiteral("ab")}) {
        sheet.add(QStringLiteral("\"%1\"").arg(text), draw(base(text)));
    }
    return sheet;
}

QImage glyphImage(const DotGlyph& glyph, DotShape shape, const QSize& canvas)
{
    QImage image(canvas * static_cast<int>(zoom), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(zoom);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DotGlyphPainter::paint(painter, canvas, {glyph, amber, shape});
    return image;
}

GallerySheet glyphs()
{
    GallerySheet sheet(QStringLiteral("Glyph views: rounded, then square"), 13);
    const QString alphabet = QStringLiteral("0123456789: \u2713");
    for (const auto shape : platform::allCases<DotShape>()) {
        for (const QChar character : alphabet) {
            const auto* pattern = DigitMapper::matrix(QStringView(&character, 1));
            sheet.add(QStringLiteral("'%1'").arg(character), glyphImage(DotGlyph(*pattern), shape, QSize(18, 30)));
        }
    }
    return sheet;
}

GallerySheet glyphFitting()
{
    GallerySheet sheet(QStringLiteral("A glyph fitted to its canvas"), 3);
    sheet.add(QStringLiteral("R, 30 x 100"), glyphImage(DotGlyph::r(), DotShape::Rounded, QSize(30, 100)));
    sheet.add(QStringLiteral("R, 100 x 30, square"), glyphImage(DotGlyph::r(), DotShape::Square, QSize(100, 30)));
    sheet.add(QStringLiteral("empty glyph"), glyphImage(DotGlyph(GlyphPattern()), DotShape::Rounded, QSize(30, 30)));
    return sheet;
}

} // namespace

std::vector<NamedSheet> gallerySheets()
{
    return {
        {QStringLiteral("shapes-weights.png"), shapesAndWeights()},
        {QStringLiteral("colon-modes.png"), colonModes()},
        {QStringLiteral("digit-scaling.png"), digitScaling()},
        {QStringLiteral("glow.png"), glow()},
        {QStringLiteral("multicolour.png"), multicolor()},
        {QStringLiteral("completion.png"), completion()},
        {QStringLiteral("phase-strip.png"), phaseStrip()},
        {QStringLiteral("sizes.png"), sizes()},
        {QStringLiteral("colours.png"), colors()},
        {QStringLiteral("texts.png"), texts()},
        {QStringLiteral("glyphs.png"), glyphs()},
        {QStringLiteral("glyph-fitting.png"), glyphFitting()},
    };
}
