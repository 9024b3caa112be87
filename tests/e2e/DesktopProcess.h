// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One program of a test desktop, started in a process group of its own so
// that ending it also ends whatever it started.

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

#include <csignal>
#include <unistd.h>

class DesktopProcess {
public:
    // Standard output is kept for `readLine`; standard error goes to `logFile`
    // (or is dropped when empty).
    DesktopProcess(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                   const QString& logFile = {})
    {
        m_process.setProcessEnvironment(environment);
        m_process.setChildProcessModifier([] { ::setsid(); });
        if (logFile.isEmpty())
            m_process.setStandardErrorFile(QProcess::nullDevice());
        else
            m_process.setStandardErrorFile(logFile, QIODevice::Append);
        m_elapsed.start();
        m_process.start(program, arguments);
        m_process.waitForStarted(5000);
        if (m_process.state() == QProcess::Running)
            m_group = static_cast<pid_t>(m_process.processId());
    }
    ~DesktopProcess() { stop(); }
    DesktopProcess(const DesktopProcess&) = delete;
    DesktopProcess& operator=(const DesktopProcess&) = delete;

    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 pid() const { return m_group; }

    // The next line of standard output, without its end; none when the
    // process writes none in time.
    std::optional<QString> readLine(std::chrono::milliseconds timeout)
    {
        QElapsedTimer waited;
        waited.start();
        while (!m_process.canReadLine()) {
            const auto left = timeout.count() - waited.elapsed();
            if (left <= 0 || !m_process.waitForReadyRead(static_cast<int>(left)))
                return m_process.canReadLine() ? std::optional(line()) : std::nullopt;
        }
        return line();
    }

    // Its exit code once it has exited normally within `timeout`; none when it
    // is still running (then it is left running) or crashed.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout)
    {
        if (isRunning() && !m_process.waitForFinished(static_cast<int>(timeout.count())))
            return std::nullopt;
        if (!m_exitedAfter)
            m_exitedAfter = m_elapsed.elapsed();
        if (m_process.exitStatus() != QProcess::NormalExit)
            return std::nullopt;
        return m_process.exitCode();
    }
    // Milliseconds from the start to the exit seen by `waitForExit`.
    std::optional<qint64> exitedAfterMs() const { return m_exitedAfter; }

    // Sends `signal` to the whole group.
    void signalGroup(int signal) const
    {
        if (m_group > 0)
            ::kill(-m_group, signal);
    }

    // Asks the group to end, then kills whatever is left of it.
    void stop()
    {
        if (m_group <= 0)
            return;
        if (isRunning()) {
            signalGroup(SIGTERM);
            m_process.waitForFinished(2000);
        }
        // Also reaches children that outlived the leader.
        signalGroup(SIGKILL);
        if (isRunning())
            m_process.waitForFinished(2000);
        m_group = 0;
    }

private:
    QString line() { return QString::fromLocal8Bit(m_process.readLine()).trimmed(); }

    QProcess m_process;
    QElapsedTimer m_elapsed;
    std::optional<qint64> m_exitedAfter;
    pid_t m_group = 0;
};
