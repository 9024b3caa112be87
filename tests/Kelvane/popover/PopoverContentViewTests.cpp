// SPDX-License-Identifier: GPL-3.0-or-later
// The popover's controls driven with the pointer and the keyboard: what they
// call on the engine and the sessions, what they show, and the colours the
// layout fixes.
#include "PopoverTestRig.h"

#include "Kelvane/popover/CapsuleButton.h"
#include "Kelvane/popover/CustomTimerRow.h"
#include "Kelvane/popover/PhaseStripView.h"
#include "Kelvane/popover/PopoverRow.h"
#include "Kelvane/popover/PopoverRules.h"

#include "shared-ui/controls/SoftSegmentedControl.h"
#include "shared-ui/controls/WholeNumberField.h"

#include "../../support/SampleTimers.h"

#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// Pixels of `image` close to `color`.
int pixelsNear(const QImage& image, const QColor& color, int tolerance = 30)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - color.red()) <= tolerance && std::abs(p.green() - color.green()) <= tolerance
                && std::abs(p.blue() - color.blue()) <= tolerance)
                ++count;
        }
    }
    return count;
}

QImage grabOf(QWidget* widget)
{
    return widget->grab().toImage();
}

TEST(PopoverContentViewTest, APresetAndStartRunTheTimer)
{
    PopoverRig p;
    p.open();
    p.click(p.named(QStringLiteral("popover.preset.10min")));
    EXPECT_EQ(p.engine().state().selectedPresetID(), QStringLiteral("preset.quick-10"));
    EXPECT_EQ(p.engine().state().duration(), 600);
    auto* ten = p.named<PopoverRow>(QStringLiteral("popover.preset.10min"));
    EXPECT_TRUE(ten->isChecked());
    EXPECT_TRUE(ten->isAccessiblySelected());
    EXPECT_EQ(ten->accessibleName(), "10 minute preset");
    EXPECT_EQ(ten->accessibleDescription(), "Double tap to select this preset");
    EXPECT_FALSE(p.named<PopoverRow>(QStringLiteral("popover.preset.5min"))->isChecked());

    p.click(QStringLiteral("Start"));
    EXPECT_EQ(p.engine().state().mode(), TimerMode::Running);
    EXPECT_EQ(p.engine().state().remaining(), 600);
}

TEST(PopoverContentViewTest, PrimaryButtonAndResetWalkTheModes)
{
    PopoverRig p;
    p.open();
    EXPECT_FALSE(p.shows(QStringLiteral("Reset")));
    p.click(QStringLiteral("Start"));
    EXPECT_EQ(p.engine().state().mode(), TimerMode::Running);
    EXPECT_TRUE(p.shows(QStringLiteral("Reset")));
    p.click(QStringLiteral("Pause"));
    EXPECT_EQ(p.engine().state().mode(), TimerMode::Paused);
    p.click(QStringLiteral("Resume"));
    EXPECT_EQ(p.engine().state().mode(), TimerMode::Running);
    p.click(QStringLiteral("Reset"));
    EXPECT_EQ(p.engine().state().mode(), TimerMode::Idle);
    EXPECT_FALSE(p.shows(QStringLiteral("Reset")));

    p.click(QStringLiteral("Start"));
    p.rig.tickAfter(p.engine().state().remaining());
    p.settle();
    ASSERT_EQ(p.engine().state().mode(), TimerMode::Completed);
    EXPECT_FALSE(p.shows(QStringLiteral("Reset")));
    p.click(QStringLiteral("Start Again"));
    EXPECT_EQ(p.engine().state().mode(), TimerMode::Running);
    EXPECT_EQ(p.engine().state().remaining(), p.engine().state().duration());
}

TEST(PopoverContentViewTest, HeaderReportsTheTimerAndTheSessions)
{
    PopoverRig p;
    p.open();
    auto* state = p.named<QLabel>(QStringLiteral("popover.stateLabel"));
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(state->text(), "Ready");
    p.click(QStringLiteral("Start"));
    EXPECT_EQ(state->text(), "Running");
    p.click(QStringLiteral("Reset"));
    p.click(QStringLiteral("Start Pomodoro"));
    EXPECT_EQ(state->text(), "Work");
    bool roundShown = false;
    for (QLabel* label : p.view->findChildren<QLabel*>())
        roundShown |= label->text() == "Round 1 of 4";
    EXPECT_TRUE(roundShown);
}

TEST(PopoverContentViewTest, PomodoroPanelTakesThePlaceOfThePrimaryControls)
{
    PopoverRig p;
    p.open();
    ASSERT_TRUE(p.shows(QStringLiteral("Start Pomodoro")));
    p.click(QStringLiteral("Start Pomodoro"));
    ASSERT_TRUE(p.pomodoro().isActive());
    EXPECT_FALSE(p.shows(QStringLiteral("Start Pomodoro")));
    EXPECT_TRUE(p.shows(QStringLiteral("Stop Pomodoro")));
    EXPECT_TRUE(p.shows(QStringLiteral("Skip Phase")));
    EXPECT_FALSE(p.shows(QStringLiteral("Start")) && p.shows(QStringLiteral("Reset")));

    // Presets are closed to the plain timer meanwhile.
    auto* five = p.named<PopoverRow>(QStringLiteral("popover.preset.5min"));
    EXPECT_FALSE(five->isEnabled());
    EXPECT_TRUE(five->isTitleSecondary());
    EXPECT_EQ(five->accessibleDescription(), "Unavailable while timer is running");

    // The session runs its first phase: the button pauses it.
    ASSERT_EQ(p.engine().state().mode(), TimerMode::Running);
    QAbstractButton* primary = p.button(QStringLiteral("Pause"));
    ASSERT_NE(primary, nullptr);
    EXPECT_EQ(primary->accessibleDescription(), "Double-tap to pause the Pomodoro timer");
    p.click(primary);
    EXPECT_EQ(p.engine().state().mode(), TimerMode::Paused);
    EXPECT_EQ(primary->text(), "Resume");
    EXPECT_EQ(primary->accessibleDescription(), "Double-tap to resume the Pomodoro timer");
    p.click(primary);
    EXPECT_EQ(p.engine().state().mode(), TimerMode::Running);

    p.click(QStringLiteral("Skip Phase"));
    EXPECT_EQ(p.pomodoro().currentPhaseIndex(), 1);
    auto* strip = p.view->findChildren<PhaseStripView*>().first();
    EXPECT_EQ(strip->accessibleName(), "Phase 2 of 8, Short Break");

    p.click(QStringLiteral("Stop Pomodoro"));
    EXPECT_FALSE(p.pomodoro().isActive());
    EXPECT_TRUE(p.shows(QStringLiteral("Start Pomodoro")));
    EXPECT_TRUE(p.shows(QStringLiteral("Start")));
}

TEST(PopoverContentViewTest, PomodoroColorsFollowThePhase)
{
    PopoverRig p;
    p.open();
    p.click(QStringLiteral("Start Pomodoro"));
    auto* strip = p.view->findChildren<PhaseStripView*>().first();
    auto* button = qobject_cast<CapsuleButton*>(p.button(QStringLiteral("Pause")));
    ASSERT_NE(button, nullptr);

    const QColor green = PopoverRules::pomodoroPhaseColor(PomodoroPhase::Work);
    const QImage work = grabOf(button);
    EXPECT_GT(pixelsNear(work, green, 12), work.width() * 10) << "a green capsule";
    EXPECT_GT(pixelsNear(work, Qt::white, 40), 10) << "white text";
    // The current segment in full green; a segment to come faint.
    const QImage segments = grabOf(strip);
    EXPECT_EQ(segments.pixelColor(2, 1).rgb(), green.rgb());
    EXPECT_NE(segments.pixelColor(segments.width() - 3, 1).rgb(), green.rgb());

    p.click(QStringLiteral("Skip Phase"));
    const QColor yellow = PopoverRules::pomodoroPhaseColor(PomodoroPhase::ShortBreak);
    const QImage onBreak = grabOf(button);
    EXPECT_GT(pixelsNear(onBreak, yellow, 12), onBreak.width() * 10) << "a yellow capsule";
    EXPECT_GT(pixelsNear(onBreak, Qt::black, 60), 10) << "black text";
}

TEST(PopoverContentViewTest, CustomTimerRowsStartOnceAndStopFromTheBar)
{
    PopoverRig p;
    const CustomTimer timer = sampleTimer(QStringLiteral("Laps"), {120, 60}, 2);
    p.store().add(timer);
    p.open();
    EXPECT_FALSE(p.shows(QStringLiteral("Stop Custom Timer")));
    auto* row = p.view->findChildren<CustomTimerRow*>().first();
    ASSERT_NE(row, nullptr);
    p.click(row);
    ASSERT_TRUE(p.custom().isActive());
    EXPECT_TRUE(row->isActive());
    EXPECT_TRUE(row->isAccessiblySelected());
    EXPECT_EQ(p.engine().state().remaining(), 120);
    EXPECT_TRUE(p.shows(QStringLiteral("Stop Custom Timer")));

    // A second click on the running timer leaves its run alone.
    p.rig.tickAfter(20);
    p.click(row);
    EXPECT_EQ(p.engine().state().mode(), TimerMode::Running);
    EXPECT_EQ(p.engine().state().remaining(), 100);

    // The stop bar's text is red.
    auto* stop = p.button(QStringLiteral("Stop Custom Timer"));
    EXPECT_GT(pixelsNear(grabOf(stop), QColor(255, 59, 48), 40), 10);
    p.click(stop);
    EXPECT_FALSE(p.custom().isActive());
    EXPECT_FALSE(p.shows(QStringLiteral("Stop Custom Timer")));
}

TEST(PopoverContentViewTest, CustomTimerStripShowsItsPhasesAndAPomodoroEndsIt)
{
    PopoverRig p;
    const CustomTimer timer = sampleTimer(QStringLiteral("Laps"), {120, 60}, 2);
    p.store().add(timer);
    p.open();
    p.click(p.view->findChildren<CustomTimerRow*>().first());
    PhaseStripView* strip = p.view->findChildren<PhaseStripView*>().at(1);
    ASSERT_TRUE(strip->isVisibleTo(p.view.get()));
    EXPECT_EQ(strip->indicators().size(), 4u);
    EXPECT_EQ(strip->accessibleName(), "Phase 1 of 4, P1");
    const QImage pixels = grabOf(strip);
    EXPECT_EQ(pixels.pixelColor(1, 1).rgb(), timer.makePhaseSequence().first().color.rgb());

    p.click(QStringLiteral("Start Pomodoro"));
    EXPECT_TRUE(p.pomodoro().isActive());
    EXPECT_FALSE(p.custom().isActive());
    EXPECT_FALSE(strip->isVisibleTo(p.view.get()));
}

TEST(PopoverContentViewTest, HoverShowsTheOptionsOfOneRowOnly)
{
    PopoverRig p;
    p.store().add(sampleTimer(QStringLiteral("One"), {60}));
    p.store().add(sampleTimer(QStringLiteral("Two"), {60}));
    p.open();
    const auto rows = p.view->findChildren<CustomTimerRow*>();
    ASSERT_EQ(rows.size(), 2);
    for (CustomTimerRow* row : rows)
        EXPECT_FALSE(row->optionsButton()->isVisible());

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(rows[0], &enter);
    EXPECT_TRUE(rows[0]->optionsButton()->isVisible());
    EXPECT_FALSE(rows[1]->optionsButton()->isVisible());
    EXPECT_EQ(rows[0]->optionsButton()->accessibleName(), "Options for One");

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(rows[0], &leave);
    QApplication::sendEvent(rows[1], &enter);
    EXPECT_FALSE(rows[0]->optionsButton()->isVisible());
    EXPECT_TRUE(rows[1]->optionsButton()->isVisible());
}

TEST(PopoverContentViewTest, TabFromARowReachesItsOptionsButtonAndLeavingHidesIt)
{
    PopoverRig p;
    p.store().add(sampleTimer(QStringLiteral("One"), {60}));
    p.open();
    p.view->activateWindow();
    auto* row = p.view->findChildren<CustomTimerRow*>().first();
    QAbstractButton* options = row->optionsButton();
    row->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(row->hasFocus());
    EXPECT_TRUE(options->isVisible()) << "a focused row hides its options";

    QTest::keyClick(row, Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([&] { return options->hasFocus(); })) << "Tab skipped the options button";
    EXPECT_TRUE(options->isVisible());

    QTest::keyClick(options, Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !options->isVisible(); })) << "the options stayed after the focus left";
}

TEST(PopoverContentViewTest, OptionsMenuEditsDuplicatesAndDeletes)
{
    PopoverRig p;
    const CustomTimer running = sampleTimer(QStringLiteral("Running"), {60});
    const CustomTimer idle = sampleTimer(QStringLiteral("Idle"), {60});
    p.store().add(running);
    p.store().add(idle);
    std::optional<CustomTimer> edited;
    p.open();
    p.view->setOnEditTimer([&](const CustomTimer& timer) { edited = timer; });

    const auto option = [&](int rowIndex, const QString& item) {
        CustomTimerRow* row = p.view->findChildren<CustomTimerRow*>().at(rowIndex);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(row, &enter);
        row->optionsButton()->click();
        ASSERT_NE(row->optionsMenu(), nullptr);
        for (QAction* action : row->optionsMenu()->actions()) {
            if (action->text() == item)
                action->trigger();
        }
        row->optionsMenu()->hide();
        p.settle();
    };

    option(1, QStringLiteral("Edit"));
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->id, idle.id);

    option(1, QStringLiteral("Duplicate"));
    ASSERT_EQ(p.store().timers().size(), 3);
    EXPECT_EQ(p.store().timers()[2].name, "Idle Copy");
    EXPECT_EQ(p.view->findChildren<CustomTimerRow*>().size(), 3);

    p.click(p.view->findChildren<CustomTimerRow*>().at(0));
    ASSERT_TRUE(p.custom().isActive());
    option(1, QStringLiteral("Delete"));
    EXPECT_TRUE(p.custom().isActive()) << "another timer's deletion leaves the run alone";
    option(0, QStringLiteral("Delete"));
    EXPECT_FALSE(p.custom().isActive());
    EXPECT_EQ(p.engine().state().mode(), TimerMode::Idle);
    ASSERT_EQ(p.store().timers().size(), 1);
    EXPECT_EQ(p.store().timers()[0].name, "Idle Copy");
}

TEST(PopoverContentViewTest, AnEmptyStoreSaysSoAndAddOpensTheEditor)
{
    PopoverRig p;
    p.open();
    bool saysEmpty = false;
    for (QLabel* label : p.view->findChildren<QLabel*>())
        saysEmpty |= label->text() == "No custom timers yet" && label->isVisibleTo(p.view.get());
    EXPECT_TRUE(saysEmpty);
    std::optional<CustomTimer> edited;
    p.view->setOnEditTimer([&](const CustomTimer& timer) { edited = timer; });
    p.click(QStringLiteral("Add custom timer"));
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->rounds, 4);
    EXPECT_TRUE(p.store().timers().isEmpty());
}

TEST(PopoverContentViewTest, StopwatchShowsOnlyHeaderPickerControlsAndFooter)
{
    PopoverRig p;
    p.store().add(sampleTimer(QStringLiteral("Laps"), {60}));
    p.open();
    auto* picker = p.view->findChild<SoftSegmentedControl*>();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->accessibleName(), "Timer mode");
    p.clickAt(picker, QPoint(picker->width() * 3 / 4, picker->height() / 2));
    ASSERT_EQ(p.engine().state().direction(), TimerDirection::CountUp);
    EXPECT_FALSE(p.named(QStringLiteral("popover.preset.5min"))->isVisibleTo(p.view.get()));
    EXPECT_FALSE(p.view->findChildren<CustomTimerRow*>().first()->isVisibleTo(p.view.get()));
    EXPECT_FALSE(p.shows(QStringLiteral("Start Pomodoro")));
    EXPECT_TRUE(p.shows(QStringLiteral("Start")));

    // A running stopwatch locks the picker.
    p.click(QStringLiteral("Start"));
    EXPECT_FALSE(picker->isEnabled());
    p.click(QStringLiteral("Reset"));
    EXPECT_TRUE(picker->isEnabled());
    p.clickAt(picker, QPoint(picker->width() / 4, picker->height() / 2));
    EXPECT_EQ(p.engine().state().direction(), TimerDirection::Countdown);
    EXPECT_TRUE(p.named(QStringLiteral("popover.preset.5min"))->isVisibleTo(p.view.get()));
}

TEST(PopoverContentViewTest, StopwatchStillReportsARunningPomodoro)
{
    PopoverRig p;
    p.open();
    p.pomodoro().start();
    p.engine().reset();
    p.engine().switchDirection(TimerDirection::CountUp);
    p.settle();
    ASSERT_TRUE(p.pomodoro().isActive());
    ASSERT_EQ(p.engine().state().direction(), TimerDirection::CountUp);
    EXPECT_EQ(p.named<QLabel>(QStringLiteral("popover.stateLabel"))->text(), "Work");
    EXPECT_FALSE(p.shows(QStringLiteral("Stop Pomodoro")));
    EXPECT_FALSE(p.shows(QStringLiteral("Skip Phase")));
    EXPECT_TRUE(p.shows(QStringLiteral("Start")));
    EXPECT_FALSE(p.shows(QStringLiteral("Start Pomodoro")));
}

TEST(PopoverContentViewTest, CustomMinutesShowWithTheCustomPresetAndAreClamped)
{
    PopoverRig p;
    p.open();
    auto* field = p.named<WholeNumberField>(QStringLiteral("popover.customDuration.value"));
    ASSERT_NE(field, nullptr);
    EXPECT_FALSE(field->isVisibleTo(p.view.get())) << "hidden until the custom preset is chosen";
    p.click(p.named(QStringLiteral("popover.preset.custom")));
    ASSERT_TRUE(field->isVisibleTo(p.view.get()));
    EXPECT_EQ(p.view->customMinutes(), PopoverRules::customMinutes(p.engine().customDuration()));

    struct Case {
        const char* typed;
        int stored;
    };
    // Text that is no number leaves both as they were.
    for (const Case& c : {Case{"0", 1}, Case{"500", 180}, Case{"42", 42}, Case{"ab", 42}}) {
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(c.typed));
        QTest::keyClick(field, Qt::Key_Return);
        p.settle();
        EXPECT_EQ(p.view->customMinutes(), c.stored) << c.typed;
        EXPECT_EQ(p.engine().customDuration(), c.stored * 60.0) << c.typed;
        EXPECT_EQ(p.engine().state().duration(), c.stored * 60.0) << "the custom preset takes the new length";
    }
    p.click(QStringLiteral("Increase"));
    EXPECT_EQ(p.view->customMinutes(), 43);
    p.click(QStringLiteral("Decrease"));
    EXPECT_EQ(p.view->customMinutes(), 42);
    EXPECT_EQ(p.named<PopoverRow>(QStringLiteral("popover.preset.custom"))->trailingText(), "42 min");

    p.click(p.named(QStringLiteral("popover.preset.5min")));
    EXPECT_FALSE(field->isVisibleTo(p.view.get()));
}

TEST(PopoverContentViewTest, ThePopoverOpensWithTheMinutesRowHiddenEvenOnTheCustomPreset)
{
    PopoverRig p;
    p.engine().selectPreset(QStringLiteral("preset.custom"));
    p.open();
    EXPECT_FALSE(p.view->showsCustomDuration());
    EXPECT_TRUE(p.named<PopoverRow>(QStringLiteral("popover.preset.custom"))->isChecked());
}

TEST(PopoverContentViewTest, FooterRowsCallTheirClosures)
{
    struct Case {
        bool offersUpdates;
        bool updateAvailable;
        QString updateTitle; // empty: no update row
    };
    const Case cases[] = {
        {true, false, QStringLiteral("Check for Updates\u2026")},
        {true, true, QStringLiteral("Install Update\u2026")},
        {false, false, QString()},
    };
    for (const Case& c : cases) {
        PopoverRig p;
        p.open(c.offersUpdates, c.updateAvailable);
        p.click(QStringLiteral("Settings..."));
        p.click(QStringLiteral("Floating Display"));
        p.click(QStringLiteral("Quit Kelvane"));
        EXPECT_EQ(p.settingsCalls, 1);
        EXPECT_EQ(p.floatingCalls, 1);
        EXPECT_EQ(p.quitCalls, 1);
        if (c.updateTitle.isEmpty()) {
            EXPECT_FALSE(p.shows(QStringLiteral("Check for Updates\u2026")));
            continue;
        }
        auto* update = qobject_cast<PopoverRow*>(p.button(c.updateTitle));
        ASSERT_NE(update, nullptr) << c.updateTitle.toStdString();
        EXPECT_EQ(update->hasBadge(), c.updateAvailable);
        p.click(update);
        EXPECT_EQ(p.updateCalls, 1);
    }
}

TEST(PopoverContentViewTest, FloatingDisplayRowTakesTheAccentWhileOn)
{
    PopoverRig p;
    p.open();
    auto* row = qobject_cast<PopoverRow*>(p.button(QStringLiteral("Floating Display")));
    EXPECT_FALSE(row->tint());
    p.rig.settings().setFloatingDisplayEnabled(true);
    p.settle();
    ASSERT_TRUE(row->tint());
    EXPECT_EQ(*row->tint(), row->palette().color(QPalette::Highlight));
}

TEST(PopoverContentViewTest, KeyboardMovesFocusAndPressesButtons)
{
    PopoverRig p;
    p.open();
    p.view->activateWindow();
    auto* five = p.named<PopoverRow>(QStringLiteral("popover.preset.5min"));
    auto* ten = p.named<PopoverRow>(QStringLiteral("popover.preset.10min"));
    five->setFocus();
    QTest::keyClick(five, Qt::Key_Tab);
    EXPECT_TRUE(ten->hasFocus());
    QTest::keyClick(ten, Qt::Key_Return);
    p.settle();
    EXPECT_EQ(p.engine().state().selectedPresetID(), QStringLiteral("preset.quick-10"));
    // Space presses the primary button wherever the focus is.
    QTest::keyClick(ten, Qt::Key_Space);
    p.settle();
    EXPECT_EQ(p.engine().state().mode(), TimerMode::Running);
}

TEST(PopoverContentViewTest, PresetsIdentifyThemselvesFromTheTables)
{
    PopoverRig p;
    p.open();
    struct Case {
        const char* id;
        const char* label;
        const char* title;
    };
    const Case cases[] = {
        {"popover.preset.5min", "5 minute preset", "5 minutes"},
        {"popover.preset.10min", "10 minute preset", "10 minutes"},
        {"popover.preset.25min", "25 minute preset", "25 minutes"},
        {"popover.preset.45min", "45 minute preset", "45 minutes"},
        {"popover.preset.custom", "Custom duration preset", "Custom..."},
    };
    for (const Case& c : cases) {
        auto* row = p.named<PopoverRow>(QString::fromLatin1(c.id));
        ASSERT_NE(row, nullptr) << c.id;
        EXPECT_EQ(row->accessibleName(), c.label);
        EXPECT_EQ(row->text(), c.title);
    }
    EXPECT_EQ(p.view->objectName(), "popover.container");
}

TEST(PopoverContentViewTest, ControlsSpeakTheTablesLabelsAndHints)
{
    PopoverRig p;
    p.open();
    auto* settings = p.named(QStringLiteral("popover.settingsButton"));
    EXPECT_EQ(settings->accessibleName(), "Settings");
    EXPECT_EQ(settings->accessibleDescription(), "Opens settings window");
    auto* state = p.named(QStringLiteral("popover.stateLabel"));
    EXPECT_TRUE(state->accessibleName().startsWith(QStringLiteral("Timer is ")))
        << state->accessibleName().toStdString();

    auto* start = p.named(QStringLiteral("popover.button.start"));
    EXPECT_EQ(start->accessibleName(), "Start timer");
    EXPECT_EQ(start->accessibleDescription(), "Double tap to start the countdown");
    p.click(start);
    auto* pause = p.named(QStringLiteral("popover.button.pause"));
    EXPECT_EQ(pause->accessibleName(), "Pause timer");
    EXPECT_EQ(pause->accessibleDescription(), "Double tap to pause the countdown");
    auto* reset = p.named(QStringLiteral("popover.button.reset"));
    EXPECT_EQ(reset->accessibleName(), "Reset timer");
    EXPECT_EQ(reset->accessibleDescription(), "Double tap to reset the timer to idle state");
}

} // namespace
