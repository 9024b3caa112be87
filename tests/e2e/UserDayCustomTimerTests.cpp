// SPDX-License-Identifier: GPL-3.0-or-later
// A later day: a custom timer of two one-minute phases made in the editor,
// started from the popover and stopped from its stop bar, all with the
// pointer and the keyboard.
#include "CustomTimerSpots.h"
#include "UserDayFixture.h"

#include "Kelvane/popover/PopoverFrame.h"

#include "TimerCoreKit/color/CustomTimerPalette.h"
#include "TimerCoreKit/json/UuidText.h"

namespace userday {

namespace {

const QString timerName = QStringLiteral("Stretch");

// Whether the two pictures differ inside `area`.
bool differsIn(const QImage& before, const QImage& after, const QRect& area)
{
    return !before.isNull() && !after.isNull() && before.copy(area) != after.copy(area);
}

// Whether every pixel of `image` has the one colour.
bool isPlain(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
        }
    }
    return true;
}

} // namespace

class UserDayCustomTimer : public UserDay {
protected:
    // The stored custom timers, decoded as the program decodes them.
    QList<CustomTimer> storedTimers() const
    {
        const auto store = platform::UserDefaults::openFile(m_desktop->storePath());
        if (!store || !store->isShared())
            return {};
        return CustomTimerStore(*store).timers();
    }

    QByteArray storedTimerData() const
    {
        const auto store = platform::UserDefaults::openFile(m_desktop->storePath());
        return store ? store->data(SharedDefaultsKeys::customTimers).value_or(QByteArray()) : QByteArray();
    }

    QImage captureWindow(const QString& window, const QString& name) const
    {
        return m_screen->capture(window, QStringLiteral(USERDAY_SCREENSHOT_DIR "/%1.png").arg(name));
    }

    // Clicks `control` of `window` (at `origin`) until `done`.
    bool clickUntil(const QString& window, QPoint origin, const QRect& control, const std::function<bool()>& done)
    {
        return m_screen->clickUntil(origin + control.center(), done, 5s, window);
    }

    // Clicks into the field, replaces its text with `text` and leaves it with
    // Tab, as a user does; typed again when the field shows no change.
    bool typeInto(const QString& window, QPoint origin, const QRect& field, const QString& text, const QString& step)
    {
        for (int attempt = 0; attempt < 2; ++attempt) {
            const QImage before = captureWindow(window, step + QStringLiteral("-before"));
            if (!m_screen->click(QRect(origin + field.center(), QSize(1, 1)), 1)
                || !xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")})
                || !xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), text})
                || !xdotool({QStringLiteral("key"), QStringLiteral("Tab")}))
                return false;
            if (waitUntil([&] { return differsIn(before, captureWindow(window, step), field); }, 3s))
                return true;
        }
        return false;
    }

    // Whether a row near the bottom of the tray picture is a bar of
    // `color` on its left half and something else on its right: the first of
    // two phases active.
    static bool showsFirstOfTwoPhases(const QImage& tray, const QColor& color)
    {
        const auto near = [&](QPoint at) {
            const QColor pixel = tray.pixelColor(at);
            return std::abs(pixel.red() - color.red()) + std::abs(pixel.green() - color.green())
                + std::abs(pixel.blue() - color.blue())
                < 60;
        };
        const int width = tray.width();
        const auto count = [&](int from, int to, int y) {
            int found = 0;
            for (int x = from; x < to; ++x)
                found += near({x, y}) ? 1 : 0;
            return found;
        };
        // The middles of the two halves, clear of the bars' rounded ends.
        const int margin = width / 8;
        for (int y = tray.height() * 3 / 4; y < tray.height(); ++y) {
            if (count(margin, width / 2 - margin, y) == width / 2 - 2 * margin
                && count(width / 2 + margin, width - margin, y) == 0)
                return true;
        }
        return false;
    }

    void makeTwoPhaseTimerInTheEditor();
    void startItFromThePopover();
    void stopItFromTheStopBar();

    QString m_popover;
    QImage m_emptyPopover;
};

void UserDayCustomTimer::makeTwoPhaseTimerInTheEditor()
{
    ASSERT_TRUE(m_screen->click(m_iconArea, 1));
    m_popover = waitForWindowOfWidth(PopoverFrame::frameWidth);
    ASSERT_FALSE(m_popover.isEmpty()) << "a left click opened no popover; " << describeWindows();
    const auto popover = m_screen->waitForStill(m_popover);
    ASSERT_TRUE(popover) << "the popover does not settle";
    shoot(QStringLiteral("editor-01-popover"));
    m_emptyPopover = captureWindow(m_popover, QStringLiteral("editor-01-popover-window"));

    const CustomTimerPopoverSpots empty = customTimerSpotsOfAPopover({}, timerName, false);
    ASSERT_FALSE(empty.addTimer.isEmpty()) << "no + for custom timers in the popover";
    const EditorSpots spots = spotsOfANewTimerEditor();
    ASSERT_EQ(spots.phaseMinutes.size(), 2) << "a new timer has not two phases";
    QString editor;
    ASSERT_TRUE(clickUntil(m_popover, popover->topLeft(), empty.addTimer,
                           [&] { return !(editor = waitForWindowOfWidth(spots.window.width(), 0s)).isEmpty(); }))
        << "the + opened no editor; " << describeWindows();
    const auto sheet = m_screen->waitForStill(editor);
    ASSERT_TRUE(sheet) << "the editor does not settle";
    EXPECT_FALSE(m_screen->state(m_popover)->viewable) << "the popover stayed open over the editor";
    // Keys go to the editor only once the window manager has given it the focus.
    ASSERT_TRUE(m_screen->waitForFocus(editor)) << "the editor did not get the keyboard focus";
    shoot(QStringLiteral("editor-02-new-timer"));

    ASSERT_TRUE(typeInto(editor, sheet->topLeft(), spots.name, timerName, QStringLiteral("editor-03-name")))
        << "the name field shows no typed name";
    for (int phase = 0; phase < 2; ++phase) {
        ASSERT_TRUE(typeInto(editor, sheet->topLeft(), spots.phaseMinutes[phase], QStringLiteral("1"),
                             QStringLiteral("editor-04-phase-%1").arg(phase + 1)))
            << "the minutes of phase " << phase + 1 << " show no typed length";
    }
    ASSERT_TRUE(
        typeInto(editor, sheet->topLeft(), spots.rounds, QStringLiteral("1"), QStringLiteral("editor-05-rounds")))
        << "the rounds show no typed count";
    shoot(QStringLiteral("editor-06-filled-in"));

    ASSERT_TRUE(clickUntil(editor, sheet->topLeft(), spots.save, [&] { return !storedTimers().isEmpty(); }))
        << "Save stored no timer";
    const QList<CustomTimer> stored = storedTimers();
    ASSERT_EQ(stored.size(), 1);
    const CustomTimer& timer = stored.first();
    EXPECT_EQ(timer.name, timerName);
    EXPECT_EQ(timer.rounds, 1);
    ASSERT_EQ(timer.phases.size(), 2);
    // The phases keep the names they came with: no key went astray.
    const QStringList names{QStringLiteral("Work"), QStringLiteral("Break")};
    for (qsizetype phase = 0; phase < timer.phases.size(); ++phase) {
        EXPECT_EQ(timer.phases[phase].name, names.value(phase));
        EXPECT_EQ(timer.phases[phase].duration, 60) << "phase " << phase + 1;
    }
    EXPECT_TRUE(waitUntilGone(editor)) << "the editor stayed after Save";
}

void UserDayCustomTimer::startItFromThePopover()
{
    // The popover comes back where it was once the editor closes.
    ASSERT_TRUE(waitUntil([&] { return m_screen->state(m_popover) && m_screen->state(m_popover)->viewable; }, 5s))
        << "the popover did not come back after Save; " << describeWindows();
    const auto popover = m_screen->waitForStill(m_popover);
    ASSERT_TRUE(popover) << "the popover does not settle";
    const QImage listed = captureWindow(m_popover, QStringLiteral("editor-07-listed-popover"));
    shoot(QStringLiteral("editor-07-listed"));
    const QImage idleTray
        = m_screen->capture(m_icon, QStringLiteral(USERDAY_SCREENSHOT_DIR "/editor-07-idle-tray.png"));

    const CustomTimerPopoverSpots spots = customTimerSpotsOfAPopover(storedTimerData(), timerName, false);
    ASSERT_FALSE(spots.row.isEmpty()) << "no row of the saved timer in a popover laid out here";
    // Its row shows, drawn, where the empty list had none.
    EXPECT_TRUE(differsIn(m_emptyPopover, listed, spots.row) && !isPlain(listed.copy(spots.row)))
        << "the popover shows no row for the saved timer";

    const CustomTimer timer = storedTimers().value(0);
    ASSERT_TRUE(clickUntil(m_popover, popover->topLeft(), spots.row, [&] {
        const auto snapshot = m_timer->snapshot();
        return snapshot && snapshot->mode == TimerMode::Running && storedBool(SharedDefaultsKeys::customTimerActive);
    })) << "the click on the timer's row did not start it";
    const auto snapshot = m_timer->snapshot();
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(snapshot->duration, timer.phases.value(0).duration) << "not the first phase's length";
    const auto store = platform::UserDefaults::openFile(m_desktop->storePath());
    ASSERT_TRUE(store);
    EXPECT_EQ(store->string(SharedDefaultsKeys::customTimerActiveID), uuidText(timer.id));
    EXPECT_EQ(store->integer(SharedDefaultsKeys::customTimerPhaseIndex), 0);

    const QColor first = CustomTimerPalette::color(timer.phases.value(0).colorIndex);
    EXPECT_FALSE(showsFirstOfTwoPhases(idleTray, first)) << "a phase strip in the tray while idle";
    EXPECT_TRUE(waitUntil([&] { return showsFirstOfTwoPhases(shoot(QStringLiteral("editor-08-running")), first); }, 3s))
        << "the tray shows no strip with the first of two phases active";
}

void UserDayCustomTimer::stopItFromTheStopBar()
{
    const auto popover = m_screen->waitForStill(m_popover);
    ASSERT_TRUE(popover) << "the popover does not settle";
    shoot(QStringLiteral("editor-09-running-popover"));
    const CustomTimerPopoverSpots spots = customTimerSpotsOfAPopover(storedTimerData(), timerName, true);
    ASSERT_FALSE(spots.stop.isEmpty()) << "no stop bar in a popover laid out here with the timer running";
    ASSERT_TRUE(clickUntil(m_popover, popover->topLeft(), spots.stop, [&] {
        return !storedBool(SharedDefaultsKeys::customTimerActive);
    })) << "the click on the stop bar did not stop the custom timer";
    EXPECT_TRUE(waitForMode(TimerMode::Idle, 3s)) << "the timer is not idle after the stop bar";
    runEventLoop(300ms);
    shoot(QStringLiteral("editor-10-stopped"));
}

TEST_F(UserDayCustomTimer, ACustomTimerMadeInTheEditorRunsFromThePopover)
{
    ASSERT_NO_FATAL_FAILURE(startOnALaterDay());
    ASSERT_NO_FATAL_FAILURE(makeTwoPhaseTimerInTheEditor());
    ASSERT_NO_FATAL_FAILURE(startItFromThePopover());
    ASSERT_NO_FATAL_FAILURE(stopItFromTheStopBar());
}

} // namespace userday
