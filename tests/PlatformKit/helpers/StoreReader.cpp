// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-test-store-reader PATH KEY VALUE
// Opens the shared store at PATH as a user without root's rights (when started
// as root, as the user nobody, so file permissions hold), prints
// "before <string under KEY, or none>", sets KEY to the string VALUE, prints
// "after <string under KEY>" and "problem <why changes may not last, or
// none>". Exits 0, or 3 when it cannot give up root's rights.
#include "PlatformKit/store/UserDefaults.h"

#include <cstdio>
#include <string>

#include <grp.h>
#include <unistd.h>

namespace {

constexpr uid_t nobody = 65534;

void say(const char* what, const QString& text)
{
    std::printf("%s %s\n", what, text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PATH KEY VALUE\n", argv[0]);
        return 64;
    }
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)) {
        std::perror("giving up root's rights");
        return 3;
    }
    const auto defaults = platform::UserDefaults::openFile(QString::fromLocal8Bit(argv[1]));
    const QString key = QString::fromLocal8Bit(argv[2]);
    say("before", defaults->string(key).value_or(QStringLiteral("none")));
    defaults->setString(key, QString::fromLocal8Bit(argv[3]));
    say("after", defaults->string(key).value_or(QStringLiteral("none")));
    const auto problem = defaults->persistenceProblem();
    say("problem", problem ? problem->reason : QStringLiteral("none"));
    return 0;
}
