// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QLockFile;

namespace platform {

// Where the session's copy of the program named `name` keeps its lock: in the
// user's runtime folder, or, when there is none, in the folder for temporary
// files under a name of this user's own. Pure.
QString sessionLockPath(const QString& name, const QString& runtimeDir, const QString& tempDir, uint userId);

// One running copy of a program per desktop session. The first copy owns a
// well-known name on the session bus and exports org.freedesktop.Application
// (Activate, Open, ActivateAction) at an object path; a later copy hands its
// URLs, or a bare activation, to that one instead of starting anew. The same
// interface lets the desktop start the program by D-Bus activation and send
// it links. Needs a QCoreApplication; use it from the main thread.
//
// A copy that runs also holds a lock file, so that without a bus (or with a
// bus on one side only) a second copy still knows it is not the first: two
// copies would write one store.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    enum class Role {
        // This copy owns the name and takes calls.
        Primary,
        // Another copy owns the name and has taken the URLs or activation.
        Forwarded,
        // There is no session bus (or the name cannot be had): run alone.
        Alone,
        // Another copy owns the name but did not take the call (no answer
        // in time, or an error).
        OwnerNotAnswering,
        // Another copy holds the session's lock but cannot be reached on the
        // bus (one of the two has none): nothing was handed over.
        Unreachable,
    };

    // An empty `lockPath` is the session's own (sessionLockPath of the
    // service name in this process's environment).
    SingleInstance(QString serviceName, QString objectPath, QString lockPath = {}, QObject* parent = nullptr);
    // Gives the name back, so a copy started later becomes the first.
    ~SingleInstance() override;

    // What an Open call of another process asks for; it runs on a later turn
    // of the event loop, after the caller has had its answer.
    void setOnOpen(std::function<void(const QList<QUrl>&)> onOpen) { m_onOpen = std::move(onOpen); }
    // A bare activation (a copy started without URLs); also on a later turn.
    void setOnActivate(std::function<void()> onActivate) { m_onActivate = std::move(onActivate); }

    // Takes the name; when another copy holds it, calls Open on that copy with
    // `urls`, or Activate when there are none. Returns once the other copy has
    // answered, at most a few seconds.
    Role claim(const QList<QUrl>& urls);

    // How long a forwarding call waits for the owner's answer.
    static constexpr int forwardTimeoutMs = 3000;
    // The most links one Open call is taken with; the rest are dropped.
    static constexpr qsizetype maxLinksPerCall = 32;

private:
    friend class ApplicationObject;
    enum class Forward { Taken, NoOwner, NoAnswer };
    Forward forward(const QList<QUrl>& urls) const;
    // The valid links among the first few of an Open call.
    QList<QUrl> acceptedLinks(const QStringList& uris);
    void deliverOpen(const QList<QUrl>& urls);
    void deliverActivate();
    void release();
    // Holds the session's lock; false when another live copy holds it.
    bool lock();
    // The role of a copy that runs without the bus.
    Role runAlone();

    const QString m_serviceName;
    const QString m_objectPath;
    const QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QObject> m_exported;
    bool m_ownsName = false;
    bool m_warnedOfTooManyLinks = false;
    std::function<void(const QList<QUrl>&)> m_onOpen;
    std::function<void()> m_onActivate;
};

} // namespace platform
