// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/session/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

#include <algorithm>

namespace platform {

AutostartEntry::AutostartEntry(QString applicationID, QString name, QString command)
    : m_applicationID(std::move(applicationID))
    , m_name(std::move(name))
    , m_command(std::move(command))
{
}

QString AutostartEntry::directory()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty() || !QDir::isAbsolutePath(configHome))
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/autostart");
}

QString AutostartEntry::filePath() const
{
    return directory() + QLatin1Char('/') + m_applicationID + QStringLiteral(".desktop");
}

bool AutostartEntry::isEnabled() const
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // Hidden=true in the entry's main group means the user removed it.
    QTextStream in(&file);
    bool inMainGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inMainGroup && equals > 0 && line.left(equals).trimmed() == QStringLiteral("Hidden"))
            return line.mid(equals + 1).trimmed() != QStringLiteral("true");
    }
    return true;
}

bool AutostartEntry::write() const
{
    if (!QDir().mkpath(directory()))
        return false;
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QStringList lines = {
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + m_name,
        QStringLiteral("Exec=") + execValue(m_command),
        QStringLiteral("Icon=") + m_applicationID,
        QStringLiteral("Terminal=false"),
        QStringLiteral("X-GNOME-Autostart-enabled=true"),
    };
    file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    return file.commit();
}

bool AutostartEntry::remove() const
{
    QFile file(filePath());
    return !file.exists() || file.remove();
}

QString AutostartEntry::execValue(const QString& command)
{
    // Arguments with reserved characters go in double quotes, with the
    // quote's own specials escaped; then the value escapes its backslashes.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool needsQuotes = std::any_of(command.begin(), command.end(), [](QChar c) { return reserved.contains(c); });
    QString argument = command;
    if (needsQuotes) {
        argument.clear();
        for (const QChar c : command) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                argument += QLatin1Char('\\');
            argument += c;
        }
        argument = QLatin1Char('"') + argument + QLatin1Char('"');
    }
    // A literal percent is doubled: the rest are field codes.
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    argument.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    argument.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    argument.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return argument;
}

} // namespace platform
