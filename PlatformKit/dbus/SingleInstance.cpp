// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/dbus/SingleInstance.h"

#include "PlatformKit/core/Logging.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>
#include <QVariantMap>

#include <algorithm>

#include <unistd.h>

namespace platform {
namespace {

const QString applicationInterface = QStringLiteral("org.freedesktop.Application");

} // namespace

QString sessionLockPath(const QString& name, const QString& runtimeDir, const QString& tempDir, uint userId)
{
    // A relative runtime folder is as good as none.
    if (!runtimeDir.isEmpty() && QDir::isAbsolutePath(runtimeDir))
        return QDir(runtimeDir).filePath(name + QStringLiteral(".lock"));
    return QDir(tempDir).filePath(QStringLiteral("%1-%2.lock").arg(name).arg(userId));
}

// The object the bus calls. Each call is answered at once and performed on a
// later turn of the event loop: a link may open a modal dialog, and the
// calling process should not wait for the user.
class ApplicationObject final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationObject(SingleInstance& owner)
        : m_owner(owner)
    {
    }

public slots:
    Q_SCRIPTABLE void Activate([[maybe_unused]] const QVariantMap& platformData)
    {
        QMetaObject::invokeMethod(
            &m_owner, [owner = &m_owner] { owner->deliverActivate(); }, Qt::QueuedConnection);
    }

    Q_SCRIPTABLE void Open(const QStringList& uris, [[maybe_unused]] const QVariantMap& platformData)
    {
        const QList<QUrl> urls = m_owner.acceptedLinks(uris);
        if (urls.isEmpty())
            return;
        QMetaObject::invokeMethod(
            &m_owner, [owner = &m_owner, urls] { owner->deliverOpen(urls); }, Qt::QueuedConnection);
    }

    // The program declares no actions; an unknown one is ignored.
    Q_SCRIPTABLE void ActivateAction([[maybe_unused]] const QString& actionName,
                                     [[maybe_unused]] const QVariantList& parameter,
                                     [[maybe_unused]] const QVariantMap& platformData)
    {
    }

private:
    SingleInstance& m_owner;
};

SingleInstance::SingleInstance(QString serviceName, QString objectPath, QString lockPath, QObject* parent)
    : QObject(parent)
    , m_serviceName(std::move(serviceName))
    , m_objectPath(std::move(objectPath))
    , m_lockPath(!lockPath.isEmpty() ? std::move(lockPath)
                                     : sessionLockPath(m_serviceName, qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                                       QDir::tempPath(), ::getuid()))
{
}

SingleInstance::~SingleInstance()
{
    release();
}

SingleInstance::Role SingleInstance::claim(const QList<QUrl>& urls)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return runAlone();
    // The object is in place before the name is taken: a call that started
    // this copy through D-Bus activation is delivered as soon as the name is
    // ours.
    if (!m_exported) {
        m_exported = std::make_unique<ApplicationObject>(*this);
        if (!bus.registerObject(m_objectPath, m_exported.get(), QDBusConnection::ExportScriptableSlots)) {
            m_exported.reset();
            return runAlone();
        }
    }
    // The owner may quit between our request and our call; then try once more.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (bus.registerService(m_serviceName)) {
            m_ownsName = true;
            // A copy without the bus may be running on the same store.
            if (!lock()) {
                release();
                return Role::Unreachable;
            }
            return Role::Primary;
        }
        switch (forward(urls)) {
        case Forward::Taken:
            release();
            return Role::Forwarded;
        case Forward::NoAnswer:
            release();
            return Role::OwnerNotAnswering;
        case Forward::NoOwner:
            break;
        }
    }
    release();
    return runAlone();
}

SingleInstance::Role SingleInstance::runAlone()
{
    return lock() ? Role::Alone : Role::Unreachable;
}

bool SingleInstance::lock()
{
    if (m_lock && m_lock->isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_lockPath).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Only a dead holder makes a lock stale, never its age: the first copy
    // may run for weeks.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    m_lock.reset();
    return false;
}

SingleInstance::Forward SingleInstance::forward(const QList<QUrl>& urls) const
{
    QDBusMessage call;
    if (urls.isEmpty()) {
        call = QDBusMessage::createMethodCall(m_serviceName, m_objectPath, applicationInterface,
                                              QStringLiteral("Activate"));
        call << QVariantMap();
    } else {
        QStringList uris;
        for (const QUrl& url : urls)
            uris.append(url.toString(QUrl::FullyEncoded));
        call
            = QDBusMessage::createMethodCall(m_serviceName, m_objectPath, applicationInterface, QStringLiteral("Open"));
        call << uris << QVariantMap();
    }
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, forwardTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return Forward::Taken;
    const QString error = reply.errorName();
    if (error == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
        || error == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return Forward::NoOwner;
    return Forward::NoAnswer;
}

QList<QUrl> SingleInstance::acceptedLinks(const QStringList& uris)
{
    if (uris.size() > maxLinksPerCall && !m_warnedOfTooManyLinks) {
        m_warnedOfTooManyLinks = true;
        qCWarning(lcDbus) << "Open call with" << uris.size() << "links; only the first" << maxLinksPerCall
                          << "are taken";
    }
    QList<QUrl> urls;
    for (const QString& uri : uris.first(std::min<qsizetype>(uris.size(), maxLinksPerCall))) {
        // A malformed link is ignored, not guessed at.
        const QUrl url(uri, QUrl::StrictMode);
        if (url.isValid())
            urls.append(url);
    }
    return urls;
}

void SingleInstance::deliverOpen(const QList<QUrl>& urls)
{
    if (m_onOpen)
        m_onOpen(urls);
}

void SingleInstance::deliverActivate()
{
    if (m_onActivate)
        m_onActivate();
}

void SingleInstance::release()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (m_ownsName) {
        bus.unregisterService(m_serviceName);
        m_ownsName = false;
    }
    if (m_exported) {
        bus.unregisterObject(m_objectPath);
        m_exported.reset();
    }
}

} // namespace platform

#include "SingleInstance.moc"
