// SPDX-License-Identifier: GPL-3.0-or-later
// The timer core's hot paths against a real store file: one widget command
// through the queue, and engine ticks with their periodic save.
#include "TimerCoreKit/commands/TimerCommandQueue.h"
#include "TimerCoreKit/engine/TimerEngine.h"
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include "support/FakeTicker.h"
#include "support/RecordingNotifier.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<platform::UserDefaults> storeIn(const QTemporaryDir& dir)
{
    return platform::UserDefaults::openFile(dir.filePath("bench.sqlite"));
}

void enqueueAndDequeueOneCommand(benchmark::State& state)
{
    QTemporaryDir dir;
    const auto defaults = storeIn(dir);
    RecordingNotifier notifier;
    const TimerCommandQueue queue(*defaults, notifier);
    for (auto _ : state) {
        queue.enqueue(TimerCommand::selectPreset("preset.deep-45"));
        benchmark::DoNotOptimize(queue.dequeue());
    }
}
BENCHMARK(enqueueAndDequeueOneCommand);

// One drain of a queue that another process filled with `state.range(0)`
// commands, past the capacity or not.
void takeAllCommands(benchmark::State& state)
{
    QTemporaryDir dir;
    const auto defaults = storeIn(dir);
    RecordingNotifier notifier;
    const TimerCommandQueue queue(*defaults, notifier);
    QList<TimerCommand> written;
    for (qint64 i = 0; i < state.range(0); ++i)
        written.append(i % 2 ? TimerCommand::toggle() : TimerCommand::selectPreset("preset.deep-45"));
    const QByteArray data = *TimerCommandQueue::encode(written);
    for (auto _ : state) {
        state.PauseTiming();
        defaults->setData(SharedDefaultsKeys::commandQueue, data);
        state.ResumeTiming();
        benchmark::DoNotOptimize(queue.takeAll());
    }
}
BENCHMARK(takeAllCommands)->Arg(100)->Arg(20000)->Unit(benchmark::kMillisecond);

// Ticks of a running countdown; every fifth one saves the snapshot.
void engineTick(benchmark::State& state)
{
    QTemporaryDir dir;
    const auto defaults = storeIn(dir);
    auto ticker = std::make_shared<FakeTicker>();
    double now = 0;
    TimerEngine engine(
        TimerPersistence(*defaults), ticker, [&now] { return platform::Date::fromSecondsSinceReferenceDate(now); },
        [&now] { return now; });
    engine.updateCustomDuration(10800);
    engine.selectPreset(TimerPresetLibrary::Constants::customPresetID);
    engine.start();
    for (auto _ : state) {
        now += 0.001;
        ticker->fire();
    }
}
BENCHMARK(engineTick);

// The save that every fifth tick performs, alone.
void snapshotSave(benchmark::State& state)
{
    QTemporaryDir dir;
    const auto defaults = storeIn(dir);
    const TimerPersistence persistence(*defaults);
    TimerStateSnapshot snapshot{TimerMode::Running, 1500, 1500, platform::Date::now(),
                                QStringLiteral("preset.classic-25")};
    for (auto _ : state) {
        snapshot.remaining -= 0.001;
        benchmark::DoNotOptimize(persistence.save(snapshot));
    }
}
BENCHMARK(snapshotSave);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
