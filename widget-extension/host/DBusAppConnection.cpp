// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/host/DBusAppConnection.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int callTimeoutMs = 25000; // D-Bus activation may take a while
}

DBusAppConnection::DBusAppConnection(QString serviceName, QString objectPath, Fallbacks fallbacks)
    : m_serviceName(std::move(serviceName))
    , m_objectPath(std::move(objectPath))
    , m_fallbacks(std::move(fallbacks))
{
}

void DBusAppConnection::activate()
{
    call(u"Activate"_s, {QVariantMap()}, m_fallbacks.startProgram);
}

void DBusAppConnection::open(const QUrl& url)
{
    call(u"Open"_s, {QStringList{url.toString()}, QVariantMap()}, [openUrl = m_fallbacks.openUrl, url] {
        if (openUrl)
            openUrl(url);
    });
}

void DBusAppConnection::call(const QString& method, const QVariantList& arguments, std::function<void()> fallback) const
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (fallback)
            fallback();
        return;
    }
    QDBusMessage message
        = QDBusMessage::createMethodCall(m_serviceName, m_objectPath, u"org.freedesktop.Application"_s, method);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, callTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [fallback = std::move(fallback)](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         const QDBusPendingReply<> reply = *finished;
                         // Only when no one owns the name and nothing can be
                         // activated for it; a slow or failing app is left be.
                         if (reply.isError() && reply.error().type() == QDBusError::ServiceUnknown && fallback)
                             fallback();
                     });
}
