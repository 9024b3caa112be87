// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The kelvane program as a child process of a test, with the test's private
// home and XDG directories and no display.

#include "support/WaitUntil.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <chrono>

class ProgramProcess {
public:
    explicit ProgramProcess(const QStringList& arguments,
                            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        QObject::connect(&m_process, &QProcess::finished, [this] { m_exitedAfter = m_elapsed.elapsed(); });
        m_elapsed.start();
        m_process.start(QStringLiteral(KELVANE_PROGRAM), arguments);
    }
    ~ProgramProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000)) {
                m_process.kill();
                m_process.waitForFinished(5000);
            }
        }
    }
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    // Runs the event loop until the process has exited; its exit code, or -1
    // if it is still running after `timeout` or crashed.
    int waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        platform::test::waitUntil([&] { return !isRunning(); }, timeout);
        if (isRunning() || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }

    // Milliseconds from the start to the exit (as the event loop saw it), or
    // to now while it runs.
    qint64 elapsedMs() const { return m_exitedAfter >= 0 ? m_exitedAfter : m_elapsed.elapsed(); }

private:
    QProcess m_process;
    QElapsedTimer m_elapsed;
    qint64 m_exitedAfter = -1;
};
