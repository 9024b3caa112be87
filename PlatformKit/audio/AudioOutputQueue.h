// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>

#include <deque>
#include <mutex>

namespace platform {

// What a pulling audio device reads from: the queued sounds in order, then
// silence, so the device never runs dry and never stops on its own. The
// device may read from its own thread. Open it unbuffered, or QIODevice
// reads silence ahead and holds it in front of the next sound.
class AudioOutputQueue final : public QIODevice {
    Q_OBJECT
public:
    // `frameBytes`: the size of one frame of the device, so that a sound
    // starting after silence starts on a frame boundary.
    explicit AudioOutputQueue(int frameBytes, char silenceByte = '\0', QObject* parent = nullptr);

    // Plays `bytes` (whole frames in the device's format) after the rest.
    void enqueue(const QByteArray& bytes);
    // Plays `frames` frames of silence after the rest.
    void enqueueSilence(qint64 frames);
    void clear();
    // Bytes of sound still to play.
    qint64 queuedBytes() const;
    // Bytes the device has read so far, silence included: a device that
    // stops reading has stopped playing.
    qint64 bytesRead() const;

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    const qint64 m_frameBytes;
    const char m_silence;
    mutable std::mutex m_mutex;
    std::deque<QByteArray> m_queue;
    qint64 m_offset = 0; // into the front buffer
    qint64 m_bytesRead = 0;
};

} // namespace platform
