// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/core/OneShotTimer.h"

#include <QImage>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

// Steps through the frames of one completion animation with their own
// delays, once or in a loop. A run that ends reports it half a second later.
// Its one pending timer belongs to the player, so releasing it cancels it.
class AnimationPlayer final : public QObject {
    Q_OBJECT

public:
    // `timer` (required) times the frames and the completion report.
    explicit AnimationPlayer(std::unique_ptr<platform::OneShotTimer> timer, QObject* parent = nullptr);
    ~AnimationPlayer() override;

    // A null image when nothing is loaded.
    const QImage& currentFrame() const { return m_currentFrame; }
    bool isPlaying() const { return m_isPlaying; }
    bool hasCompleted() const { return m_hasCompleted; }

    void setOnComplete(std::function<void()> callback) { m_onComplete = std::move(callback); }

    void load(const QList<QImage>& frames, const QList<double>& delays, bool loops);
    void stop();

    // How long after a run ends its end is reported.
    static constexpr double completionDelay = 0.5;

Q_SIGNALS:
    void currentFrameChanged();
    void isPlayingChanged();
    void hasCompletedChanged();
    void changed();

private:
    void scheduleNextFrame();
    void advanceFrame();
    void finish();
    void setCurrentFrame(const QImage& frame);
    void setPlaying(bool playing);
    void setCompleted(bool completed);

    std::unique_ptr<platform::OneShotTimer> m_timer;
    QImage m_currentFrame;
    bool m_isPlaying = false;
    bool m_hasCompleted = false;
    std::function<void()> m_onComplete;
    QList<QImage> m_frames;
    QList<double> m_delays;
    qsizetype m_currentIndex = 0;
    bool m_shouldLoop = false;
};
