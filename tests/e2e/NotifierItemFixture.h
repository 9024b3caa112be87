#pragma once

// A test on a desktop whose tray is a StatusNotifierWatcher on the bus: the
// program's item registers there and the test talks to it as a host would.

#include "EndToEndFixture.h"

#include <QDBusMessage>

class OnNotifierBus : public OnDesktop<TestDesktop::Tray::NotifierWatcher> {
protected:
    // The bus name of the item the program registered; empty when none did.
    QString waitForItem()
    {
        using namespace std::chrono_literals;
        QStringList lines;
        platform::test::waitUntil([&] { return !(lines = m_desktop->watcherLines(50ms)).isEmpty(); }, 15s);
        if (lines.isEmpty())
            return {};
        // "item <sender> <argument>": the argument is a bus name or only a path.
        const QStringList fields = lines.first().split(QLatin1Char(' '));
        if (fields.size() != 3)
            return {};
        return fields[2].startsWith(QLatin1Char('/')) ? fields[1] : fields[2];
    }

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
