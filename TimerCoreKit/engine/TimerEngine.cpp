// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/engine/TimerEngine.h"

#include "TimerCoreKit/engine/RestoreBounds.h"

#include <QtGlobal>

#include <algorithm>

namespace {
constexpr int ticksPerSave = 5;
constexpr int ticksPerWidgetRefresh = 30;
constexpr double defaultTickInterval = 1.0;
} // namespace

template <typename Body>
void TimerEngine::operation(Body body)
{
    ++m_operationDepth;
    body();
    if (--m_operationDepth == 0)
        m_state->publish();
}

TimerEngine::TimerEngine(TimerPersistence persistence, std::shared_ptr<CountdownTicker> ticker,
                         platform::Clock dateProvider, platform::ElapsedClock elapsedClock,
                         std::shared_ptr<DebugTickProvider> debugTickProvider)
    : m_persistence(persistence)
    , m_dateProvider(std::move(dateProvider))
    , m_elapsedClock(std::move(elapsedClock))
    , m_ticker(std::move(ticker))
    , m_debugTickProvider(std::move(debugTickProvider))
{
    Q_ASSERT_X(m_ticker, "TimerEngine", "a ticker is required");
    m_customDuration = m_persistence.loadCustomDuration();

    if (const auto restored = m_persistence.restore()) {
        const auto bounded = withinRestoreBounds(
            *restored, TimerPresetLibrary::preset(restored->selectedPresetID, m_customDuration).duration);
        const bool mended = !(bounded.duration == restored->duration && bounded.remaining == restored->remaining
                              && bounded.elapsed == restored->elapsed);
        m_state = std::make_unique<TimerState>(bounded);
        // Nobody can listen yet; published all the same, so the next
        // operation announces only its own change.
        operation([this, mended] {
            if (!reconcileRestoredState() && mended)
                save();
        });
    } else {
        auto snapshot = TimerStateSnapshot::defaultSnapshot();
        const auto preset = TimerPresetLibrary::preset(snapshot.selectedPresetID, m_customDuration);
        snapshot.duration = preset.duration;
        snapshot.remaining = preset.duration;
        m_state = std::make_unique<TimerState>(snapshot);
        save();
    }

    if (m_debugTickProvider) {
        m_debugConnection = QObject::connect(m_debugTickProvider.get(), &DebugTickProvider::changed,
                                             [this] { restartTickerIfRunning(); });
    }
}

TimerEngine::~TimerEngine()
{
    QObject::disconnect(m_debugConnection);
    m_ticker->stop();
}

QList<TimerPreset> TimerEngine::presets() const
{
    return TimerPresetLibrary::presets(m_customDuration);
}

bool TimerEngine::reconcileRestoredState()
{
    auto& state = *m_state;
    if (state.mode() != TimerMode::Running)
        return false;

    if (state.direction() == TimerDirection::Countdown) {
        if (!state.endDate()) {
            state.setMode(TimerMode::Idle);
            state.setRemaining(state.duration());
        } else {
            // An end further away than the whole duration was set by another
            // clock: the countdown has at most its duration left.
            const double left = std::min(secondsUntil(*state.endDate()), state.duration());
            if (left <= 0) {
                state.setMode(TimerMode::Completed);
                state.setRemaining(0);
            } else {
                state.setRemaining(left);
                state.setMode(TimerMode::Paused);
            }
            state.setEndDate(std::nullopt);
        }
    } else {
        // A start in the future adds nothing rather than taking time away.
        if (const auto startDate = state.startDate())
            state.setElapsed(state.elapsed() + std::max(0.0, m_dateProvider().secondsSince(*startDate)));
        state.setMode(TimerMode::Paused);
        state.setStartDate(std::nullopt);
    }
    save();
    return true;
}

double TimerEngine::effectiveStartDuration() const
{
    if (m_state->mode() == TimerMode::Paused)
        return std::max(m_state->remaining(), 1.0);
    return m_state->duration();
}

void TimerEngine::start()
{
    operation([this] {
        auto& state = *m_state;
        if (state.mode() == TimerMode::Running)
            return;

        if (state.direction() == TimerDirection::Countdown) {
            const double duration = effectiveStartDuration();
            state.setRemaining(duration);
            anchorRun(duration);
            state.setEndDate(m_dateProvider() + duration);
            state.setMode(TimerMode::Running);
        } else {
            startCountUp();
        }
        startTicker();
        save();
        refreshWidget();
    });
}

void TimerEngine::startCountUp()
{
    anchorRun(m_state->elapsed());
    m_state->setStartDate(m_dateProvider());
    m_state->setMode(TimerMode::Running);
}

void TimerEngine::pause()
{
    operation([this] {
        auto& state = *m_state;
        if (state.mode() != TimerMode::Running)
            return;

        if (state.direction() == TimerDirection::Countdown) {
            if (!state.endDate())
                return;
            const double left = runningRemaining();
            if (left <= 0) {
                // Its end has passed before the completing tick: a countdown
                // paused at 0 could never be resumed, so it completes instead.
                completeCountdown();
                return;
            }
            state.setRemaining(left);
            state.setMode(TimerMode::Paused);
            state.setEndDate(std::nullopt);
        } else {
            pauseCountUp();
        }
        m_ticker->stop();
        save();
        refreshWidget();
    });
}

void TimerEngine::pauseCountUp()
{
    auto& state = *m_state;
    updateElapsed();
    state.setStartDate(std::nullopt);
    state.setMode(TimerMode::Paused);
}

void TimerEngine::resume()
{
    operation([this] {
        auto& state = *m_state;
        if (state.mode() != TimerMode::Paused)
            return;

        if (state.direction() == TimerDirection::Countdown) {
            if (state.remaining() > 0)
                start();
            return;
        }
        resumeCountUp();
    });
}

void TimerEngine::resumeCountUp()
{
    startCountUp();
    startTicker();
    save();
    refreshWidget();
}

void TimerEngine::reset()
{
    operation([this] {
        auto& state = *m_state;
        m_ticker->stop();
        state.setMode(TimerMode::Idle);
        if (state.direction() == TimerDirection::Countdown) {
            state.setRemaining(state.duration());
            state.setEndDate(std::nullopt);
        } else {
            state.setElapsed(0);
            state.setStartDate(std::nullopt);
        }
        save();
        refreshWidget();
    });
}

void TimerEngine::selectPreset(const QString& id)
{
    operation([this, &id] {
        auto& state = *m_state;
        m_ticker->stop();
        const auto preset = TimerPresetLibrary::preset(id, m_customDuration);
        state.setDuration(preset.duration);
        state.setRemaining(preset.duration);
        state.setMode(TimerMode::Idle);
        state.setEndDate(std::nullopt);
        state.setSelectedPresetID(preset.id);
        save();
        refreshWidget();
    });
}

bool TimerEngine::applyExternalPresetSelection(const QString& id)
{
    if (m_state->mode() != TimerMode::Idle)
        return false;
    if (m_state->selectedPresetID() == id)
        return false;
    selectPreset(id);
    return true;
}

void TimerEngine::switchDirection(TimerDirection direction)
{
    operation([this, direction] {
        auto& state = *m_state;
        if (state.mode() != TimerMode::Idle)
            return;
        state.setDirection(direction);
        if (direction == TimerDirection::Countdown) {
            state.setRemaining(state.duration());
        } else {
            state.setElapsed(0);
            state.setStartDate(std::nullopt);
        }
        save();
        refreshWidget();
    });
}

void TimerEngine::updateCustomDuration(double seconds)
{
    const auto bounded = TimerPersistence::boundedCustomDuration(seconds);
    if (!bounded)
        return;
    m_customDuration = *bounded;
    m_persistence.saveCustomDuration(*bounded);
    if (m_state->selectedPresetID() == QString(TimerPresetConstants::customPresetID))
        selectPreset(TimerPresetConstants::customPresetID);
}

void TimerEngine::loadPhase(double seconds)
{
    operation([this, seconds] {
        auto& state = *m_state;
        state.setDuration(seconds);
        state.setRemaining(seconds);
        state.setMode(TimerMode::Idle);
    });
}

void TimerEngine::refreshWidget()
{
    if (m_onWidgetRefresh)
        m_onWidgetRefresh();
}

void TimerEngine::startTicker()
{
    m_ticksSinceLastSave = 0;
    m_ticksSinceLastWidgetRefresh = 0;
    double interval = defaultTickInterval;
    if (m_debugTickProvider && m_debugTickProvider->isEnabled())
        interval = m_debugTickProvider->interval();
    m_ticker->start(interval, m_handOff.bind([this] { handleTick(); }));
}

void TimerEngine::handleTick()
{
    operation([this] {
        auto& state = *m_state;
        if (state.mode() != TimerMode::Running) {
            m_ticker->stop();
            return;
        }

        if (state.direction() == TimerDirection::Countdown) {
            if (!state.endDate()) {
                m_ticker->stop();
                return;
            }
            const double left = runningRemaining();
            if (left <= 0) {
                completeCountdown();
                return;
            }
            state.setRemaining(left);
        } else {
            updateElapsed();
        }

        if (++m_ticksSinceLastSave >= ticksPerSave) {
            save();
            m_ticksSinceLastSave = 0;
        }
        if (++m_ticksSinceLastWidgetRefresh >= ticksPerWidgetRefresh) {
            refreshWidget();
            m_ticksSinceLastWidgetRefresh = 0;
        }
    });
}

void TimerEngine::completeCountdown()
{
    auto& state = *m_state;
    state.setRemaining(0);
    state.setMode(TimerMode::Completed);
    state.setEndDate(std::nullopt);
    m_ticker->stop();
    save();
    refreshWidget();
}

void TimerEngine::updateElapsed()
{
    auto& state = *m_state;
    if (!state.startDate())
        return;
    // The start date only says up to when `elapsed` has counted, on the wall
    // clock, for the next launch.
    state.setElapsed(m_anchorValue + passedSinceAnchor());
    state.setStartDate(m_dateProvider());
}

void TimerEngine::restartTickerIfRunning()
{
    if (m_state->mode() != TimerMode::Running)
        return;
    m_ticker->stop();
    startTicker();
}

double TimerEngine::secondsUntil(platform::Date endDate) const
{
    return std::max(0.0, endDate.secondsSince(m_dateProvider()));
}

void TimerEngine::anchorRun(double value)
{
    m_anchorClockTime = m_elapsedClock();
    m_anchorValue = value;
}

double TimerEngine::passedSinceAnchor() const
{
    return std::max(0.0, m_elapsedClock() - m_anchorClockTime);
}

double TimerEngine::runningRemaining() const
{
    return std::max(0.0, m_anchorValue - passedSinceAnchor());
}

void TimerEngine::save()
{
    auto& state = *m_state;
    // The stored end is the one a reader of the store works from (the widget,
    // the next launch): dated afresh so that it follows a wall-clock step.
    if (state.mode() == TimerMode::Running && state.direction() == TimerDirection::Countdown && state.endDate())
        state.setEndDate(m_dateProvider() + state.remaining());
    m_persistence.save(state.snapshot());
}
