// The timer core's hot paths against a real store file: one widget command
// through the queue, and engine ticks with their periodic save.
#include "TimerCoreKit/commands/TimerCommandQueue.h"
#include "TimerCoreKit/engine/TimerEngine.h"

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

// Ticks of a running countdown; every fifth one saves the snapshot.
void engineTick(benchmark::State& state)
{
    QTemporaryDir dir;
    const auto defaults = storeIn(dir);
    auto ticker = std::make_shared<FakeTicker>();
    double now = 0;
    TimerEngine engine(TimerPersistence(*defaults), ticker,
                       [&now] { return platform::Date::fromSecondsSinceReferenceDate(now); }, [&now] { return now; });
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
    TimerStateSnapshot snapshot{TimerMode::Running, 1500, 1500, platform::Date::now(), QStringLiteral("preset.classic-25")};
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
