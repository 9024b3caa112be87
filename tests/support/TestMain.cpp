// SPDX-License-Identifier: GPL-3.0-or-later
// Every test binary starts here: a private home and XDG tree so no test reads
// or writes the user's own files, no session bus unless the binary runs under
// its own private one, and an offscreen application for drawing and widgets.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

namespace {

void setPrivateEnvironment(const QString& root)
{
    const auto set = [](const char* name, const QString& value) { qputenv(name, value.toLocal8Bit()); };
    set("HOME", root + "/home");
    set("XDG_CONFIG_HOME", root + "/config");
    set("XDG_DATA_HOME", root + "/data");
    set("XDG_CACHE_HOME", root + "/cache");
    set("XDG_STATE_HOME", root + "/state");
    set("XDG_RUNTIME_DIR", root + "/runtime");
    QDir().mkpath(root + "/runtime");
    chmod(QFile::encodeName(root + "/runtime").constData(), 0700);
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifndef KELVANE_TEST_PRIVATE_BUS
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(root + "/no-bus"));
#endif
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir root;
    if (!root.isValid())
        return EXIT_FAILURE;
    setPrivateEnvironment(root.path());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
