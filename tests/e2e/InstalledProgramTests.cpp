// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a user installs it: `cmake --install` into a prefix of the
// test's own, the desktop database updated, and then kelvane:// links opened
// the desktop's ways (xdg-open runs the entry's command, gio starts it through
// the bus) with the program not running and running; the uninstall takes the
// link handler away again.
#include "EndToEndFixture.h"

#include "support/Files.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace std::chrono_literals;
using platform::test::readFile;
using platform::test::writeFile;

namespace {

const QString toggleLink = QStringLiteral("kelvane://timer/toggle");
const QString entryName = QStringLiteral("com.morrowfen.Kelvane.desktop");
const QString serviceName = QStringLiteral("com.morrowfen.Kelvane");
const QString manifestPath = QStringLiteral(E2E_BUILD_DIR "/install_manifest.txt");

// Installs the build into `prefix`; the manifest it writes is moved to
// `manifest`, and the build folder's own (of a real install) is put back.
QString installInto(const QString& prefix, const QString& manifest)
{
    const auto saved = readFile(manifestPath);
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(E2E_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(E2E_BUILD_DIR), QStringLiteral("--prefix"), prefix});
    const bool finished = install.waitForFinished(60000);
    const auto written = readFile(manifestPath);
    QFile::remove(manifestPath);
    if (saved && !writeFile(manifestPath, *saved))
        return QStringLiteral("the build's install manifest could not be put back");
    if (!finished || install.exitStatus() != QProcess::NormalExit || install.exitCode() != 0)
        return QStringLiteral("cmake --install failed: ") + QString::fromLocal8Bit(install.readAll());
    if (!written || !writeFile(manifest, *written))
        return QStringLiteral("no install manifest");
    return {};
}

class InstalledProgram : public OnDesktop<TestDesktop::Tray::XEmbedHost> {
protected:
    QStringList moreTools() const override
    {
        return {QStringLiteral("xdg-open"), QStringLiteral("xdg-mime"), QStringLiteral("gio"),
                QStringLiteral("update-desktop-database")};
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_prefix.isValid());
        m_installed = {m_prefix.filePath(QStringLiteral(E2E_INSTALL_BINDIR)),
                       m_prefix.filePath(QStringLiteral(E2E_INSTALL_DATADIR))};
        m_manifest = m_prefix.filePath(QStringLiteral("install_manifest.txt"));
        const QString failure = installInto(m_prefix.path(), m_manifest);
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        OnDesktop::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(m_desktop->run(QStringLiteral("update-desktop-database"), {applications()}));
    }

    void TearDown() override
    {
        // A program the bus started is no child of the test's.
        if (const qint64 pid = programPid(); pid > 0)
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        OnDesktop::TearDown();
    }

    QString applications() const { return m_installed.dataDir + QStringLiteral("/applications"); }
    QString installedProgram() const { return m_installed.binDir + QStringLiteral("/kelvane"); }

    QString schemeHandler() const
    {
        return m_desktop
            ->run(QStringLiteral("xdg-mime"),
                  {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/kelvane")})
            .value_or(QString())
            .trimmed();
    }

    // The process that owns the program's bus name, or 0.
    qint64 programPid() const
    {
        if (!m_desktop || m_desktop->busAddress().isEmpty())
            return 0;
        const auto pid = m_desktop->bus().interface()->servicePid(serviceName);
        return pid.isValid() ? pid.value() : 0;
    }

    // The binary of the running program, once one owns the bus name.
    QString runningBinary()
    {
        qint64 pid = 0;
        platform::test::waitUntil([&] { return (pid = programPid()) > 0; }, 10s);
        return pid > 0 ? QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() : QString();
    }

    // Opens the link with `opener` and waits for it to have handed it over.
    void open(const QString& opener, const QStringList& arguments)
    {
        // Links less than a second apart count as one sent twice.
        platform::test::runEventLoop(1100ms);
        const auto second = m_desktop->start(opener, arguments);
        EXPECT_EQ(second->waitForExit(10s), 0) << opener.toStdString() << " failed";
    }

    QTemporaryDir m_prefix;
    QString m_manifest;
};

TEST_F(InstalledProgram, XdgOpenStartsTheProgramForALinkAndThenHandsLinksToIt)
{
    ASSERT_EQ(schemeHandler(), entryName) << "the desktop database does not name the program for kelvane://";

    // Not running: xdg-open runs the entry's command, which stays with it.
    m_program = m_desktop->start(QStringLiteral("xdg-open"), {toggleLink});
    ASSERT_TRUE(waitForMode(TimerMode::Running, 15s)) << "the link did not start the program and its timer";
    EXPECT_EQ(runningBinary(), installedProgram());
    EXPECT_FALSE(waitForProgramWindow(QStringLiteral("trayer")).isEmpty()) << "no icon in the tray";

    // Running: the second copy hands the link over and ends.
    open(QStringLiteral("xdg-open"), {toggleLink});
    EXPECT_TRUE(waitForMode(TimerMode::Paused)) << "the link did not reach the running program";
    EXPECT_TRUE(m_program->isRunning());
}

TEST_F(InstalledProgram, TheBusStartsTheProgramForALinkOpenedThroughItsService)
{
    // gio opens a D-Bus activatable entry's links through the bus, which
    // starts the program from the installed service file.
    open(QStringLiteral("gio"), {QStringLiteral("open"), toggleLink});
    ASSERT_TRUE(waitForMode(TimerMode::Running, 15s)) << "the bus did not start the program for the link";
    EXPECT_EQ(runningBinary(), installedProgram());

    open(QStringLiteral("gio"), {QStringLiteral("open"), toggleLink});
    EXPECT_TRUE(waitForMode(TimerMode::Paused)) << "the link did not reach the running program";
}

TEST_F(InstalledProgram, AfterTheUninstallNoProgramIsNamedForTheLinks)
{
    ASSERT_EQ(schemeHandler(), entryName);
    ASSERT_TRUE(m_desktop->run(
        QStringLiteral(E2E_CMAKE_COMMAND),
        {QStringLiteral("-DMANIFEST=") + m_manifest, QStringLiteral("-P"), QStringLiteral(E2E_UNINSTALL_SCRIPT)}, 30s))
        << "the uninstall failed";
    EXPECT_FALSE(QFileInfo::exists(installedProgram()));
    EXPECT_TRUE(schemeHandler().isEmpty()) << "still named for kelvane://: " << schemeHandler().toStdString();
    const auto cache = readFile(applications() + QStringLiteral("/mimeinfo.cache"));
    EXPECT_FALSE(cache.value_or(QByteArray()).contains("kelvane")) << "the desktop database still lists the program";
}

} // namespace
