// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A private X server (Xvfb) on a free display for one test, ended with it.

#include "support/WaitUntil.h"

#include <QByteArray>
#include <QProcess>

#include <chrono>

class XvfbServer {
public:
    XvfbServer()
    {
        // -displayfd picks a free display and writes its number to stdout.
        m_process.start(QStringLiteral("Xvfb"),
                        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                         QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                         QStringLiteral("640x480x24")});
        if (platform::test::waitUntil([&] { return m_process.canReadLine(); }, std::chrono::seconds(10)))
            m_display = ":" + m_process.readLine().trimmed();
    }
    ~XvfbServer()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":<number>", or empty when the server did not start.
    const QByteArray& display() const { return m_display; }
    QByteArray errors() { return m_process.readAllStandardError(); }

private:
    QProcess m_process;
    QByteArray m_display;
};
