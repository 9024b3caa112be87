#include "TimerCoreKit/PhaseDelay.h"

#include <QTimer>

#include <chrono>
#include <utility>

namespace {

class TimerPhaseDelay final : public PhaseDelay {
public:
    TimerPhaseDelay()
    {
        using namespace std::chrono_literals;
        m_timer.setSingleShot(true);
        m_timer.setInterval(1s);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            // Taken out first: the callback may start the next wait.
            auto elapsed = std::exchange(m_elapsed, nullptr);
            if (elapsed)
                elapsed();
        });
    }

    void start(std::function<void()> elapsed) override
    {
        m_elapsed = std::move(elapsed);
        m_timer.start();
    }

    void cancel() override
    {
        m_timer.stop();
        m_elapsed = nullptr;
    }

    bool isPending() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
    std::function<void()> m_elapsed;
};

} // namespace

std::unique_ptr<PhaseDelay> makeOneSecondPhaseDelay()
{
    return std::make_unique<TimerPhaseDelay>();
}
