// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/audio/AudioOutputQueue.h"

#include <algorithm>
#include <cstring>

namespace platform {

AudioOutputQueue::AudioOutputQueue(int frameBytes, char silenceByte, QObject* parent)
    : QIODevice(parent)
    , m_frameBytes(std::max(frameBytes, 1))
    , m_silence(silenceByte)
{
}

void AudioOutputQueue::enqueue(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    const std::lock_guard lock(m_mutex);
    m_queue.push_back(bytes);
}

void AudioOutputQueue::enqueueSilence(qint64 frames)
{
    if (frames > 0)
        enqueue(QByteArray(frames * m_frameBytes, m_silence));
}

void AudioOutputQueue::clear()
{
    const std::lock_guard lock(m_mutex);
    m_queue.clear();
    m_offset = 0;
}

qint64 AudioOutputQueue::queuedBytes() const
{
    const std::lock_guard lock(m_mutex);
    qint64 total = -m_offset;
    for (const auto& bytes : m_queue)
        total += bytes.size();
    return total;
}

qint64 AudioOutputQueue::bytesRead() const
{
    const std::lock_guard lock(m_mutex);
    return m_bytesRead;
}

qint64 AudioOutputQueue::readData(char* data, qint64 maxSize)
{
    if (maxSize <= 0)
        return 0;
    const std::lock_guard lock(m_mutex);
    qint64 written = 0;
    const auto fill = [&](const char* source, qint64 size) {
        if (source)
            std::memcpy(data + written, source, static_cast<std::size_t>(size));
        else
            std::memset(data + written, m_silence, static_cast<std::size_t>(size));
        written += size;
        m_bytesRead += size;
    };
    while (written < maxSize && !m_queue.empty()) {
        // Silence may have ended mid-frame; a sound starts on the next frame.
        const qint64 position = m_bytesRead % m_frameBytes;
        if (m_offset == 0 && position != 0) {
            fill(nullptr, std::min(maxSize - written, m_frameBytes - position));
            continue;
        }
        const QByteArray& front = m_queue.front();
        const qint64 chunk = std::min(maxSize - written, front.size() - m_offset);
        fill(front.constData() + m_offset, chunk);
        m_offset += chunk;
        if (m_offset == front.size()) {
            m_queue.pop_front();
            m_offset = 0;
        }
    }
    fill(nullptr, maxSize - written);
    return maxSize;
}

qint64 AudioOutputQueue::writeData(const char*, qint64)
{
    return -1;
}

} // namespace platform
