// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 watch on a real X server (Xvfb), with the keys typed by xdotool
// into a window of another program, which must still receive them.
#include "PlatformKit/input/X11ShortcutWatch.h"

#include "support/RequiredTools.h"
#include "support/WaitUntil.h"
#include "support/XvfbServer.h"

#include <QProcess>

#include <memory>

#include <gtest/gtest.h>

using platform::KeyModifier;
using platform::test::runEventLoop;
using platform::test::waitUntil;

namespace {

class X11ShortcutWatchOnXvfb : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const auto missing = platform::test::firstMissingTool({"Xvfb", "xdotool"}))
            GTEST_SKIP() << *missing << " is not installed; this test needs a real X server and xdotool";
        m_server = std::make_unique<XvfbServer>();
        ASSERT_FALSE(m_server->display().isEmpty()) << "Xvfb did not start: " << m_server->errors().toStdString();
        m_display = m_server->display();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(m_display));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_recorder.setProcessEnvironment(environment);
        m_recorder.start(QStringLiteral(KELVANE_KEY_RECORDER_HELPER), {});
        ASSERT_TRUE(waitUntil([&] { return readRecorder().startsWith("ready "); }, std::chrono::seconds(10)))
            << m_recorder.readAllStandardError().toStdString();
        const QByteArray window = m_recorderLines.takeFirst().mid(6);
        // The recorder says it is shown before the server has it viewable,
        // and focusing a window that is not viewable yet fails: map it here
        // and wait until it is.
        xdotool({QStringLiteral("windowmap"), QStringLiteral("--sync"), QString::fromLatin1(window)});
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::fromLatin1(window)});

        m_watch = platform::X11ShortcutWatch::connect(
            m_display,
            {{QStringLiteral("toggle"), {}, KeyModifier::Control | KeyModifier::Shift, U't'},
             {QStringLiteral("reset"), {}, KeyModifier::Control | KeyModifier::Shift, U'r'}},
            [this](const QString& id) { m_activated.append(id); }, [] { return false; });
        ASSERT_NE(m_watch, nullptr) << "no XInput 2 or XKB on " << m_display.constData();
    }

    void TearDown() override
    {
        m_watch.reset();
        m_recorder.kill();
        m_recorder.waitForFinished();
        m_server.reset();
    }

    // The last line the recorder printed, after reading what is waiting.
    QByteArray readRecorder()
    {
        while (m_recorder.canReadLine())
            m_recorderLines.append(m_recorder.readLine().trimmed());
        return m_recorderLines.isEmpty() ? QByteArray() : m_recorderLines.last();
    }

    void xdotool(const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(m_display));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("xdotool"), arguments);
        ASSERT_TRUE(process.waitForFinished(10000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }

    // Types `chord` and waits until the focused window has its key `key`;
    // then the watch, which hears of it no later, has had its chance too.
    void type(const QString& chord, const QByteArray& key)
    {
        readRecorder();
        const qsizetype before = m_recorderLines.count("key " + key);
        xdotool({QStringLiteral("key"), chord});
        ASSERT_TRUE(waitUntil([&] {
            readRecorder();
            return m_recorderLines.count("key " + key) > before;
        })) << chord.toStdString()
            << " did not reach the focused window";
        runEventLoop(std::chrono::milliseconds(200));
    }

    std::unique_ptr<XvfbServer> m_server;
    QProcess m_recorder;
    QByteArray m_display;
    QList<QByteArray> m_recorderLines;
    std::unique_ptr<platform::X11ShortcutWatch> m_watch;
    QList<QString> m_activated;
};

TEST_F(X11ShortcutWatchOnXvfb, ShortcutsAreHeardAndStillReachTheFocusedWindow)
{
    type(QStringLiteral("ctrl+shift+t"), "T");
    EXPECT_EQ(m_activated, QList<QString>{QStringLiteral("toggle")});

    type(QStringLiteral("ctrl+shift+r"), "R");
    EXPECT_EQ(m_activated, (QList<QString>{QStringLiteral("toggle"), QStringLiteral("reset")}));

    // Num Lock on does not matter.
    type(QStringLiteral("Num_Lock"), "NumLock");
    type(QStringLiteral("ctrl+shift+t"), "T");
    EXPECT_EQ(m_activated.size(), 3);
    EXPECT_EQ(m_activated.last(), QStringLiteral("toggle"));
}

TEST_F(X11ShortcutWatchOnXvfb, OtherModifiersDefeatTheShortcut)
{
    const std::pair<const char*, const char*> cases[] = {
        {"ctrl+t", "T"},       {"shift+t", "T"}, {"ctrl+shift+alt+t", "T"}, {"ctrl+shift+super+t", "T"},
        {"ctrl+shift+x", "X"},
    };
    for (const auto& [chord, key] : cases) {
        type(QString::fromLatin1(chord), key);
        EXPECT_TRUE(m_activated.isEmpty()) << chord;
    }

    type(QStringLiteral("Caps_Lock"), "CapsLock");
    type(QStringLiteral("ctrl+shift+t"), "T");
    EXPECT_TRUE(m_activated.isEmpty()) << "with Caps Lock on";
    // And once it is off again, the shortcut works: the state was followed.
    type(QStringLiteral("Caps_Lock"), "CapsLock");
    type(QStringLiteral("ctrl+shift+t"), "T");
    EXPECT_EQ(m_activated, QList<QString>{QStringLiteral("toggle")});
}

TEST_F(X11ShortcutWatchOnXvfb, NothingIsHeardOnceTheWatchIsGone)
{
    m_watch.reset();
    type(QStringLiteral("ctrl+shift+t"), "T");
    EXPECT_TRUE(m_activated.isEmpty());
}

} // namespace
