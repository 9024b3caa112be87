// SPDX-License-Identifier: GPL-3.0-or-later
// The popover on a real desktop: a left click on the tray icon opens it, a
// click on the 5-minute preset and one on Start run the timer, and the tray
// item's tooltip then reads the time left.
#include "NotifierItemFixture.h"
#include "PopoverSpots.h"

#include <QAbstractButton>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QRegularExpression>

using namespace std::chrono_literals;
using platform::test::runEventLoop;

namespace {

// The program's one window that shows up besides `icon` (its tray icon, which
// is a window of the program too), or empty.
QString waitForPopover(ScreenProbe& screen, const QString& icon = {})
{
    QStringList found;
    platform::test::waitUntil(
        [&] {
            found = screen.programWindows({});
            found.removeAll(icon);
            return !found.isEmpty();
        },
        5s);
    return found.isEmpty() ? QString() : found.first();
}

class PopoverInTray : public OnDesktop<TestDesktop::Tray::XEmbedHost> { };

TEST_F(PopoverInTray, ALeftClickOpensItAndItsPresetAndStartRunTheTimer)
{
    startProgram();
    const QString icon = waitForProgramWindow(QStringLiteral("trayer"));
    ASSERT_FALSE(icon.isEmpty()) << "no icon of the program inside trayer";
    const auto iconState = m_screen->state(icon);
    ASSERT_TRUE(iconState);
    ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at start";
    // Another preset first, so the click on the 5-minute one is seen to choose it.
    ASSERT_TRUE(m_desktop->startProgram({QStringLiteral("kelvane://preset?id=preset.classic-25")})->waitForExit(5s)
                == 0);
    ASSERT_TRUE(
        platform::test::waitUntil([&] { return m_timer->snapshot() && m_timer->snapshot()->duration == 1500; }, 5s));

    ASSERT_TRUE(m_screen->click(iconState->geometry, 1));
    const QString popover = waitForPopover(*m_screen, icon);
    ASSERT_FALSE(popover.isEmpty()) << "a left click opened no popover";
    const auto shown = m_screen->state(popover);
    ASSERT_TRUE(shown && shown->viewable);
    EXPECT_EQ(shown->geometry.width(), 260);
    EXPECT_GT(shown->geometry.top(), iconState->geometry.bottom()) << "the popover opens under the icon";

    ASSERT_NO_FATAL_FAILURE(chooseFiveMinutesAndStart(*m_screen, popover, *m_timer));
    EXPECT_TRUE(platform::test::waitUntil([&] { return runsFiveMinutes(m_timer->snapshot()); }, 2s))
        << "the timer does not run the 5-minute preset";
    const auto running = m_timer->snapshot();
    ASSERT_TRUE(running);
    EXPECT_LE(running->remaining, 300);
    EXPECT_GT(running->remaining, 295);
}

// With a StatusNotifierWatcher the tray item is on the bus, where its
// tooltip can be read as a host reads it.
class PopoverOnTheBus : public OnNotifierBus {
protected:
    // The title and text of the item's tooltip (icon name, pixmaps, title, text).
    QString toolTipText(const QString& item)
    {
        QDBusMessage call
            = QDBusMessage::createMethodCall(item, QStringLiteral("/StatusNotifierItem"),
                                             QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        call << QStringLiteral("org.kde.StatusNotifierItem") << QStringLiteral("ToolTip");
        const QDBusMessage reply = m_desktop->bus().call(call, QDBus::Block, 5000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        const QDBusArgument tip = reply.arguments().first().value<QDBusVariant>().variant().value<QDBusArgument>();
        QString iconName;
        QString title;
        QString text;
        tip.beginStructure();
        tip >> iconName;
        tip.beginArray();
        while (!tip.atEnd()) {
            int width = 0;
            int height = 0;
            QByteArray pixels;
            tip.beginStructure();
            tip >> width >> height >> pixels;
            tip.endStructure();
        }
        tip.endArray();
        tip >> title >> text;
        tip.endStructure();
        return title + QLatin1Char(' ') + text;
    }
};

TEST_F(PopoverOnTheBus, StartingFromThePopoverPutsTheTimeLeftInTheTooltip)
{
    startProgram();
    const QString item = waitForItem();
    ASSERT_FALSE(item.isEmpty()) << "the program registered no item with the watcher";
    ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at start";

    // The host's primary activation is the left click.
    ASSERT_EQ(ask(item, QStringLiteral("Activate")), QString());
    const QString popover = waitForPopover(*m_screen);
    ASSERT_FALSE(popover.isEmpty()) << "the primary activation opened no popover";
    const auto shown = m_screen->state(popover);
    ASSERT_TRUE(shown && shown->viewable);

    ASSERT_NO_FATAL_FAILURE(chooseFiveMinutesAndStart(*m_screen, popover, *m_timer));
    ASSERT_TRUE(platform::test::waitUntil([&] { return runsFiveMinutes(m_timer->snapshot()); }, 2s))
        << "the timer does not run the 5-minute preset";
    static const QRegularExpression timeLeft(
        QStringLiteral("Timer running: (4 minutes 5[0-9]|5 minutes 0) seconds remaining"));
    QString tip;
    const bool readsTimeLeft = platform::test::waitUntil(
        [&] {
            tip = toolTipText(item);
            return tip.contains(timeLeft);
        },
        2s);
    EXPECT_TRUE(readsTimeLeft) << "the tooltip reads \"" << tip.toStdString() << "\"";
}

} // namespace
