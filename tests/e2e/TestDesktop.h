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
#include <vector>

class TestDesktop {
public:
    enum class Tray {
        None,            // no tray at all: the program falls back to its strip window
        XEmbedHost,      // trayer
        NotifierWatcher, // the test's own StatusNotifierWatcher on the bus
    };

    // The programs a desktop with `tray` needs that are not on PATH.
    static QStringList missingTools(Tray tray, const QStringList& more = {});

    explicit TestDesktop(Tray tray);
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
    // shown by `programLog`.
    std::unique_ptr<DesktopProcess> startProgram(const QStringList& arguments = {}) const;
    // A helper or tool on this desktop, its standard error in the same log.
    std::unique_ptr<DesktopProcess> start(const QString& program, const QStringList& arguments) const;
    QString programLog() const;

    // Runs a command-line tool to its end; its standard output, or none when
    // it fails or takes longer than `timeout`.
    std::optional<QString> run(const QString& tool, const QStringList& arguments,
                               std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

    // The StatusNotifierWatcher's lines ("item <sender> <argument>"), read so far.
    QStringList watcherLines(std::chrono::milliseconds wait);

private:
    bool startServices(Tray tray);
    DesktopProcess& launch(const QString& name, const QString& program, const QStringList& arguments);

    QTemporaryDir m_root;
    QProcessEnvironment m_environment;
    QString m_busAddress;
    QString m_busConnectionName;
    std::unique_ptr<XConnection> m_x;
    // Started in order, ended in reverse.
    std::vector<std::unique_ptr<DesktopProcess>> m_services;
    DesktopProcess* m_watcher = nullptr;
    QStringList m_watcherLines;
    QString m_failure;
};
