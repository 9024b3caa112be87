// With a StatusNotifierWatcher on the bus the program's item goes on the bus
// instead of into an XEmbed host; the host's requests reach the timer.
#include "EndToEndFixture.h"

#include <QDBusMessage>

using namespace std::chrono_literals;
using platform::test::runEventLoop;

namespace {

class StatusNotifier : public OnDesktop<TestDesktop::Tray::NotifierWatcher> {
protected:
    // Calls `method` (x, y) on the item as a host would; the error, if any.
    QString ask(const QString& item, const QString& method)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(item, QStringLiteral("/StatusNotifierItem"),
                                                           QStringLiteral("org.kde.StatusNotifierItem"), method);
        call << 0 << 0;
        const QDBusMessage reply = m_desktop->bus().call(call, QDBus::Block, 5000);
        return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
    }
};

TEST_F(StatusNotifier, TheHostsRequestsReachTheTimer)
{
    startProgram();
    const QString item = waitForItem();
    ASSERT_FALSE(item.isEmpty()) << "the program registered no item with the watcher";
    ASSERT_TRUE(waitForMode(TimerMode::Idle)) << "no idle timer stored at start";
    EXPECT_TRUE(m_screen->programWindows({}).isEmpty()) << "a strip window beside the bus item";

    // The context request is what a right click sends.
    ASSERT_EQ(ask(item, QStringLiteral("ContextMenu")), QString());
    ASSERT_TRUE(waitForMode(TimerMode::Running)) << "ContextMenu did not start the timer";

    // The primary and secondary activations are a left and a middle click:
    // neither toggles the timer.
    for (const QString& method : {QStringLiteral("Activate"), QStringLiteral("SecondaryActivate")}) {
        SCOPED_TRACE(method.toStdString());
        EXPECT_EQ(ask(item, method), QString());
        runEventLoop(300ms);
        EXPECT_EQ(m_timer->mode(), TimerMode::Running);
    }

    ASSERT_EQ(ask(item, QStringLiteral("ContextMenu")), QString());
    EXPECT_TRUE(waitForMode(TimerMode::Paused)) << "a second ContextMenu did not pause the timer";
}

} // namespace
