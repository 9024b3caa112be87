// SPDX-License-Identifier: GPL-3.0-or-later
// The Behavior page: every control writes its store at once and follows it,
// the Animation row comes and goes with the completion behaviour, the sound
// previews play on a change only, and reset asks first.
#include "SettingsWindowRig.h"

#include "Kelvane/animation/AnimationLibrary.h"
#include "Kelvane/settingswindow/pages/BehaviorPage.h"
#include "Kelvane/settingswindow/pages/ResetConfirmation.h"
#include "Kelvane/settingswindow/pages/TickPreview.h"
#include "Kelvane/settingswindow/pickers/AnimationSelectorView.h"

#include "shared-ui/controls/SettingsRow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

class BehaviorPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto parts = rig.parts();
        auto stopTimer = parts.makeOneShotTimer();
        tickStopTimer = rig.timers.back();
        tickPreview = std::make_unique<TickPreview>(std::make_unique<TickSoundGenerator>(parts.audioOutput),
                                                    std::move(stopTimer));
        page = std::make_unique<BehaviorPage>(
            rig.settings, rig.focus, rig.sounds, *tickPreview,
            [makeTimer = parts.makeOneShotTimer] { return std::make_unique<AnimationPlayer>(makeTimer()); },
            [this](QWidget*) {
                ++confirmations;
                return confirmsReset;
            });
        page->show();
    }

    CompletionSettings& completion() { return rig.settings.completionSettings(); }

    void choose(QComboBox* picker, int index)
    {
        picker->setCurrentIndex(index);
        Q_EMIT picker->activated(index);
    }

    void chooseBehavior(CompletionBehavior behavior)
    {
        QTest::mouseClick(page->completionBehaviorGroup()->button(static_cast<int>(behavior)), Qt::LeftButton);
    }

    SettingsWindowRig rig;
    ManualOneShotTimer* tickStopTimer = nullptr;
    std::unique_ptr<TickPreview> tickPreview;
    std::unique_ptr<BehaviorPage> page;
    int confirmations = 0;
    bool confirmsReset = false;
};

TEST_F(BehaviorPageTest, CompletionBehaviourDrivesSubtitleDividerAndAnimationRow)
{
    const struct {
        CompletionBehavior behavior;
        const char* subtitle;
        bool animationRow;
    } cases[] = {
        {CompletionBehavior::PlayAnimation, "Play a pixel-art animation when the countdown finishes", true},
        {CompletionBehavior::FreezeAtZero, "Display freezes at 00 when the countdown finishes", false},
        {CompletionBehavior::BlinkDots, "Dots blink when the countdown finishes", false},
        {CompletionBehavior::PlayAnimation, "Play a pixel-art animation when the countdown finishes", true},
        {CompletionBehavior::ShowCheckmark, "Display shows a checkmark when the countdown finishes", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.subtitle);
        chooseBehavior(c.behavior);
        EXPECT_EQ(completion().displayBehavior(), c.behavior);
        EXPECT_EQ(page->completionRow()->subtitle(), QString::fromUtf8(c.subtitle));
        EXPECT_EQ(page->completionRow()->showsDivider(), c.animationRow);
        EXPECT_EQ(page->animationSelector() != nullptr, c.animationRow);
        EXPECT_EQ(page->findChildren<AnimationSelectorView*>().size(), c.animationRow ? 1 : 0);
    }
}

TEST_F(BehaviorPageTest, PlayAnimationWithNoneChosenSelectsTheFirst)
{
    completion().setSelectedAnimationID(std::nullopt);
    chooseBehavior(CompletionBehavior::PlayAnimation);
    EXPECT_EQ(completion().selectedAnimationID(), AnimationLibrary::animations().first().id);
    ASSERT_NE(page->animationSelector(), nullptr);
    EXPECT_EQ(page->animationSelector()->picker()->currentIndex(), 0);
}

TEST_F(BehaviorPageTest, StoreChangesRedrawEveryControl)
{
    completion().setDisplayBehavior(CompletionBehavior::BlinkDots);
    EXPECT_TRUE(page->completionBehaviorGroup()->button(static_cast<int>(CompletionBehavior::BlinkDots))->isChecked());
    completion().setShowNotification(true);
    EXPECT_TRUE(page->notificationToggle()->isChecked());
    completion().setSelectedSound(CompletionSound::Hero);
    EXPECT_EQ(page->soundPicker()->currentText(), u"Hero"_s);
    completion().setTickStyle(TickStyle::Digital);
    EXPECT_EQ(page->tickPicker()->currentText(), u"Digital"_s);
    rig.settings.setRespectFocusMode(true);
    EXPECT_TRUE(page->respectFocusToggle()->isChecked());
    rig.settings.setPreventSleepWhileRunning(true);
    EXPECT_TRUE(page->preventSleepToggle()->isChecked());
    EXPECT_TRUE(rig.sounds.played.isEmpty()) << "a change from elsewhere played a preview";
}

TEST_F(BehaviorPageTest, SwitchesWriteAtOnce)
{
    const struct {
        const char* name;
        QCheckBox* (BehaviorPage::*toggle)() const;
        std::function<bool(AppSettings&)> read;
    } cases[] = {
        {"notification", &BehaviorPage::notificationToggle,
         [](AppSettings& s) { return s.completionSettings().showNotification(); }},
        {"do not disturb", &BehaviorPage::respectFocusToggle, [](AppSettings& s) { return s.respectFocusMode(); }},
        {"prevent sleep", &BehaviorPage::preventSleepToggle,
         [](AppSettings& s) { return s.preventSleepWhileRunning(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QCheckBox* toggle = ((*page).*c.toggle)();
        const bool before = c.read(rig.settings);
        QTest::mouseClick(toggle, Qt::LeftButton);
        EXPECT_EQ(c.read(rig.settings), !before);
        // A store read afresh from the same data sees what the click wrote.
        AppSettings reread(*rig.defaults);
        EXPECT_EQ(c.read(reread), !before);
    }
}

TEST_F(BehaviorPageTest, CompletionSoundPlaysOnceOnAChangeAndNeverForNone)
{
    const struct {
        CompletionSound chosen;
        std::vector<CompletionSound> played;
    } cases[] = {
        {CompletionSound::Glass, {CompletionSound::Glass}},
        // Choosing the same again changes nothing and plays nothing.
        {CompletionSound::Glass, {}},
        {CompletionSound::Tink, {CompletionSound::Tink}},
        {CompletionSound::None, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(displayName(c.chosen).toStdString());
        rig.sounds.played.clear();
        choose(page->soundPicker(), static_cast<int>(c.chosen));
        EXPECT_EQ(completion().selectedSound(), c.chosen);
        // Compared as a vector: two empty QLists compare through a null pointer.
        EXPECT_EQ(std::vector(rig.sounds.played.cbegin(), rig.sounds.played.cend()), c.played);
    }
}

TEST_F(BehaviorPageTest, TickStylePlaysOneTickThenStopsOrStopsAtOnceForNone)
{
    EXPECT_EQ(rig.audio->created, 0) << "the page opened a sound output before any preview";
    choose(page->tickPicker(), static_cast<int>(TickStyle::Mechanical));
    EXPECT_EQ(completion().tickStyle(), TickStyle::Mechanical);
    EXPECT_EQ(rig.audio->schedules, 1);
    EXPECT_EQ(rig.audio->created, 1);
    EXPECT_TRUE(tickPreview->generator().isRunning());
    ASSERT_TRUE(tickStopTimer->isPending());
    EXPECT_EQ(tickStopTimer->delay, TickPreview::stopDelay);
    tickStopTimer->fire();
    EXPECT_FALSE(tickPreview->generator().isRunning());

    choose(page->tickPicker(), static_cast<int>(TickStyle::Soft));
    EXPECT_EQ(rig.audio->schedules, 2);
    choose(page->tickPicker(), static_cast<int>(TickStyle::None));
    EXPECT_EQ(completion().tickStyle(), TickStyle::None);
    EXPECT_EQ(rig.audio->schedules, 2) << "none ticked";
    EXPECT_FALSE(tickPreview->generator().isRunning()) << "none did not stop at once";
    EXPECT_FALSE(tickStopTimer->isPending());
}

TEST_F(BehaviorPageTest, ResetAsksAndOnlyResetsWhenConfirmed)
{
    completion().setDisplayBehavior(CompletionBehavior::PlayAnimation);
    completion().setShowNotification(true);
    completion().setSelectedSound(CompletionSound::Pop);
    completion().setTickStyle(TickStyle::Soft);
    rig.settings.setRespectFocusMode(true);
    rig.settings.setPreventSleepWhileRunning(true);

    confirmsReset = false;
    QTest::mouseClick(page->resetAllButton(), Qt::LeftButton);
    EXPECT_EQ(confirmations, 1);
    EXPECT_EQ(completion().displayBehavior(), CompletionBehavior::PlayAnimation) << "cancel reset";
    EXPECT_EQ(completion().selectedSound(), CompletionSound::Pop);
    EXPECT_TRUE(rig.settings.preventSleepWhileRunning());

    confirmsReset = true;
    QTest::mouseClick(page->resetAllButton(), Qt::LeftButton);
    EXPECT_EQ(confirmations, 2);
    EXPECT_TRUE(
        page->completionBehaviorGroup()->button(static_cast<int>(CompletionBehavior::ShowCheckmark))->isChecked());
    EXPECT_EQ(page->animationSelector(), nullptr);
    EXPECT_FALSE(page->notificationToggle()->isChecked());
    EXPECT_EQ(page->soundPicker()->currentText(), u"None"_s);
    EXPECT_EQ(page->tickPicker()->currentText(), u"None"_s);
    EXPECT_FALSE(page->respectFocusToggle()->isChecked());
    EXPECT_FALSE(page->preventSleepToggle()->isChecked());
}

TEST_F(BehaviorPageTest, TextsAdaptedToTheLinuxDesktop)
{
    QStringList texts;
    for (const auto* label : page->findChildren<QLabel*>())
        texts.append(label->text());
    for (const char* text : {"Respect Do Not Disturb", "Silence sounds & notifications during Do Not Disturb",
                             "Keep your computer awake while a timer runs"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
}

// The real question box: its title, message and buttons, answered both ways.
TEST(ResetConfirmationTest, AsksWithTheTitleMessageAndButtons)
{
    for (const bool reset : {true, false}) {
        QString title, text, message;
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            message = box->informativeText();
            for (const QAbstractButton* button : box->buttons())
                buttons.append(button->text());
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == (reset ? u"Reset"_s : u"Cancel"_s))
                    button->click();
            }
        });
        EXPECT_EQ(confirmResetAllSettings(nullptr), reset);
        EXPECT_EQ(title, u"Reset All Settings?"_s);
        EXPECT_EQ(text, u"Reset All Settings?"_s);
        EXPECT_EQ(message, u"This will reset all settings to their defaults. This cannot be undone."_s);
        buttons.sort();
        EXPECT_EQ(buttons, (QStringList{u"Cancel"_s, u"Reset"_s}));
    }
}

} // namespace
