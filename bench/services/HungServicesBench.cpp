// SPDX-License-Identifier: GPL-3.0-or-later
// How long a link takes to act while every desktop service the program talks
// to hangs: the program runs on a private desktop whose notification server,
// portal, screensaver and logind take every call and answer none, with
// "Prevent Sleep" and completion notifications on, so that each start asks
// the inhibitors and each pause releases. Each link goes to the program's
// `Open` on the bus; its time runs until the store holds its effect. The
// program drops a link within a second of the last one, so they are sent
// past that. Prints the times; exits 1 when the slowest misses the goal.
//
//   hung-services-bench [links]    (default 20)
#include "StoredTimer.h"
#include "TestDesktop.h"

#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace std::chrono_literals;

namespace {

constexpr double goalMs = 50;
constexpr auto linkGate = 1100ms;
const QString serviceName = QStringLiteral("com.morrowfen.Kelvane");

bool seed(const QString& storePath)
{
    TimerStateSnapshot paused;
    paused.mode = TimerMode::Paused;
    paused.duration = 3600;
    paused.remaining = 3600;
    if (!StoredTimer::seed(storePath, paused) || !StoredTimer::markClickHintSeen(storePath))
        return false;
    const auto settings = platform::UserDefaults::openFile(storePath);
    settings->setBool(SharedDefaultsKeys::completionShowNotification, true);
    settings->setBool(SharedDefaultsKeys::preventSleep, true);
    return true;
}

// Sends `link` to the program's Open without waiting for the answer.
void open(const QDBusConnection& bus, const QString& link)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(serviceName, QStringLiteral("/com/morrowfen/Kelvane"),
                                         QStringLiteral("org.freedesktop.Application"), QStringLiteral("Open"));
    call << QStringList{link} << QVariantMap();
    bus.asyncCall(call);
}

// Milliseconds from now until the stored timer is in `mode`, or a negative
// value when it is not within `timeout`. Polls the store as fast as it reads.
double untilStored(StoredTimer& timer, TimerMode mode, std::chrono::milliseconds timeout)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeout.count()) {
        if (timer.mode() == mode)
            return static_cast<double>(clock.nsecsElapsed()) / 1e6;
        QThread::usleep(200);
    }
    return -1;
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int links = argc > 1 ? std::max(2, QString::fromLocal8Bit(argv[1]).toInt()) : 20;

    if (const QStringList missing = TestDesktop::missingTools(TestDesktop::Tray::XEmbedHost); !missing.isEmpty()) {
        std::fprintf(stderr, "not installed: %s\n", qPrintable(missing.join(QStringLiteral(", "))));
        return 2;
    }
    TestDesktop desktop(TestDesktop::Tray::XEmbedHost);
    if (!desktop.failure().isEmpty()) {
        std::fprintf(stderr, "the desktop did not start: %s\n", qPrintable(desktop.failure()));
        return 2;
    }
    desktop.killService(QStringLiteral("dunst"));
    const auto services = desktop.start(QStringLiteral(E2E_FAKE_SERVICES_PROGRAM),
                                        {QStringLiteral("Inhibit"), QStringLiteral("UnInhibit"),
                                         QStringLiteral("GetCapabilities"), QStringLiteral("Notify")});
    if (services->readLine(10s) != QStringLiteral("ready")) {
        std::fprintf(stderr, "the hung services did not start\n");
        return 2;
    }
    if (!seed(desktop.storePath())) {
        std::fprintf(stderr, "could not seed the store\n");
        return 2;
    }
    // The hung logind stands on the same private bus.
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), desktop.busAddress());
    const auto program = desktop.startProgram({}, extra);
    const QDBusConnection bus = desktop.bus();
    if (!platform::test::waitUntil([&] { return bus.interface()->isServiceRegistered(serviceName).value(); }, 15s)) {
        std::fprintf(stderr, "the program did not take its name\n%s\n", qPrintable(desktop.programLog()));
        return 2;
    }

    StoredTimer timer(desktop.storePath());
    std::vector<double> times;
    for (int i = 0; i < links; ++i) {
        const TimerMode expected = i % 2 == 0 ? TimerMode::Running : TimerMode::Paused;
        if (i > 0)
            QThread::msleep(static_cast<unsigned long>(linkGate.count()));
        open(bus, QStringLiteral("kelvane://timer/toggle"));
        const double ms = untilStored(timer, expected, 10s);
        if (ms < 0) {
            std::fprintf(stderr, "link %d never acted\n%s\n", i + 1, qPrintable(desktop.programLog()));
            return 2;
        }
        std::printf("link %2d (%s): %7.2f ms\n", i + 1, expected == TimerMode::Running ? "start" : "pause", ms);
        times.push_back(ms);
    }
    const double slowest = *std::max_element(times.begin(), times.end());
    std::printf("links: %d  median %.2f ms  90th %.2f ms  slowest %.2f ms  (goal %.0f ms)\n", links,
                percentile(times, 0.5), percentile(times, 0.9), slowest, goalMs);
    std::fflush(stdout);
    return slowest <= goalMs ? 0 : 1;
}
