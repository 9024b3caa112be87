// SPDX-License-Identifier: GPL-3.0-or-later
// The floating panel's controller over the real model and an offscreen
// window: where a new panel goes, what hiding saves, which changes redraw and
// re-fit it, and the close button.
#include "Kelvane/floating/FloatingDisplayController.h"
#include "Kelvane/floating/FloatingDisplayView.h"
#include "Kelvane/floating/FloatingPanel.h"

#include "Kelvane/status/ControllerRig.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QEnterEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

namespace Keys = SharedDefaultsKeys;

const QRect primary(0, 0, 1920, 1050);

// A manual timer the test keeps reaching after its owner has dropped it.
class SharedTimer final : public platform::OneShotTimer {
public:
    explicit SharedTimer(std::shared_ptr<ManualOneShotTimer> timer)
        : m_timer(std::move(timer))
    {
    }
    ~SharedTimer() override { m_timer->cancel(); }
    void start(double seconds, std::function<void()> action) override { m_timer->start(seconds, std::move(action)); }
    void cancel() override { m_timer->cancel(); }
    bool isPending() const override { return m_timer->isPending(); }

private:
    std::shared_ptr<ManualOneShotTimer> m_timer;
};
const QRect second(1920, 200, 1280, 1024);

class FloatingDisplayControllerTest : public ::testing::Test {
protected:
    FloatingDisplayControllerTest() { build(); }

    void build()
    {
        floating = std::make_unique<FloatingDisplayController>(
            rig.engine(), rig.settings(), rig.model().animationPlayer(), rig.model().pomodoro(),
            rig.model().customSession(), *rig.defaults,
            [this] {
                auto timer = std::make_shared<ManualOneShotTimer>();
                timers.push_back(timer);
                return std::make_unique<SharedTimer>(timer);
            },
            [this] {
                return ScreenFrames{screens, primary};
            });
    }

    QRect frame() const { return floating->panel()->geometry(); }
    QRect centred(QSize size) const
    {
        QRect rect(QPoint(0, 0), size);
        rect.moveCenter(primary.center());
        return rect;
    }
    std::optional<QPoint> saved() const
    {
        if (!rig.defaults->object(Keys::floatingDisplayX))
            return std::nullopt;
        return QPoint(int(rig.defaults->doubleValue(Keys::floatingDisplayX)),
                      int(rig.defaults->doubleValue(Keys::floatingDisplayY)));
    }
    // Closes the throttle's window, then lets the re-fit run.
    void closeWindow()
    {
        for (const auto& timer : timers)
            timer->fire();
        QCoreApplication::sendPostedEvents();
    }

    ControllerRig rig;
    QList<QRect> screens{primary, second};
    std::vector<std::shared_ptr<ManualOneShotTimer>> timers;
    std::unique_ptr<FloatingDisplayController> floating;
};

TEST_F(FloatingDisplayControllerTest, AFirstPanelIsCentredAtItsContentsSizeAndHidingSavesItsCorner)
{
    floating->showPanel();
    ASSERT_NE(floating->panel(), nullptr);
    EXPECT_TRUE(floating->panel()->isVisible());
    const QSize size = frame().size();
    EXPECT_GE(size.width(), 200);
    EXPECT_GE(size.height(), 80);
    EXPECT_EQ(size, floating->panel()->view().sizeHint().expandedTo(QSize(200, 80)));
    EXPECT_EQ(frame(), centred(size));
    EXPECT_EQ(saved(), std::nullopt);

    floating->hidePanel();
    EXPECT_EQ(floating->panel(), nullptr);
    EXPECT_EQ(saved(), centred(size).topLeft());
}

TEST_F(FloatingDisplayControllerTest, ShowingAgainBuildsANewPanelAtTheLastSavedCorner)
{
    floating->showPanel();
    floating->panel()->move(2400, 700);
    floating->hidePanel();
    EXPECT_EQ(saved(), QPoint(2400, 700));

    floating->showPanel();
    ASSERT_NE(floating->panel(), nullptr);
    EXPECT_EQ(frame().topLeft(), QPoint(2400, 700));
    // Shown again while shown: the same panel, where it is.
    const FloatingPanel* shown = floating->panel();
    floating->showPanel();
    EXPECT_EQ(floating->panel(), shown);
}

TEST_F(FloatingDisplayControllerTest, ACornerOnADetachedScreenIsIgnoredAndTheNewPlaceIsSaved)
{
    floating->showPanel();
    floating->panel()->move(2400, 700);
    floating->hidePanel();
    screens = {primary}; // the second screen is unplugged

    floating->showPanel();
    const QRect shown = frame();
    EXPECT_EQ(shown, centred(shown.size()));
    floating->hidePanel();
    EXPECT_EQ(saved(), shown.topLeft());
}

TEST_F(FloatingDisplayControllerTest, APanelDraggedOffEveryScreenKeepsTheLastGoodCorner)
{
    rig.defaults->setDouble(Keys::floatingDisplayX, 100);
    rig.defaults->setDouble(Keys::floatingDisplayY, 120);
    floating->showPanel();
    EXPECT_EQ(frame().topLeft(), QPoint(100, 120));
    floating->panel()->move(-5000, 300);
    floating->hidePanel();
    EXPECT_EQ(saved(), QPoint(100, 120));
}

TEST_F(FloatingDisplayControllerTest, TheDisplaySettingsRedrawAndRefitItOthersDoNot)
{
    floating->showPanel();
    const QPoint corner = frame().topLeft();
    const auto tick = floating->refreshTrigger().tick();

    rig.settings().setPreventSleepWhileRunning(true);
    closeWindow();
    EXPECT_EQ(floating->refreshTrigger().tick(), tick) << "a setting the panel does not show redrew it";

    // Small-and-big is much narrower than the dot matrix.
    rig.settings().setDisplayType(DisplayType::SmallAndBig);
    EXPECT_EQ(floating->refreshTrigger().tick(), tick + 1) << "the first change redraws at once";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(frame().size(), floating->panel()->view().sizeHint().expandedTo(QSize(200, 80)));
    EXPECT_EQ(frame().topLeft(), corner) << "re-fitted around another corner";

    rig.settings().setTimeFormat(TimeFormat::Standard == rig.settings().timeFormat() ? TimeFormat::Minimal
                                                                                     : TimeFormat::Standard);
    rig.settings().setShowLeadingZero(!rig.settings().showLeadingZero());
    EXPECT_EQ(floating->refreshTrigger().tick(), tick + 1) << "changes inside the window are merged";
    closeWindow();
    EXPECT_EQ(floating->refreshTrigger().tick(), tick + 2);
}

TEST_F(FloatingDisplayControllerTest, TheEngineAndColorsRedrawItWhileHiddenNothingDoes)
{
    floating->showPanel();
    const auto tick = floating->refreshTrigger().tick();
    rig.engine().start();
    EXPECT_EQ(floating->refreshTrigger().tick(), tick + 1);
    rig.settings().colorManager().setCustomDotColor(QColor(10, 200, 30));
    closeWindow();
    EXPECT_EQ(floating->refreshTrigger().tick(), tick + 2);

    floating->hidePanel();
    rig.engine().pause();
    closeWindow();
    EXPECT_EQ(floating->refreshTrigger().tick(), tick + 2);
}

TEST_F(FloatingDisplayControllerTest, TheCloseButtonShowsOnTheCardAndTurnsTheSettingOff)
{
    rig.settings().setFloatingDisplayEnabled(true);
    floating->showPanel();
    FloatingDisplayView& view = floating->panel()->view();
    EXPECT_FALSE(view.closeButton().isVisible());
    const QPointF inside = view.cardArea().center();
    QEnterEvent enter(inside, inside, view.mapToGlobal(inside));
    QCoreApplication::sendEvent(&view, &enter);
    EXPECT_TRUE(view.isHovered());
    EXPECT_TRUE(view.closeButton().isVisible());
    EXPECT_EQ(view.closeButton().accessibleName(), QStringLiteral("Close floating display"));
    const QPoint corner = frame().topLeft();

    QTest::mouseClick(&view.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(rig.settings().floatingDisplayEnabled());
    EXPECT_EQ(floating->panel(), nullptr);
    EXPECT_EQ(saved(), corner);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(FloatingDisplayControllerTest, TheViewsAccessibleNameFollowsTheTimer)
{
    floating->showPanel();
    FloatingDisplayView& view = floating->panel()->view();
    EXPECT_TRUE(view.accessibleName().startsWith(QStringLiteral("Floating timer ready: ")));
    rig.engine().start();
    rig.engine().pause();
    closeWindow();
    EXPECT_TRUE(view.accessibleName().startsWith(QStringLiteral("Floating timer paused: ")))
        << view.accessibleName().toStdString();
}

} // namespace
