// SPDX-License-Identifier: GPL-3.0-or-later
// On a Wayland compositor (weston, headless, on the desktop's own runtime
// folder and socket) the program starts, its strip is mapped where the
// compositor puts it, and it stays up and takes links.
#include "EndToEndFixture.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace std::chrono_literals;

namespace {

const QString socketName = QStringLiteral("kelvane-wayland-0");

class OnWayland : public OnDesktop<TestDesktop::Tray::None> {
protected:
    QStringList moreTools() const override { return {QStringLiteral("weston")}; }

    // Weston on the desktop's runtime folder; whether its socket came up.
    bool startCompositor()
    {
        m_compositor = m_desktop->start(QStringLiteral("weston"),
                                        {QStringLiteral("--backend=headless-backend.so"),
                                         QStringLiteral("--socket=") + socketName, QStringLiteral("--idle-time=0")});
        const QString socket = m_desktop->path(QStringLiteral("runtime/") + socketName);
        return platform::test::waitUntil([&] { return QFileInfo::exists(socket); }, 10s);
    }

    void TearDown() override
    {
        OnDesktop::TearDown();
        m_compositor.reset();
    }

    std::unique_ptr<DesktopProcess> m_compositor;
};

TEST_F(OnWayland, TheProgramStartsThereShowsItsStripAndStaysUp)
{
    ASSERT_TRUE(startCompositor()) << "weston gave no socket";
    QProcessEnvironment wayland;
    wayland.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    wayland.insert(QStringLiteral("WAYLAND_DISPLAY"), socketName);
    // Nothing of the X server: what the program does, it does on Wayland.
    wayland.insert(QStringLiteral("DISPLAY"), QString());
    // The protocol log tells whether the compositor mapped a window.
    wayland.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
    startProgram({}, wayland);

    ASSERT_TRUE(waitForMode(TimerMode::Idle, 15s)) << "no idle timer stored at start";
    // The strip: a top-level window that the compositor configured.
    const QRegularExpression configured(QStringLiteral(R"(xdg_toplevel@\d+\.configure\()"));
    EXPECT_TRUE(platform::test::waitUntil([&] { return m_desktop->programLog().contains(configured); }, 15s))
        << "no window mapped";
    EXPECT_FALSE(m_desktop->programLog().contains(QStringLiteral("Could not load the Qt platform plugin")));

    // Still up and at work: a second launch hands it a link that starts the timer.
    EXPECT_EQ(m_desktop->startProgram({QStringLiteral("kelvane://timer/toggle")}, wayland)->waitForExit(10s), 0);
    EXPECT_TRUE(waitForMode(TimerMode::Running)) << "the running program did not start the timer";
    EXPECT_TRUE(m_program->isRunning());
}

} // namespace
