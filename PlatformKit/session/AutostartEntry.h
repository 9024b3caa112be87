// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// The user's XDG autostart entry that starts a program at login:
// `<config home>/autostart/<applicationID>.desktop`.
class AutostartEntry {
public:
    // `command` is the program to start: a name looked up in PATH or an
    // absolute path; it is quoted as the desktop entry format needs.
    AutostartEntry(QString applicationID, QString name, QString command);

    // `$XDG_CONFIG_HOME/autostart`, or `~/.config/autostart` when that is
    // unset or not an absolute path.
    static QString directory();
    QString filePath() const;

    // Whether the entry is there and not hidden.
    bool isEnabled() const;
    // Both return whether the file is as asked afterwards.
    bool write() const;
    bool remove() const;

    // The Exec value that runs `command` with no arguments.
    static QString execValue(const QString& command);

private:
    QString m_applicationID;
    QString m_name;
    QString m_command;
};

} // namespace platform
