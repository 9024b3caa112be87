// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-test-single-instance NAME PATH [URL...]
// Claims NAME with SingleInstance and prints its role on a line: "primary",
// "forwarded", "alone", "not answering" or "unreachable". As primary it stays
// and prints "open URL..." or "activate" for each call it takes, until it is
// terminated; alone it stays too, holding the session's lock. Exits 0 when
// forwarded, 4 when the owner did not answer, 5 when unreachable.
#include "PlatformKit/dbus/SingleInstance.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: %s NAME PATH [URL...]\n", argv[0]);
        return 2;
    }
    QList<QUrl> urls;
    for (const QString& arg : args.mid(3))
        urls.append(QUrl(arg));

    platform::SingleInstance instance(args[1], args[2]);
    instance.setOnOpen([](const QList<QUrl>& opened) {
        QStringList line{QStringLiteral("open")};
        for (const QUrl& url : opened)
            line.append(url.toString());
        say(line.join(QLatin1Char(' ')));
    });
    instance.setOnActivate([] { say(QStringLiteral("activate")); });

    switch (instance.claim(urls)) {
    case platform::SingleInstance::Role::Primary:
        say(QStringLiteral("primary"));
        return app.exec();
    case platform::SingleInstance::Role::Forwarded:
        say(QStringLiteral("forwarded"));
        return 0;
    case platform::SingleInstance::Role::Alone:
        say(QStringLiteral("alone"));
        return app.exec();
    case platform::SingleInstance::Role::OwnerNotAnswering:
        say(QStringLiteral("not answering"));
        return 4;
    case platform::SingleInstance::Role::Unreachable:
        say(QStringLiteral("unreachable"));
        return 5;
    }
    return 1;
}
