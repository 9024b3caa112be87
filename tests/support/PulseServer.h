// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A PulseAudio server of the test's own on a null sink, and a recording of
// what that sink plays.

#include "support/WaitUntil.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <cstring>
#include <vector>

namespace platform::test {

// Asks `process` to end, and kills it if it will not.
inline void endProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
    }
}

// A PulseAudio daemon with one null sink, listening on a socket in a
// directory of the test's own; the clients of this process are pointed at it.
class PulseServer {
public:
    explicit PulseServer(const QString& directory)
        : m_directory(directory)
        , m_socket(directory + QStringLiteral("/native"))
    {
        QFile config(directory + QStringLiteral("/client.conf"));
        if (config.open(QIODevice::WriteOnly))
            config.write("autospawn = no\n");
        qputenv("PULSE_SERVER", ("unix:" + m_socket).toLocal8Bit());
        qputenv("PULSE_RUNTIME_PATH", directory.toLocal8Bit());
        qputenv("PULSE_STATE_PATH", (directory + QStringLiteral("/state")).toLocal8Bit());
        qputenv("PULSE_CLIENTCONFIG", config.fileName().toLocal8Bit());
    }
    ~PulseServer() { stop(); }
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Starts the daemon and waits until it listens.
    bool start()
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.start(QStringLiteral("pulseaudio"),
                        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--system=false"),
                         QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
                         QStringLiteral("--log-level=error"), QStringLiteral("--load=module-null-sink sink_name=test"),
                         QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + m_socket});
        return m_process.waitForStarted()
            && waitUntil([&] { return QFileInfo::exists(m_socket) || m_process.state() != QProcess::Running; })
            && m_process.state() == QProcess::Running;
    }

    void stop()
    {
        endProcess(m_process);
        // Gone with the daemon unless it was killed; the next one binds here.
        QFile::remove(m_socket);
    }

private:
    QString m_directory;
    QString m_socket;
    QProcess m_process;
};

// Records what the test sink plays, as mono float at `rate` samples a second.
class MonitorRecording {
public:
    MonitorRecording(const QString& path, int rate)
        : m_path(path)
        , m_rate(rate)
    {
    }
    ~MonitorRecording() { stop(); }
    MonitorRecording(const MonitorRecording&) = delete;
    MonitorRecording& operator=(const MonitorRecording&) = delete;

    // Starts recording and waits until the first samples arrive.
    bool start()
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.setStandardOutputFile(m_path);
        m_process.start(QStringLiteral("parec"),
                        {QStringLiteral("-d"), QStringLiteral("test.monitor"), QStringLiteral("--raw"),
                         QStringLiteral("--format=float32le"), QStringLiteral("--channels=1"),
                         QStringLiteral("--rate=%1").arg(m_rate), QStringLiteral("--latency-msec=10")});
        return m_process.waitForStarted() && waitUntil([&] { return QFileInfo(m_path).size() > 0; });
    }

    void stop() { endProcess(m_process); }

    std::vector<float> samples() const
    {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        std::vector<float> result(static_cast<std::size_t>(bytes.size()) / sizeof(float));
        std::memcpy(result.data(), bytes.constData(), result.size() * sizeof(float));
        return result;
    }

private:
    QString m_path;
    int m_rate;
    QProcess m_process;
};

} // namespace platform::test
