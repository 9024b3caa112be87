// SPDX-License-Identifier: GPL-3.0-or-later
// Serves the test's own desktop services on the session bus: the portal's,
// the screensaver's and logind's Inhibit and a notification server, holding
// back the answer to every method named on the command line. Prints "ready"
// once it owns the names; runs until killed.
#include "support/FakeDesktopServices.h"

#include <QCoreApplication>
#include <QDBusConnection>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList held = app.arguments();
    held.removeFirst();

    platform::test::FakePortalInhibit portal;
    platform::test::FakeScreenSaver screenSaver;
    platform::test::FakeLogind logind;
    platform::test::FakeNotificationServer notifications;
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (platform::test::FakeDesktopService* service :
         std::initializer_list<platform::test::FakeDesktopService*>{&portal, &screenSaver, &logind, &notifications})
        service->hold(held);
    if (!platform::test::serve(bus, portal) || !platform::test::serve(bus, screenSaver)
        || !platform::test::serve(bus, logind) || !platform::test::serve(bus, notifications)) {
        std::fprintf(stderr, "fake desktop services: a name is taken\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
