// SPDX-License-Identifier: GPL-3.0-or-later
// The tray picture, probed at pixels the layout decides: which half holds
// which row, the paused look, the update dot and the phase bars.
#include "Kelvane/status/MenuBarContentView.h"

#include "Kelvane/animation/BuiltInAnimationFrames.h"

#include <gtest/gtest.h>

namespace {

const platform::Date now = platform::Date::fromSecondsSinceReferenceDate(0);

MenuBarContent amberClock(DisplayType type = DisplayType::DotMatrix)
{
    MenuBarContent content;
    content.displayType = type;
    content.mode = TimerMode::Running;
    content.duration = 1500;
    content.remaining = 754;
    content.color = DisplayColor::amber();
    return content;
}

bool isLit(QColor pixel)
{
    return pixel.alpha() > 200 && pixel.red() > 160 && pixel.green() > 100 && pixel.blue() < 90;
}

// Lit pixels in the rows [top, bottom) of the image.
int litPixels(const QImage& image, int top, int bottom)
{
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += isLit(image.pixelColor(x, y)) ? 1 : 0;
    }
    return count;
}

QImage cell(const MenuBarContent& content, int pixels)
{
    MenuBarLookStates states;
    return MenuBarContentView::renderCell(content, pixels, states, now);
}

TEST(MenuBarContentViewTest, ACellShowsMinutesOverSecondsInEveryLook)
{
    for (const DisplayType type :
         {DisplayType::DotMatrix, DisplayType::SevenSegment, DisplayType::FlipClock, DisplayType::SmallAndBig}) {
        for (const int pixels : MenuBarContentView::cellSizes) {
            const QImage image = cell(amberClock(type), pixels);
            ASSERT_EQ(image.size(), QSize(pixels, pixels));
            const int half = pixels / 2;
            EXPECT_GT(litPixels(image, 0, half - 1), 0) << int(type) << " " << pixels;
            EXPECT_GT(litPixels(image, half + 1, pixels), 0) << int(type) << " " << pixels;
            // The rows stand apart: the middle line holds no digit.
            EXPECT_EQ(litPixels(image, half, half + 1), 0) << int(type) << " " << pixels;
        }
    }
}

// The looks keep the still pieces they draw for the next second; a cell that
// scales its rows by anything but one factor for both sides makes them draw
// every piece afresh each second.
TEST(MenuBarContentViewTest, ACellKeepsItsLooksPiecesAtEverySize)
{
    for (const DisplayType type :
         {DisplayType::DotMatrix, DisplayType::SevenSegment, DisplayType::FlipClock, DisplayType::SmallAndBig}) {
        for (const int pixels : {16, 20, 22, 24, 30, 32, 44, 48}) {
            MenuBarLookStates states;
            MenuBarContentView::renderCell(amberClock(type), pixels, states, now);
            EXPECT_GT(states.top.sprites.size(), 0) << int(type) << " " << pixels;
            EXPECT_GT(states.bottom.sprites.size(), 0) << int(type) << " " << pixels;
        }
    }
}

TEST(MenuBarContentViewTest, ATextWithoutAColonIsFittedWhole)
{
    MenuBarContent content = amberClock();
    content.timeFormat = TimeFormat::Minimal; // "12"
    const QImage image = cell(content, 44);
    EXPECT_GT(litPixels(image, 20, 24), 0) << "one row through the middle";
}

TEST(MenuBarContentViewTest, TheBackgroundFillsTheCellBehindTheDigits)
{
    const QImage image = cell(amberClock(), 44);
    EXPECT_EQ(image.pixelColor(22, 1), DisplayColor::amber().backgroundColor());
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "rounded corners";
    MenuBarContent clear = amberClock();
    clear.color = DisplayColor::transparent();
    EXPECT_EQ(cell(clear, 44).pixelColor(22, 1).alpha(), 0);
}

TEST(MenuBarContentViewTest, PausedIsHalfFadedAndGreyed)
{
    MenuBarContent paused = amberClock();
    paused.mode = TimerMode::Paused;
    const QImage running = cell(amberClock(), 44);
    const QImage faded = cell(paused, 44);
    int strongest = 0;
    int widestSpread = 0;
    for (int y = 0; y < 44; ++y) {
        for (int x = 0; x < 44; ++x) {
            const QColor pixel = faded.pixelColor(x, y);
            strongest = std::max(strongest, pixel.alpha());
            if (isLit(running.pixelColor(x, y)))
                widestSpread = std::max(widestSpread, pixel.red() - pixel.blue());
        }
    }
    EXPECT_NEAR(strongest, 128, 2);
    EXPECT_LT(widestSpread, 255 * 0.3 + 10) << "amber keeps 30 % of its saturation";
}

TEST(MenuBarContentViewTest, UpdateDotAndPhaseBars)
{
    MenuBarContent content = amberClock();
    content.updateAvailable = true;
    content.primaryColor = Qt::white;
    content.phaseIndicators = MenuBarContent::indicators({Qt::green, Qt::blue, Qt::green, Qt::blue}, 1);
    const QImage image = cell(content, 44);
    EXPECT_EQ(image.pixelColor(44 - 5, 4), QColor(Qt::white));

    // The bars run along the bottom; the active one is drawn fully.
    const int barRow = 44 - 2 - 2;
    const QColor active = image.pixelColor(44 * 3 / 8, barRow);
    const QColor future = image.pixelColor(44 * 5 / 8, barRow);
    EXPECT_EQ(active, QColor(Qt::blue));
    EXPECT_LT(future.green(), 0.25 * 255) << "a phase to come is faint";
}

TEST(MenuBarContentViewTest, TheCheckmarkFillsTheCell)
{
    MenuBarContent content = amberClock();
    content.mode = TimerMode::Completed;
    content.completionBehavior = CompletionBehavior::ShowCheckmark;
    const QImage image = cell(content, 44);
    int top = 44, bottom = -1;
    for (int y = 0; y < 44; ++y) {
        if (litPixels(image, y, y + 1) > 0) {
            top = std::min(top, y);
            bottom = y;
        }
    }
    EXPECT_GT(bottom - top, 44 / 2);
}

TEST(MenuBarContentViewTest, TheCompletionAnimationIsItsOwnHeightAtEveryScale)
{
    for (const DisplayScale scale : {DisplayScale::Compact, DisplayScale::Regular, DisplayScale::Floating}) {
        MenuBarContent content = amberClock();
        content.scale = scale;
        content.mode = TimerMode::Completed;
        content.completionBehavior = CompletionBehavior::PlayAnimation;
        content.animationFrame = QImage(30, 20, QImage::Format_ARGB32_Premultiplied);
        content.animationFrame.fill(Qt::white);
        DisplayLookState state;
        const QImage image = MenuBarContentView::renderNatural(content, state, now, 1);
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            rows += litPixels(image, y, y + 1) > 0 ? 1 : 0;
        EXPECT_NEAR(rows, trayAnimationHeight, 1) << "scale " << int(scale) << ", frame " << image.height();
    }
}

TEST(MenuBarContentViewTest, TheSamePictureTwiceIsPixelEqual)
{
    MenuBarLookStates states;
    const auto first = MenuBarContentView::render(amberClock(), platform::StatusItem::Shape::SquareCell, states, now);
    const auto second = MenuBarContentView::render(amberClock(), platform::StatusItem::Shape::SquareCell, states, now);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.size(), qsizetype(MenuBarContentView::cellSizes.size()));
}

// The rows' measurements are kept from one drawing to the next: a day of
// changes drawn with kept state must look as each change drawn afresh.
TEST(MenuBarContentViewTest, KeptMeasurementsDrawWhatAFreshDrawingDoes)
{
    const auto with = [](auto change) {
        MenuBarContent content = amberClock();
        change(content);
        return content;
    };
    const MenuBarContent day[] = {
        amberClock(),
        with([](MenuBarContent& c) { c.remaining = 753; }),
        with([](MenuBarContent& c) { c.remaining = 59; }),
        with([](MenuBarContent& c) { c.remaining = 3600 * 2; }),
        with([](MenuBarContent& c) { c.showLeadingZero = true; }),
        with([](MenuBarContent& c) { c.style.dotWeight = DotWeight::Bold; }),
        with([](MenuBarContent& c) { c.style.dotShape = DotShape::Square; }),
        with([](MenuBarContent& c) { c.color = DisplayColor::classicWhite(); }),
        with([](MenuBarContent& c) { c.phaseTint = QColor(52, 199, 89); }),
        with([](MenuBarContent& c) { c.timeFormat = TimeFormat::Minimal; }),
        with([](MenuBarContent& c) { c.displayType = DisplayType::SmallAndBig; }),
        with([](MenuBarContent& c) { c.displayType = DisplayType::FlipClock; }),
        with([](MenuBarContent& c) { c.mode = TimerMode::Paused; }),
        amberClock(),
    };
    MenuBarLookStates kept;
    for (std::size_t i = 0; i < std::size(day); ++i) {
        MenuBarLookStates fresh;
        const auto drawnKept = MenuBarContentView::render(day[i], platform::StatusItem::Shape::SquareCell, kept, now);
        const auto drawnFresh = MenuBarContentView::render(day[i], platform::StatusItem::Shape::SquareCell, fresh, now);
        EXPECT_EQ(drawnKept, drawnFresh) << "change " << i;
    }
}

TEST(MenuBarContentViewTest, TheStripIsTheNaturalWidthDisplay)
{
    DisplayLookState state;
    const MenuBarContent content = amberClock();
    const QImage image = MenuBarContentView::renderNatural(content, state, now, 2);
    const QSizeF natural = MenuBarContentView::naturalSize(content);
    // Whole pixels at two per point.
    EXPECT_NEAR(image.deviceIndependentSize().width(), natural.width(), 0.5);
    EXPECT_EQ(image.deviceIndependentSize().height(), natural.height());
    EXPECT_EQ(natural.height(),
              MenuBarContentView::frameHeight(DisplayScale::Regular) + 2 * MenuBarContentView::verticalPadding);
    EXPECT_GT(natural.width(), 2 * natural.height());
}

} // namespace

namespace {

TEST(MenuBarContentViewTest, OnlyAMovingLookAsksToBeDrawnAgain)
{
    const struct {
        const char* name;
        CompletionBehavior behavior;
        ColonMode colon;
        bool moves;
    } cases[] = {
        {"blinking zero", CompletionBehavior::BlinkDots, ColonMode::Always, true},
        {"frozen zero", CompletionBehavior::FreezeAtZero, ColonMode::Always, false},
        {"frozen zero, pulsing colon", CompletionBehavior::FreezeAtZero, ColonMode::Pulsing, true},
        {"check mark", CompletionBehavior::ShowCheckmark, ColonMode::Pulsing, false},
    };
    for (const auto& c : cases) {
        MenuBarContent content = amberClock();
        content.mode = TimerMode::Completed;
        content.completionBehavior = c.behavior;
        content.style.colonMode = c.colon;
        MenuBarLookStates states;
        const auto shape = platform::StatusItem::Shape::Strip;
        MenuBarContentView::render(content, shape, states, now);
        EXPECT_EQ(MenuBarContentView::nextLookChange(content, shape, states, now).has_value(), c.moves) << c.name;
    }
}

} // namespace

namespace {

// A tick needs drawing only when what the picture shows changes; the picture
// drawn is the judge.
TEST(MenuBarContentViewTest, ThePictureIsTheSameExactlyWhenWhatItShowsIs)
{
    const auto changed = [](const std::function<void(MenuBarContent&)>& change) {
        MenuBarContent content = amberClock();
        change(content);
        return content;
    };
    const struct {
        const char* name;
        MenuBarContent after;
        bool same;
    } cases[] = {
        {"a second with seconds shown", changed([](MenuBarContent& c) { c.remaining = 752.5; }), false},
        {"a fraction of the same second", changed([](MenuBarContent& c) { c.remaining = 753.2; }), true},
        {"a second without seconds shown", changed([](MenuBarContent& c) {
             c.timeFormat = TimeFormat::Minimal;
             c.remaining = 750;
         }),
         true},
        {"the mode", changed([](MenuBarContent& c) { c.mode = TimerMode::Paused; }), false},
        {"the colour", changed([](MenuBarContent& c) { c.color = DisplayColor::classicWhite(); }), false},
        {"the icon form's second", changed([](MenuBarContent& c) {
             c.displayMode = MenuBarDisplayMode::Compact;
             c.remaining = 700;
         }),
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MenuBarContent before = amberClock();
        before.remaining = 753.5;
        if (c.after.timeFormat == TimeFormat::Minimal)
            before.timeFormat = TimeFormat::Minimal;
        if (c.after.displayMode == MenuBarDisplayMode::Compact)
            before.displayMode = MenuBarDisplayMode::Compact;
        EXPECT_EQ(MenuBarContentView::samePicture(before, c.after, now), c.same);
        if (c.same) {
            MenuBarLookStates a;
            MenuBarLookStates b;
            const auto shape = platform::StatusItem::Shape::SquareCell;
            EXPECT_EQ(MenuBarContentView::render(before, shape, a, now),
                      MenuBarContentView::render(c.after, shape, b, now));
        }
    }
}

// A flip in a tray cell is drawn at its start and at its end: what a flap a
// few pixels tall can show, not one picture per display frame.
TEST(MenuBarContentViewTest, AFlipInACellIsDrawnAtItsStartAndItsEnd)
{
    MenuBarContent content = amberClock(DisplayType::FlipClock);
    const double flip = duration(content.style.flipSpeed);
    const auto shape = platform::StatusItem::Shape::SquareCell;
    MenuBarLookStates states;
    MenuBarContentView::render(content, shape, states, now);
    EXPECT_FALSE(MenuBarContentView::nextLookChange(content, shape, states, now));

    content.remaining = 753;
    platform::Date at = now + 1;
    std::vector<double> frames;
    std::vector<QList<QImage>> pictures{MenuBarContentView::render(content, shape, states, at)};
    while (const auto next = MenuBarContentView::nextLookChange(content, shape, states, at)) {
        ASSERT_LT(frames.size(), 10u) << "the flip never ends";
        at = *next;
        frames.push_back(at.secondsSince(now + 1));
        pictures.push_back(MenuBarContentView::render(content, shape, states, at));
    }
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_NEAR(frames[0], flip, 1e-9);
    EXPECT_NE(pictures[0], pictures[1]);
}

} // namespace
