// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A test on a desktop whose tray is a StatusNotifierWatcher on the bus: the
// program's item registers there and the test talks to it as a host would.

#include "EndToEndFixture.h"

#include <QDBusMessage>

class OnNotifierBus : public OnDesktop<TestDesktop::Tray::NotifierWatcher> {
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
