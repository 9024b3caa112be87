// SPDX-License-Identifier: GPL-3.0-or-later
// The completion-animation picker on a manual timer: selection, replay, the
// loop toggle, and the preview tinted in the display's colours.
#include "SettingsWindowRig.h"

#include "Kelvane/animation/AnimationLibrary.h"
#include "Kelvane/settingswindow/pickers/AnimationPreviewBox.h"
#include "Kelvane/settingswindow/pickers/AnimationSelectorView.h"
#include "Kelvane/settingswindow/pickers/TintedFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class AnimationPickerTest : public ::testing::Test {
protected:
    void build()
    {
        auto timer = std::make_unique<ManualOneShotTimer>();
        frameTimer = timer.get();
        view = std::make_unique<AnimationSelectorView>(completion(), rig.settings.colorManager(),
                                                       std::make_unique<AnimationPlayer>(std::move(timer)));
        view->show();
    }

    CompletionSettings& completion() { return rig.settings.completionSettings(); }

    void choose(int index)
    {
        view->picker()->setCurrentIndex(index);
        Q_EMIT view->picker()->activated(index);
    }

    // Builds the view on the first animation, not looping, and plays the
    // one-shot preview to its end.
    void buildWithAnEndedOneShotPreview()
    {
        completion().setSelectedAnimationID(AnimationLibrary::animations().first().id);
        completion().setAnimationLoopsEnabled(false);
        build();
        for (int i = 0; i < 500 && view->previewPlayer().isPlaying(); ++i)
            frameTimer->fire();
    }

    // Steps the preview on until it is not on its first frame.
    void advance()
    {
        const QImage first = view->previewPlayer().currentFrame();
        for (int i = 0; i < 50 && view->previewPlayer().currentFrame() == first; ++i)
            frameTimer->fire();
    }

    SettingsWindowRig rig;
    ManualOneShotTimer* frameTimer = nullptr;
    std::unique_ptr<AnimationSelectorView> view;
};

TEST_F(AnimationPickerTest, ListsTheCatalogueInOrder)
{
    build();
    const auto& animations = AnimationLibrary::animations();
    ASSERT_EQ(view->picker()->count(), animations.size());
    for (int i = 0; i < animations.size(); ++i) {
        EXPECT_EQ(view->picker()->itemText(i), animations[i].name);
        EXPECT_EQ(view->picker()->itemData(i).toString(), animations[i].id);
    }
    EXPECT_EQ(view->loopToggle()->text(), u"Loop animation"_s);
}

TEST_F(AnimationPickerTest, WithNothingSelectedShowsNoSelectionAndTheTapDoesNothing)
{
    completion().setSelectedAnimationID(std::nullopt);
    build();
    EXPECT_EQ(view->picker()->currentIndex(), -1);
    EXPECT_TRUE(view->previewBox()->frame().isNull());
    QTest::mouseClick(view->previewBox(), Qt::LeftButton);
    EXPECT_FALSE(view->previewPlayer().isPlaying());
    EXPECT_TRUE(view->previewBox()->frame().isNull());
}

TEST_F(AnimationPickerTest, ChoosingStoresAndPlaysAndChoosingAgainReplays)
{
    completion().setSelectedAnimationID(std::nullopt);
    build();
    const auto& second = AnimationLibrary::animations().at(1);
    choose(1);
    EXPECT_EQ(completion().selectedAnimationID(), second.id);
    EXPECT_TRUE(view->previewPlayer().isPlaying());
    const QImage first = view->previewPlayer().currentFrame();
    ASSERT_FALSE(first.isNull());
    EXPECT_FALSE(view->previewBox()->frame().isNull());

    advance();
    ASSERT_NE(view->previewPlayer().currentFrame(), first) << "the preview never moved";
    choose(1);
    EXPECT_EQ(view->previewPlayer().currentFrame(), first) << "choosing the same entry did not replay";

    advance();
    QTest::mouseClick(view->previewBox(), Qt::LeftButton);
    EXPECT_EQ(view->previewPlayer().currentFrame(), first) << "a tap did not replay";
}

TEST_F(AnimationPickerTest, TheStoresChangeRedrawsThePicker)
{
    build();
    const auto& last = AnimationLibrary::animations().last();
    completion().setSelectedAnimationID(last.id);
    EXPECT_EQ(view->picker()->currentIndex(), AnimationLibrary::animations().size() - 1);
    completion().setAnimationLoopsEnabled(!completion().animationLoopsEnabled());
    EXPECT_EQ(view->loopToggle()->isChecked(), completion().animationLoopsEnabled());
}

TEST_F(AnimationPickerTest, LoopToggleRestartsTheEndedPreviewLoopingOrNot)
{
    buildWithAnEndedOneShotPreview();
    ASSERT_FALSE(view->previewPlayer().isPlaying());

    for (const bool loops : {true, false}) {
        SCOPED_TRACE(loops ? "on" : "off");
        QTest::mouseClick(view->loopToggle(), Qt::LeftButton);
        EXPECT_EQ(completion().animationLoopsEnabled(), loops);
        EXPECT_TRUE(view->previewPlayer().isPlaying()) << "the preview did not restart";
    }
    // Looping: the preview goes on past where a single run ends.
    QTest::mouseClick(view->loopToggle(), Qt::LeftButton);
    for (int i = 0; i < 500; ++i)
        frameTimer->fire();
    EXPECT_TRUE(view->previewPlayer().isPlaying());
}

TEST_F(AnimationPickerTest, AWriteThatKeepsTheLoopSettingLeavesTheEndedPreviewEnded)
{
    buildWithAnEndedOneShotPreview();
    ASSERT_FALSE(view->previewPlayer().isPlaying());
    const QImage last = view->previewPlayer().currentFrame();

    // Written again, as a reset to defaults or another window may.
    completion().setAnimationLoopsEnabled(false);
    EXPECT_FALSE(view->previewPlayer().isPlaying()) << "an unchanged loop setting restarted the preview";
    EXPECT_EQ(view->previewPlayer().currentFrame(), last);

    // Changed from elsewhere than the toggle: the preview follows.
    completion().setAnimationLoopsEnabled(true);
    EXPECT_TRUE(view->previewPlayer().isPlaying());
    EXPECT_TRUE(view->loopToggle()->isChecked());
}

TEST_F(AnimationPickerTest, PreviewTakesTheDisplayColors)
{
    build();
    rig.settings.colorManager().selectDigitPreset(u"amber"_s);
    rig.settings.colorManager().selectBackgroundPreset(u"dark"_s);
    const DisplayColor color = rig.settings.colorManager().resolvedDisplayColor();
    view->previewBox()->resize(AnimationPreviewBox::side, AnimationPreviewBox::side);
    const QImage shown = view->previewBox()->grab().toImage();
    // A corner inside the rounded edge shows the background colour.
    EXPECT_EQ(QColor(shown.pixel(shown.width() / 2, 3)).rgb(), color.backgroundColor().rgb());
}

TEST(TintedFrameTest, MultipliesEveryChannelByTheTint)
{
    QImage frame(3, 1, QImage::Format_ARGB32);
    frame.setPixel(0, 0, qRgba(255, 255, 255, 255));
    frame.setPixel(1, 0, qRgba(0, 0, 0, 255));
    frame.setPixel(2, 0, qRgba(0, 0, 0, 0));
    const QImage tinted = tintedFrame(frame, QColor(255, 128, 0, 255));
    EXPECT_EQ(tinted.pixel(0, 0), qRgba(255, 128, 0, 255)) << "white takes the tint";
    EXPECT_EQ(tinted.pixel(1, 0), qRgba(0, 0, 0, 255)) << "black stays black";
    EXPECT_EQ(qAlpha(tinted.pixel(2, 0)), 0) << "clear stays clear";
    const QImage halfClear = tintedFrame(frame, QColor(255, 255, 255, 128));
    EXPECT_EQ(qAlpha(halfClear.pixel(0, 0)), 128);
}

} // namespace
