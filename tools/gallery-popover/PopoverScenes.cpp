// SPDX-License-Identifier: GPL-3.0-or-later
#include "PopoverScenes.h"

#include "Kelvane/app/AppModel.h"
#include "Kelvane/commands/TimerCommandPerformer.h"
#include "Kelvane/popover/CustomTimerRow.h"
#include "Kelvane/popover/PopoverFrame.h"
#include "Kelvane/status/AppWindows.h"
#include "Kelvane/status/CustomDurationPrompt.h"

#include "TimerCoreKit/audio/SoundPlaying.h"

#include "PlatformKit/dbus/NullCrossProcessNotifier.h"
#include "PlatformKit/store/UserDefaults.h"

#include <QApplication>
#include <QEnterEvent>

#include <functional>
#include <memory>

namespace {

// Time stands still in the gallery: nothing ticks and no pause ends.
class StillTicker final : public CountdownTicker {
public:
    void start(double, std::function<void()>) override { }
    void stop() override { }
};

class StillTimer final : public platform::OneShotTimer {
public:
    void start(double, std::function<void()>) override { }
    void cancel() override { }
    bool isPending() const override { return false; }
};

class Silence final : public SoundPlaying {
public:
    void play(CompletionSound) override { }
};

// The objects the popover shows, on a store in memory.
struct Model {
    std::unique_ptr<platform::UserDefaults> defaults = platform::UserDefaults::inMemory();
    double elapsed = 100;
    Silence silence;
    platform::NullCrossProcessNotifier notifier;
    AppModel app{AppModel::Parts{
        .defaults = defaults.get(),
        .ticker = std::make_shared<StillTicker>(),
        .makeOneShotTimer = [] { return std::make_unique<StillTimer>(); },
        .clock = [] { return platform::Date::fromSecondsSinceReferenceDate(7.5e8); },
        .monotonicSeconds = [this] { return elapsed; },
        .sessionSounds = &silence,
        .onWidgetRefresh = [] {},
    }};
    NullSettingsWindow settingsWindow;
    NullCustomDurationPrompt prompt;
    TimerCommandPerformer commands{app, *defaults, notifier, settingsWindow, prompt};
    TimerEngine& engine = app.engine();
    CustomTimerStore& store = app.customTimers();
    PomodoroSession& pomodoro = app.pomodoro();
    CustomTimerSession& custom = app.customSession();
    AppSettings& settings = app.settings();

    Model()
    {
        store.add(timer(QStringLiteral("Deep Work"),
                        {{QUuid(), QStringLiteral("Focus"), 3000, 2}, {QUuid(), QStringLiteral("Rest"), 600, 3}}, 3));
        store.add(timer(QStringLiteral("Tea"), {{QUuid(), QStringLiteral("Steep"), 240, 5}}, 1));
    }

    static CustomTimer timer(const QString& name, const QList<CustomTimerPhase>& phases, int rounds)
    {
        CustomTimer made{QUuid::createUuid(), name, {}, rounds, platform::Date::fromSecondsSinceReferenceDate(7e8)};
        for (CustomTimerPhase phase : phases) {
            phase.id = QUuid::createUuid();
            made.phases.append(phase);
        }
        return made;
    }

    void runFor(double seconds)
    {
        elapsed += seconds;
        engine.pause();
        engine.resume();
    }
};

// `whileOpen` acts on the open popover (a choice, the pointer on a row).
QImage picture(Model& model, const std::function<void(Model&, PopoverFrame&)>& whileOpen)
{
    PopoverFrame frame(PopoverModel::of(model.app, model.commands));
    PopoverContent content;
    content.customMinutes = 15;
    content.onOpenSettings = [] {};
    content.onToggleFloatingDisplay = [] {};
    content.onQuit = [] {};
    content.onCheckForUpdates = [] {};
    frame.setContent(content);
    frame.show(QRect(100, 0, 22, 22));
    QApplication::processEvents();
    if (whileOpen) {
        whileOpen(model, frame);
        QApplication::processEvents();
    }
    const QImage image = frame.grab().toImage();
    frame.close();
    return image;
}

struct Scene {
    const char* name;
    std::function<void(Model&)> prepare;
    std::function<void(Model&, PopoverFrame&)> whileOpen = {};
};

const Scene scenes[] = {
    {"idle", [](Model&) {}},
    {"running",
     [](Model& m) {
         m.engine.selectPreset(QStringLiteral("preset.classic-25"));
         m.engine.start();
         m.runFor(754);
     }},
    {"paused",
     [](Model& m) {
         m.engine.start();
         m.engine.pause();
     }},
    {"completed",
     [](Model& m) {
         m.engine.selectPreset(QStringLiteral("preset.quick-10"));
         m.engine.start();
         m.elapsed += 601;
         m.engine.pause();
     }},
    {"stopwatch",
     [](Model& m) {
         m.engine.switchDirection(TimerDirection::CountUp);
         m.engine.start();
     }},
    {"pomodoro, short break",
     [](Model& m) {
         m.pomodoro.start();
         m.pomodoro.skipPhase();
     }},
    {"custom timer running",
     [](Model& m) {
         m.custom.activate(m.store.timers().first());
         m.custom.start();
     }},
    {"custom preset chosen, floating display on, pointer on a timer",
     [](Model& m) { m.settings.setFloatingDisplayEnabled(true); },
     [](Model& m, PopoverFrame& frame) {
         m.engine.selectPreset(TimerPresetLibrary::Constants::customPresetID);
         QWidget* row = frame.contentView()->findChild<CustomTimerRow*>();
         QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
         QApplication::sendEvent(row, &enter);
     }},
};

PopoverSheet sheetFor(const QString& appearance, const QPalette& palette)
{
    QApplication::setPalette(palette);
    GallerySheet sheet(QStringLiteral("Popover, %1").arg(appearance), 4);
    for (const Scene& scene : scenes) {
        Model model;
        scene.prepare(model);
        sheet.add(QString::fromLatin1(scene.name), picture(model, scene.whileOpen));
    }
    return {QStringLiteral("popover-%1.png").arg(appearance), std::move(sheet)};
}

} // namespace

QPalette lightPopoverPalette()
{
    QPalette palette(QColor(236, 236, 236));
    palette.setColor(QPalette::Window, QColor(242, 242, 242));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(28, 28, 30));
    palette.setColor(QPalette::Text, QColor(28, 28, 30));
    palette.setColor(QPalette::ButtonText, QColor(28, 28, 30));
    palette.setColor(QPalette::Highlight, QColor(0, 122, 255));
    return palette;
}

QPalette darkPopoverPalette()
{
    QPalette palette(QColor(60, 60, 62));
    palette.setColor(QPalette::Window, QColor(40, 40, 42));
    palette.setColor(QPalette::Base, QColor(30, 30, 32));
    palette.setColor(QPalette::WindowText, QColor(235, 235, 235));
    palette.setColor(QPalette::Text, QColor(235, 235, 235));
    palette.setColor(QPalette::ButtonText, QColor(235, 235, 235));
    palette.setColor(QPalette::PlaceholderText, QColor(235, 235, 235, 110));
    palette.setColor(QPalette::Highlight, QColor(10, 132, 255));
    return palette;
}

std::vector<PopoverSheet> popoverSheets()
{
    std::vector<PopoverSheet> sheets;
    sheets.push_back(sheetFor(QStringLiteral("light"), lightPopoverPalette()));
    sheets.push_back(sheetFor(QStringLiteral("dark"), darkPopoverPalette()));
    return sheets;
}
