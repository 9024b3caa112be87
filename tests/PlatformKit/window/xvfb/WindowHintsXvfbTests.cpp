// SPDX-License-Identifier: GPL-3.0-or-later
// The window hints on a real X server (Xvfb) without a window manager, which
// would otherwise rewrite them: what a window asks for before it is mapped
// stays on it, and a compositor is seen by the selection it owns.
#include "support/RequiredTools.h"
#include "support/WaitUntil.h"
#include "support/XvfbServer.h"

#include <QProcess>

#include <memory>

#include <gtest/gtest.h>

using platform::test::waitUntil;

namespace {

class WindowHintsOnXvfb : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const auto missing = platform::test::firstMissingTool({"Xvfb", "xprop"}))
            GTEST_SKIP() << *missing << " is not installed; this test needs a real X server and xprop";
        m_server = std::make_unique<XvfbServer>();
        ASSERT_FALSE(m_server->display().isEmpty()) << "Xvfb did not start: " << m_server->errors().toStdString();
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(m_server->display()));
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }

    void TearDown() override
    {
        m_window.kill();
        m_window.waitForFinished();
        m_server.reset();
    }

    // Starts the helper; its "<window id> <composited>" fields, or none.
    QStringList showWindow(const QStringList& arguments = {})
    {
        m_window.setProcessEnvironment(m_environment);
        m_window.start(QStringLiteral(KELVANE_HINTED_WINDOW_HELPER), arguments);
        if (!waitUntil([&] { return m_window.canReadLine(); }, std::chrono::seconds(10)))
            return {};
        const QStringList fields = QString::fromLatin1(m_window.readLine().trimmed()).split(QLatin1Char(' '));
        return fields.size() == 3 && fields[0] == QStringLiteral("ready") ? fields.mid(1) : QStringList();
    }

    QString property(const QString& window, const char* name)
    {
        QProcess xprop;
        xprop.setProcessEnvironment(m_environment);
        xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QString::fromLatin1(name)});
        xprop.waitForFinished(10000);
        return QString::fromLatin1(xprop.readAllStandardOutput());
    }

    std::unique_ptr<XvfbServer> m_server;
    QProcess m_window;
    QProcessEnvironment m_environment;
};

TEST_F(WindowHintsOnXvfb, AWindowAsksToBeOnEveryWorkspaceAndOutOfTaskbarAndPager)
{
    const QStringList window = showWindow();
    ASSERT_EQ(window.size(), 2) << m_window.readAllStandardError().toStdString();
    const QString states = property(window[0], "_NET_WM_STATE");
    for (const char* state : {"_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"})
        EXPECT_TRUE(states.contains(QString::fromLatin1(state))) << state << " missing from " << states.toStdString();
    // Each once, though the hints were given twice.
    EXPECT_EQ(states.count(QStringLiteral("_NET_WM_STATE_STICKY")), 1) << states.toStdString();
    EXPECT_TRUE(property(window[0], "_NET_WM_DESKTOP").contains(QStringLiteral("4294967295")));
    EXPECT_EQ(window[1], QStringLiteral("0")) << "a compositor seen where none runs";
}

TEST_F(WindowHintsOnXvfb, ACompositorIsSeenByTheSelectionItOwns)
{
    const QStringList window = showWindow({QStringLiteral("--as-compositor")});
    ASSERT_EQ(window.size(), 2) << m_window.readAllStandardError().toStdString();
    EXPECT_EQ(window[1], QStringLiteral("1"));
}

} // namespace
