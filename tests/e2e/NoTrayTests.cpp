// Without any tray the program shows its strip window at the top right of
// the screen, and a right click on it works as on a tray icon.
#include "EndToEndFixture.h"

#include <QDir>

using namespace std::chrono_literals;

namespace {

class NoTray : public OnDesktop<TestDesktop::Tray::None> {
protected:
    QStringList moreTools() const override { return {QStringLiteral("import")}; }
};

TEST_F(NoTray, TheStripWindowShowsAtTheTopRightAndTakesClicks)
{
    startProgram();
    const QString strip = waitForProgramWindow({});
    ASSERT_FALSE(strip.isEmpty()) << "no window of the program";
    const QSize screen = m_desktop->screenSize();
    // The window manager may take a moment to place it.
    QRect area;
    platform::test::waitUntil(
        [&] {
            const auto state = m_screen->state(strip);
            area = state ? state->geometry : QRect();
            return area.right() >= screen.width() - 40 && area.top() <= 40;
        },
        5s);
    EXPECT_FALSE(area.isEmpty());
    EXPECT_LE(area.width(), screen.width() / 2);
    EXPECT_GE(area.right(), screen.width() - 40) << "not at the right edge";
    EXPECT_LE(area.top(), 40) << "not at the top";

    QDir().mkpath(QStringLiteral(E2E_OUTPUT_DIR));
    m_screen->capture(strip, QStringLiteral(E2E_OUTPUT_DIR "/strip.png"));

    ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at start";
    ASSERT_TRUE(m_screen->click(area, 3));
    EXPECT_TRUE(waitForMode(TimerMode::Running)) << "a right click on the strip did not start the timer";
}

} // namespace
