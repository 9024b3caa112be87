// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A test on a private desktop with the program running on it. The test is
// skipped, with the reason, when a tool the desktop needs is missing.

#include "ScreenProbe.h"
#include "StoredTimer.h"
#include "TestDesktop.h"

#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <memory>

template <TestDesktop::Tray tray>
class OnDesktop : public ::testing::Test {
protected:
    // The tools the test itself uses besides the desktop's.
    virtual QStringList moreTools() const { return {}; }

    void SetUp() override
    {
        if (const QStringList missing = TestDesktop::missingTools(tray, moreTools()); !missing.isEmpty())
            GTEST_SKIP() << "not installed: " << missing.join(QStringLiteral(", ")).toStdString();
        m_desktop = std::make_unique<TestDesktop>(tray, m_installed);
        ASSERT_TRUE(m_desktop->failure().isEmpty()) << m_desktop->failure().toStdString();
        m_screen = std::make_unique<ScreenProbe>(*m_desktop);
        m_timer = std::make_unique<StoredTimer>(m_desktop->storePath());
    }

    void TearDown() override
    {
        m_program.reset();
        if (HasFailure() && m_desktop)
            std::cerr << "--- the program's log ---\n" << m_desktop->programLog().toStdString() << "---\n";
        m_timer.reset();
        m_screen.reset();
        m_desktop.reset();
    }

    void startProgram(const QStringList& arguments = {}, const QProcessEnvironment& extra = {})
    {
        m_program = m_desktop->startProgram(arguments, extra);
    }

    // Waits for the stored timer to reach `mode`.
    bool waitForMode(TimerMode mode, std::chrono::milliseconds timeout = std::chrono::seconds(5))
    {
        return platform::test::waitUntil([&] { return m_timer->mode() == mode; }, timeout);
    }

    // Waits for the one window of the program inside a window of class
    // `hostClass` (or for a top-level one when empty); its id, or empty.
    QString waitForProgramWindow(const QString& hostClass, std::chrono::milliseconds timeout = std::chrono::seconds(15))
    {
        QStringList found;
        platform::test::waitUntil([&] { return !(found = m_screen->programWindows(hostClass)).isEmpty(); }, timeout);
        return found.isEmpty() ? QString() : found.first();
    }

    // With the StatusNotifierWatcher: the bus name of the item the program
    // registered; empty when none did.
    QString waitForItem()
    {
        QStringList lines;
        platform::test::waitUntil(
            [&] { return !(lines = m_desktop->watcherLines(std::chrono::milliseconds(50))).isEmpty(); },
            std::chrono::seconds(15));
        if (lines.isEmpty())
            return {};
        // "item <sender> <argument>": the argument is a bus name or only a path.
        const QStringList fields = lines.first().split(QLatin1Char(' '));
        if (fields.size() != 3)
            return {};
        return fields[2].startsWith(QLatin1Char('/')) ? fields[1] : fields[2];
    }

    // Where the programs were installed, for a desktop that uses them so.
    TestDesktop::Installed m_installed;
    std::unique_ptr<TestDesktop> m_desktop;
    std::unique_ptr<ScreenProbe> m_screen;
    std::unique_ptr<StoredTimer> m_timer;
    std::unique_ptr<DesktopProcess> m_program;
};
