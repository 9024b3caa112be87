// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A private desktop for one end-to-end test: an X server, a session bus, a
// window manager, a notification server and, as asked, a tray host or a
// StatusNotifierWatcher, all in a temporary home that is removed afterwards.
// Everything it starts is ended with it.

#include "DesktopProcess.h"
#include "XConnection.h"

#include <QDBusConnection>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class TestDesktop {
public:
    enum class Tray {
        None, // no tray at all: the program falls back to its strip window
        XEmbedHost, // trayer
        NotifierWatcher, // the test's own StatusNotifierWatcher on the bus
    };

    // A prefix the programs were installed into: its programs come first on
    // PATH, its data folder first in XDG_DATA_DIRS, and the bus starts the
    // services it describes.
    struct Installed {
        QString binDir;
        QString dataDir;
    };

    // The programs a desktop with `tray` needs that are not on PATH.
    static QStringList missingTools(Tray tray, const QStringList& more = {});

    explicit TestDesktop(Tray tray, const Installed& installed = {});
    ~TestDesktop();
    TestDesktop(const TestDesktop&) = delete;
    TestDesktop& operator=(const TestDesktop&) = delete;

    // Empty once every service is up; otherwise what failed.
    const QString& failure() const { return m_failure; }

    QProcessEnvironment environment() const { return m_environment; }
    const QString& busAddress() const { return m_busAddress; }
    // The test's own connection to the private bus.
    QDBusConnection bus() const;
    QSize screenSize() const { return m_x ? m_x->screenSize() : QSize(); }
    QString storePath() const;
    QString path(const QString& relative) const { return m_root.filePath(relative); }

    // The kelvane program on this desktop; its standard error goes to a log
    // shown by `programLog`. `extra` is added to the desktop's environment.
    std::unique_ptr<DesktopProcess> startProgram(const QStringList& arguments = {},
                                                 const QProcessEnvironment& extra = {}) const;
    // A helper or tool on this desktop, its standard error in the same log.
    std::unique_ptr<DesktopProcess> start(const QString& program, const QStringList& arguments,
                                          const QProcessEnvironment& extra = {}) const;
    QString programLog() const;

    // Runs a command-line tool to its end; its standard output, or none when
    // it fails or takes longer than `timeout`.
    std::optional<QString> run(const QString& tool, const QStringList& arguments,
                               std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

    // A PulseAudio server on a null sink ("test"), for programs started from
    // now on; its socket is in the desktop's runtime folder. Again after
    // `killService("pulseaudio")`, a new server on the same socket.
    bool startSoundServer();
    // The notification server (dunst), again after `killService("dunst")`.
    bool startNotificationServer();
    // Kills a service started by name ("dunst", "pulseaudio") at once, as a
    // crash would, and waits for it to be gone.
    void killService(const QString& name);

    // The StatusNotifierWatcher's lines ("item <sender> <argument>"), read so far.
    QStringList watcherLines(std::chrono::milliseconds wait);

    // Starts a service of this desktop, ended with it (or by `killService(name)`).
    DesktopProcess& launch(const QString& name, const QString& program, const QStringList& arguments);
    bool busNameOwned(const QString& name) const;
    bool hasSelectionOwner(const char* name) const { return m_x && m_x->hasSelectionOwner(name); }

private:
    bool startServices(Tray tray, const QString& serviceDir);

    QTemporaryDir m_root;
    QProcessEnvironment m_environment;
    QString m_busAddress;
    QString m_busConnectionName;
    std::unique_ptr<XConnection> m_x;
    // Started in order, ended in reverse.
    std::vector<std::pair<QString, std::unique_ptr<DesktopProcess>>> m_services;
    DesktopProcess* m_watcher = nullptr;
    QStringList m_watcherLines;
    QString m_failure;
};
