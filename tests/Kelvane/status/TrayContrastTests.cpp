// SPDX-License-Identifier: GPL-3.0-or-later
// The tray picture in the default colours (white digits on nothing) laid on a
// light and a dark panel: its lit pixels, the rim drawn around the digits
// included, must stand out from both.
#include "Kelvane/status/MenuBarContentView.h"
#include "Kelvane/status/TrayContrastEdge.h"

#include <QPainter>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

const platform::Date now = platform::Date::fromSecondsSinceReferenceDate(0);

double luminance(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return DisplayColor::relativeLuminance(rgb.redF(), rgb.greenF(), rgb.blueF());
}

double wcagRatio(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The cell as the panel shows it, and which of its pixels the picture covers
// at least half.
struct OnPanel {
    QImage shown;
    std::vector<QPoint> lit;
};

OnPanel laidOn(const QImage& cell, const QColor& panel)
{
    OnPanel result{QImage(cell.size(), QImage::Format_ARGB32), {}};
    result.shown.fill(panel);
    {
        QPainter painter(&result.shown);
        painter.drawImage(0, 0, cell);
    }
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            if (cell.pixelColor(x, y).alpha() >= 128)
                result.lit.emplace_back(x, y);
        }
    }
    return result;
}

// The WCAG contrast ratio of the lit pixels against the panel, taken pixel by
// pixel and averaged over them: the digits that stand out on a dark panel and
// the rim that stands out on a light one both count, as does whatever of the
// picture vanishes into the panel.
double contrast(const QImage& cell, const QColor& panel)
{
    const OnPanel seen = laidOn(cell, panel);
    if (seen.lit.empty())
        return 1;
    const double background = luminance(panel);
    double sum = 0;
    for (const QPoint& p : seen.lit)
        sum += wcagRatio(luminance(seen.shown.pixelColor(p)), background);
    return sum / static_cast<double>(seen.lit.size());
}

struct Look {
    const char* name;
    DisplayType type;
    MenuBarDisplayMode form;
    TimerMode mode;
};

MenuBarContent defaults(const Look& look)
{
    MenuBarContent content; // the default theme, "transparent"
    content.color = DisplayColor::color(u"default");
    content.displayType = look.type;
    content.displayMode = look.form;
    content.mode = look.mode;
    content.duration = 1500;
    content.remaining = look.mode == TimerMode::Completed ? 0 : 754;
    return content;
}

const QColor lightPanel(0xED, 0xED, 0xED);
const QColor darkPanel(0x26, 0x26, 0x26);

const struct {
    const char* name;
    QColor color;
} panels[] = {{"light", lightPanel}, {"dark", darkPanel}};

// The four looks counting down.
const Look runningLooks[] = {
    {"dot matrix", DisplayType::DotMatrix, MenuBarDisplayMode::Full, TimerMode::Running},
    {"seven segment", DisplayType::SevenSegment, MenuBarDisplayMode::Full, TimerMode::Running},
    {"flip clock", DisplayType::FlipClock, MenuBarDisplayMode::Full, TimerMode::Running},
    {"small and big", DisplayType::SmallAndBig, MenuBarDisplayMode::Full, TimerMode::Running},
};

TEST(TrayContrastTest, TheDefaultPictureReadsOnLightAndDarkPanelsAtEveryPanelSize)
{
    const Look looks[] = {
        {"dot matrix", DisplayType::DotMatrix, MenuBarDisplayMode::Full, TimerMode::Running},
        {"dot matrix, idle", DisplayType::DotMatrix, MenuBarDisplayMode::Full, TimerMode::Idle},
        {"seven segment", DisplayType::SevenSegment, MenuBarDisplayMode::Full, TimerMode::Running},
        {"flip clock", DisplayType::FlipClock, MenuBarDisplayMode::Full, TimerMode::Running},
        {"small and big", DisplayType::SmallAndBig, MenuBarDisplayMode::Full, TimerMode::Running},
        {"check mark", DisplayType::DotMatrix, MenuBarDisplayMode::Full, TimerMode::Completed},
        {"compact", DisplayType::DotMatrix, MenuBarDisplayMode::Compact, TimerMode::Running},
        {"icon only", DisplayType::DotMatrix, MenuBarDisplayMode::IconOnly, TimerMode::Running},
    };
    for (const Look& look : looks) {
        for (const int pixels : {16, 22, 24, 32, 48}) {
            MenuBarLookStates states;
            const QImage cell = MenuBarContentView::renderCell(defaults(look), pixels, states, now);
            for (const auto& panel : panels) {
                EXPECT_GE(contrast(cell, panel.color), 3.0) << look.name << ", " << pixels << " px, " << panel.name;
            }
        }
    }
}

// Hosts show the pictures the program sends at their own icon size, scaled
// down smoothly: Qt's XEmbed icon, lxqt-panel and Plasma from the nearest
// picture at least that large, xfce4-panel always from the largest (its icons
// are 20 px and more on a panel of the usual height). The rim must survive it.
TEST(TrayContrastTest, TheDefaultPictureReadsAsTheHostsScaleIt)
{
    enum class Pick { Nearest, Largest };
    const struct {
        Pick pick;
        std::vector<int> sizes;
    } hosts[] = {{Pick::Nearest, {16, 20, 22, 24, 32, 48}}, {Pick::Largest, {20, 22, 24, 32, 48}}};
    for (const Look& look : runningLooks) {
        MenuBarLookStates states;
        const QList<QImage> sent
            = MenuBarContentView::render(defaults(look), platform::StatusItem::Shape::SquareCell, states, now);
        ASSERT_FALSE(sent.isEmpty());
        for (const auto& host : hosts) {
            for (const int pixels : host.sizes) {
                const auto nearest = std::find_if(sent.cbegin(), sent.cend(),
                                                  [&](const QImage& image) { return image.width() >= pixels; });
                const QImage& picked
                    = host.pick == Pick::Largest || nearest == sent.cend() ? sent.constLast() : *nearest;
                const QImage shown = picked.width() <= pixels
                    ? picked
                    : picked.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
                for (const auto& panel : panels) {
                    EXPECT_GE(contrast(shown, panel.color), 3.0) << look.name << ", " << pixels << " px from the "
                                                                 << picked.width() << " px picture, " << panel.name;
                }
            }
        }
    }
}

TEST(TrayContrastTest, AThemeWithItsOwnBackgroundIsDrawnAsChosen)
{
    // White digits on an opaque grey: no dark rim, nothing darker than the grey.
    MenuBarContent content = defaults({"", DisplayType::DotMatrix, MenuBarDisplayMode::Full, TimerMode::Running});
    content.color = DisplayColor(QStringLiteral("own"), QStringLiteral("Own"), {1, 1, 1, 1}, {0.5, 0.5, 0.5, 1});
    MenuBarLookStates states;
    const QImage cell = MenuBarContentView::renderCell(content, 44, states, now);
    const double grey = luminance(content.color.backgroundColor());
    int darker = 0;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            const QColor pixel = cell.pixelColor(x, y);
            if (pixel.alpha() == 255 && luminance(pixel) < grey - 0.01)
                ++darker;
        }
    }
    EXPECT_EQ(darker, 0);
    EXPECT_FALSE(TrayContrastEdge::edgeColor(content).has_value());
}

TEST(TrayContrastTest, TheRimIsTheOppositeShadeOfTheDigits)
{
    const struct {
        QColor lit;
        bool darkRim;
    } cases[] = {
        {Qt::white, true},
        {DisplayColor::amber().dotColor(), true},
        {DisplayColor::greenTerminal().dotColor(), true},
        {Qt::black, false},
        {QColor(0, 0, 160), false},
    };
    for (const auto& c : cases) {
        const QColor rim = TrayContrastEdge::edgeColorAround(c.lit);
        EXPECT_EQ(luminance(rim) < 0.5, c.darkRim) << c.lit.name().toStdString();
    }
}

TEST(TrayContrastTest, TheRimLiesUnderTheLitPixelsOnly)
{
    QImage image(9, 9, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setPixelColor(4, 4, Qt::white);
    image.setPixelColor(0, 0, QColor(255, 255, 255, 20)); // an unlit dot
    TrayContrastEdge::surround(image, 1, QColor(0, 0, 0, 200));
    EXPECT_EQ(image.pixelColor(4, 4), QColor(Qt::white)) << "the digit stays on top";
    // Right of and below the lit pixel, so the gaps between dots to its
    // upper left stay open and a row of dots still reads as dots.
    const struct {
        QPoint at;
        int alpha;
    } pixels[] = {{{5, 4}, 200}, {{4, 5}, 200}, {{3, 4}, 0}, {{4, 3}, 0}, {{5, 5}, 0}, {{6, 4}, 0}};
    for (const auto& p : pixels)
        EXPECT_EQ(image.pixelColor(p.at).alpha(), p.alpha) << p.at.x() << "," << p.at.y();
    EXPECT_EQ(image.pixelColor(1, 0).alpha(), 0) << "no rim around an unlit dot";
}

} // namespace
