// SPDX-License-Identifier: GPL-3.0-or-later
// The XDG autostart entry: where it goes, what it says, and when it counts
// as enabled.
#include "PlatformKit/session/AutostartEntry.h"

#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

using platform::AutostartEntry;
using platform::test::writeFile;

namespace {

// Sets an environment variable for one scope, then puts it back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~ScopedEnvironment() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

TEST(AutostartEntry, LivesUnderTheConfigHome)
{
    const QString home = QDir::homePath();
    struct Case {
        QByteArray configHome;
        QString directory;
    };
    const Case cases[] = {
        {"/tmp/elsewhere", QStringLiteral("/tmp/elsewhere/autostart")},
        {QByteArray(), home + QStringLiteral("/.config/autostart")},
        {"", home + QStringLiteral("/.config/autostart")},
        {"relative/path", home + QStringLiteral("/.config/autostart")},
    };
    for (const Case& c : cases) {
        ScopedEnvironment configHome("XDG_CONFIG_HOME", c.configHome);
        EXPECT_EQ(AutostartEntry::directory(), c.directory) << c.configHome.constData();
    }
    const ScopedEnvironment configHome("XDG_CONFIG_HOME", "/tmp/elsewhere");
    EXPECT_EQ(
        AutostartEntry(QStringLiteral("com.example.App"), QStringLiteral("App"), QStringLiteral("app")).filePath(),
        QStringLiteral("/tmp/elsewhere/autostart/com.example.App.desktop"));
}

TEST(AutostartEntry, ExecQuotesWhatTheFormatReserves)
{
    struct Case {
        QString command;
        QString exec;
    };
    const Case cases[] = {
        {QStringLiteral("kelvane"), QStringLiteral("kelvane")},
        {QStringLiteral("/usr/bin/kelvane"), QStringLiteral("/usr/bin/kelvane")},
        {QStringLiteral("/home/me/My Apps/kelvane"), QStringLiteral("\"/home/me/My Apps/kelvane\"")},
        {QStringLiteral("/opt/$x/kelvane"), QStringLiteral("\"/opt/\\\\$x/kelvane\"")},
        {QStringLiteral("/opt/a\"b/kelvane"), QStringLiteral("\"/opt/a\\\\\"b/kelvane\"")},
        {QStringLiteral("/opt/100%/kelvane"), QStringLiteral("/opt/100%%/kelvane")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutostartEntry::execValue(c.command), c.exec) << c.command.toStdString();
}

class AutostartFile : public ::testing::Test {
protected:
    void TearDown() override { QDir(AutostartEntry::directory()).removeRecursively(); }

    AutostartEntry entry{QStringLiteral("com.example.App"), QStringLiteral("App"),
                         QStringLiteral("/home/me/My Apps/app")};
};

TEST_F(AutostartFile, WrittenEntryStartsTheCommand)
{
    ASSERT_TRUE(entry.write());
    QFile file(entry.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.value(0), u"[Desktop Entry]");
    for (const char* line : {"Type=Application", "Name=App", "Exec=\"/home/me/My Apps/app\""})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
    EXPECT_FALSE(lines.filter(QStringLiteral("Hidden")).size());
    EXPECT_TRUE(entry.isEnabled());

    ASSERT_TRUE(entry.remove());
    EXPECT_FALSE(QFile::exists(entry.filePath()));
    EXPECT_FALSE(entry.isEnabled());
    EXPECT_TRUE(entry.remove()) << "removing what is not there is no failure";
}

TEST_F(AutostartFile, HiddenInTheMainGroupDisables)
{
    struct Case {
        const char* contents;
        bool enabled;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nExec=app\n", true},
        {"[Desktop Entry]\nExec=app\nHidden=true\n", false},
        {"[Desktop Entry]\nHidden = true\nExec=app\n", false},
        {"[Desktop Entry]\nExec=app\nHidden=false\n", true},
        {"[Desktop Entry]\nExec=app\n[Desktop Action quit]\nHidden=true\n", true},
        {"# Hidden=true\n[Desktop Entry]\nExec=app\n", true},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(writeFile(entry.filePath(), c.contents));
        EXPECT_EQ(entry.isEnabled(), c.enabled) << c.contents;
    }
}

} // namespace
