// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/animation/AnimationPlayer.h"

AnimationPlayer::AnimationPlayer(std::unique_ptr<platform::OneShotTimer> timer, QObject* parent)
    : QObject(parent)
    , m_timer(std::move(timer))
{
    Q_ASSERT_X(m_timer, "AnimationPlayer", "a timer is required");
}

AnimationPlayer::~AnimationPlayer()
{
    m_timer->cancel();
}

void AnimationPlayer::load(const QList<QImage>& frames, const QList<double>& delays, bool loops)
{
    stop();
    m_frames = frames;
    m_delays = delays;
    m_shouldLoop = loops;
    m_currentIndex = 0;
    if (m_frames.isEmpty())
        return;
    setCurrentFrame(m_frames.first());
    setPlaying(true);
    setCompleted(false);
    scheduleNextFrame();
}

void AnimationPlayer::stop()
{
    m_timer->cancel();
    setPlaying(false);
    setCompleted(false);
    setCurrentFrame(QImage());
    m_frames.clear();
    m_delays.clear();
    m_currentIndex = 0;
}

void AnimationPlayer::scheduleNextFrame()
{
    if (!m_isPlaying || m_frames.isEmpty() || m_currentIndex >= m_delays.size())
        return;
    m_timer->start(m_delays.at(m_currentIndex), [this] { advanceFrame(); });
}

void AnimationPlayer::advanceFrame()
{
    const qsizetype next = m_currentIndex + 1;
    if (next < m_frames.size()) {
        m_currentIndex = next;
        setCurrentFrame(m_frames.at(next));
        scheduleNextFrame();
        return;
    }
    if (m_shouldLoop) {
        m_currentIndex = 0;
        setCurrentFrame(m_frames.first());
        scheduleNextFrame();
        return;
    }
    setPlaying(false);
    finish();
}

void AnimationPlayer::finish()
{
    if (!m_onComplete)
        return;
    m_timer->start(completionDelay, [this] {
        setCompleted(true);
        if (m_onComplete)
            m_onComplete();
    });
}

void AnimationPlayer::setCurrentFrame(const QImage& frame)
{
    // Frames are compared by identity: a new load of the same pixels is still news.
    m_currentFrame = frame;
    Q_EMIT currentFrameChanged();
    Q_EMIT changed();
}

void AnimationPlayer::setPlaying(bool playing)
{
    m_isPlaying = playing;
    Q_EMIT isPlayingChanged();
    Q_EMIT changed();
}

void AnimationPlayer::setCompleted(bool completed)
{
    m_hasCompleted = completed;
    Q_EMIT hasCompletedChanged();
    Q_EMIT changed();
}
