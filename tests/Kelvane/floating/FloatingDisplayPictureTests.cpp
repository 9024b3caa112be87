// SPDX-License-Identifier: GPL-3.0-or-later
// The floating card, probed at pixels its layout decides: the card in the
// scheme's background with rounded corners, the phase strip, the close button
// only with the pointer on the card, and the paused look; and its spoken name.
#include "Kelvane/floating/FloatingDisplayPicture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace FloatingDisplayPicture;

const platform::Date now = platform::Date::fromSecondsSinceReferenceDate(0);

MenuBarContent card(DisplayType type = DisplayType::DotMatrix)
{
    MenuBarContent content;
    content.displayType = type;
    content.mode = TimerMode::Running;
    content.duration = 1500;
    content.remaining = 754;
    content.color = DisplayColor::blueGlow();
    // A background that no digit or glow colour is near.
    content.color.bgR = 0.2;
    content.color.bgG = 0.6;
    content.color.bgB = 0.2;
    content.color.bgA = 1;
    return floating(content);
}

QImage picture(const MenuBarContent& content, bool hovered = false)
{
    DisplayLookState state;
    return render(content, hovered, state, now, 1);
}

bool near(QColor a, QColor b, int tolerance = 3)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance && std::abs(a.alpha() - b.alpha()) <= tolerance;
}

// Pixels of `area` that differ between two pictures.
int differences(const QImage& a, const QImage& b, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += near(a.pixelColor(x, y), b.pixelColor(x, y)) ? 0 : 1;
    return count;
}

// Pixels of `area` that differ from the card's background.
int marks(const QImage& image, const QRect& area, QColor background)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += near(image.pixelColor(x, y), background, 24) ? 0 : 1;
    return count;
}

const DisplayType allLooks[]
    = {DisplayType::DotMatrix, DisplayType::SevenSegment, DisplayType::FlipClock, DisplayType::SmallAndBig};

TEST(FloatingDisplayPictureTest, TheCardIsTheSchemesBackgroundWithRoundedCornersInEveryLook)
{
    for (const DisplayType type : allLooks) {
        const MenuBarContent content = card(type);
        const QImage image = picture(content);
        const QColor background = content.color.backgroundColor();
        const QSizeF size = cardSize(content);
        ASSERT_EQ(image.size(), QSize(int(std::ceil(size.width())), int(std::ceil(size.height())))) << int(type);
        // The padding left of the digits, half-way down.
        EXPECT_TRUE(near(image.pixelColor(int(padding / 2), image.height() / 2), background)) << int(type);
        // A corner is cut away.
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << int(type);
        EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1).alpha(), 0) << int(type);
        // The digits are drawn.
        EXPECT_GT(marks(image,
                        QRect(int(padding), int(padding), image.width() - 2 * int(padding),
                              image.height() - 2 * int(padding)),
                        background),
                  100)
            << int(type);
    }
}

TEST(FloatingDisplayPictureTest, ThePhaseStripRunsUnderTheDigitsInThePhasesColors)
{
    MenuBarContent content = card();
    const qreal plainHeight = cardSize(content).height();
    content.phaseIndicators
        = MenuBarContent::indicators({MenuBarContent::workColor(), MenuBarContent::breakColor()}, 1);
    const QImage image = picture(content);
    EXPECT_EQ(cardSize(content).height(), plainHeight + stripInset + stripHeight);

    const int stripY = image.height() - int(padding) - int(stripHeight / 2);
    // The second bar is the active break: yellow at full strength.
    const QColor active = image.pixelColor(image.width() * 3 / 4, stripY);
    EXPECT_TRUE(near(active, MenuBarContent::breakColor(), 8)) << active.name().toStdString();
    // The first bar is done: faded into the card.
    const QColor done = image.pixelColor(image.width() / 4, stripY);
    EXPECT_FALSE(near(done, MenuBarContent::workColor(), 8));
    EXPECT_FALSE(near(done, content.color.backgroundColor(), 8));
    // Nothing under the strip but the card's padding.
    EXPECT_EQ(marks(image, QRect(int(padding), stripY + 4, image.width() - 2 * int(padding), 8),
                    content.color.backgroundColor()),
              0);
}

TEST(FloatingDisplayPictureTest, TheStripsBarsStandOnePointApart)
{
    MenuBarContent content = card();
    content.phaseIndicators
        = MenuBarContent::indicators({MenuBarContent::workColor(), MenuBarContent::breakColor()}, 1);
    // Four pixels a point, so the gap is measured in whole pixels.
    constexpr int ratio = 4;
    DisplayLookState state;
    const QImage image = render(content, false, state, now, ratio);
    const QSizeF size = cardSize(content);
    const int stripY = int((size.height() - padding - stripHeight / 2) * ratio);
    const int left = int((padding + stripInset) * ratio) + 2;
    const int right = int((size.width() - padding - stripInset) * ratio) - 2;
    int gap = 0;
    for (int x = left; x < right; ++x)
        gap += near(image.pixelColor(x, stripY), content.color.backgroundColor(), 8) ? 1 : 0;
    EXPECT_NEAR(gap, ratio, 1) << "the bars stand " << double(gap) / ratio << " points apart";
}

TEST(FloatingDisplayPictureTest, TheCloseButtonShowsOnlyWithThePointerOnTheCard)
{
    const MenuBarContent content = card();
    const QRect button = closeButtonArea(cardSize(content)).toAlignedRect();
    const QColor background = content.color.backgroundColor();
    const QImage plain = picture(content, false);
    const QImage hovered = picture(content, true);
    const QRect everything(QPoint(0, 0), plain.size());
    // Only the button's corner changes.
    EXPECT_GT(differences(plain, hovered, button), 40);
    EXPECT_EQ(differences(plain, hovered, everything), differences(plain, hovered, button));
    // The cross is cut out of the disc: its middle is the card again.
    EXPECT_TRUE(near(hovered.pixelColor(button.center()), background, 8));
    // Off to the side of the cross, the disc: the dot colour at half strength over the card.
    const QColor disc = hovered.pixelColor(button.center() + QPoint(0, 5));
    EXPECT_FALSE(near(disc, background, 24));
}

TEST(FloatingDisplayPictureTest, PausedTheWholeCardIsHalfOpaqueAndGreyed)
{
    MenuBarContent running = card();
    running.phaseIndicators = MenuBarContent::indicators({MenuBarContent::workColor()}, 0);
    MenuBarContent paused = running;
    paused.mode = TimerMode::Paused;
    const QImage full = picture(running);
    const QImage faded = picture(paused, true);
    const QPoint side(int(padding / 2), full.height() / 2);
    EXPECT_EQ(full.pixelColor(side).alpha(), 255);
    EXPECT_NEAR(faded.pixelColor(side).alpha(), 128, 2);
    // Greyed: the green card's channels move together.
    const QColor grey = faded.pixelColor(side);
    EXPECT_LT(grey.green() - grey.red(), (full.pixelColor(side).green() - full.pixelColor(side).red()) / 2);
    // The strip fades with it.
    const int stripY = full.height() - int(padding) - int(stripHeight / 2);
    EXPECT_NEAR(faded.pixelColor(full.width() / 2, stripY).alpha(), 128, 2);
}

TEST(FloatingDisplayPictureTest, AKeptBackdropDrawsTheSamePixelsAsAFreshCard)
{
    // One backdrop through frames whose time, mode, pointer, colours and
    // resolution change, as the view's does: each frame matches the card
    // drawn on a fresh image.
    struct Frame {
        DisplayType type;
        TimerMode mode;
        bool hovered;
        qreal ratio;
        bool otherBackground;
    };
    const Frame frames[] = {
        {DisplayType::SevenSegment, TimerMode::Running, false, 1, false},
        {DisplayType::SevenSegment, TimerMode::Paused, false, 1, false},
        {DisplayType::SevenSegment, TimerMode::Paused, true, 1, false},
        {DisplayType::SevenSegment, TimerMode::Paused, true, 1, true},
        {DisplayType::SevenSegment, TimerMode::Paused, true, 2, true},
        {DisplayType::DotMatrix, TimerMode::Paused, false, 2, true},
        {DisplayType::FlipClock, TimerMode::Running, true, 1.5, false},
        {DisplayType::SmallAndBig, TimerMode::Paused, false, 1, false},
    };
    CardBackdrop backdrop;
    // Two states that live through the same frames, so only the backdrop differs.
    DisplayLookState withBackdrop;
    DisplayLookState without;
    int second = 0;
    for (const Frame& frame : frames) {
        SCOPED_TRACE(second);
        MenuBarContent content = card(frame.type);
        content.mode = frame.mode;
        content.remaining -= second;
        content.phaseIndicators = MenuBarContent::indicators({MenuBarContent::workColor()}, 0);
        if (frame.otherBackground)
            content.color.bgB = 0.8;
        const platform::Date at = now + second++;
        const QImage expected = render(content, frame.hovered, without, at, frame.ratio);
        const QImage drawn = render(content, frame.hovered, withBackdrop, at, frame.ratio, &backdrop);
        EXPECT_EQ(drawn.devicePixelRatio(), expected.devicePixelRatio());
        EXPECT_TRUE(drawn == expected);
    }
}

TEST(FloatingDisplayPictureTest, TheSpokenNameTellsModeTimeAndDirection)
{
    const struct {
        TimerMode mode;
        TimerDirection direction;
        double seconds;
        const char* expected;
    } cases[] = {
        {TimerMode::Idle, TimerDirection::Countdown, 1500, "Floating timer ready: 25 minutes 0 seconds"},
        {TimerMode::Running, TimerDirection::Countdown, 125.9, "Floating timer running: 2 minutes 5 seconds remaining"},
        {TimerMode::Paused, TimerDirection::Countdown, 1, "Floating timer paused: 1 seconds remaining"},
        {TimerMode::Running, TimerDirection::CountUp, 59.5, "Floating timer running: 59 seconds elapsed"},
        {TimerMode::Completed, TimerDirection::Countdown, 0, "Floating timer completed"},
    };
    for (const auto& c : cases) {
        MenuBarContent content;
        content.mode = c.mode;
        content.direction = c.direction;
        content.duration = c.mode == TimerMode::Idle ? c.seconds : 1500;
        content.remaining = c.seconds;
        content.elapsed = c.seconds;
        EXPECT_EQ(accessibilityLabel(content).toStdString(), c.expected);
    }
}

} // namespace
