// SPDX-License-Identifier: GPL-3.0-or-later
// The audio output on the desktop's default device, through QAudioSink in
// pull mode: the sink reads the queue, which is silent when empty. A stream
// that dies with its server is opened again when the next sound comes. Built
// as a module of its own, with Qt Multimedia, that the program loads when it
// first plays a tick.
#include "PlatformKit/audio/AudioOutputSink.h"

#include "PlatformKit/audio/AudioOutputConversion.h"
#include "PlatformKit/audio/AudioOutputQueue.h"
#include "PlatformKit/audio/AudioStreamWatch.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <optional>

namespace platform {
namespace {

std::optional<AudioDeviceFormat::SampleKind> sampleKind(QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::UInt8:
        return AudioDeviceFormat::SampleKind::UInt8;
    case QAudioFormat::Int16:
        return AudioDeviceFormat::SampleKind::Int16;
    case QAudioFormat::Int32:
        return AudioDeviceFormat::SampleKind::Int32;
    case QAudioFormat::Float:
        return AudioDeviceFormat::SampleKind::Float;
    default:
        return std::nullopt;
    }
}

// Mono float at our rate when the device takes it, else its own format.
std::optional<QAudioFormat> playableFormat(const QAudioDevice& device)
{
    QAudioFormat wanted;
    wanted.setSampleRate(audioSampleRate);
    wanted.setChannelCount(1);
    wanted.setSampleFormat(QAudioFormat::Float);
    if (device.isFormatSupported(wanted))
        return wanted;
    const QAudioFormat preferred = device.preferredFormat();
    if (!preferred.isValid() || !sampleKind(preferred.sampleFormat()))
        return std::nullopt;
    return preferred;
}

// A stream that stopped, or reported an error it cannot play on after.
bool hasDied(const QAudioSink& sink)
{
    switch (sink.error()) {
    case QAudio::OpenError:
    case QAudio::IOError:
    case QAudio::FatalError:
        return true;
    case QAudio::NoError:
    case QAudio::UnderrunError:
        break;
    }
    return sink.state() == QAudio::StoppedState;
}

class AudioSinkOutput final : public AudioOutput {
public:
    AudioSinkOutput()
        : m_watch([] { return Date::now(); })
    {
    }
    ~AudioSinkOutput() override { stop(); }

    bool start() override
    {
        if (m_isStarted)
            return true;
        m_isStarted = openStream();
        return m_isStarted;
    }

    void stop() override
    {
        closeStream();
        m_isStarted = false;
        m_lastSamples.reset();
        m_lastBytes.clear();
    }

    void schedule(std::shared_ptr<const AudioSamples> samples) override
    {
        if (!m_isStarted || !samples)
            return;
        switch (m_watch.check(!m_sink || hasDied(*m_sink), m_queue ? m_queue->bytesRead() : 0)) {
        case AudioStreamWatch::Verdict::Play:
            break;
        case AudioStreamWatch::Verdict::Reopen:
            closeStream();
            if (!openStream())
                return;
            break;
        case AudioStreamWatch::Verdict::Drop:
            return;
        }
        // The same tick comes again and again: convert it once.
        if (samples != m_lastSamples) {
            m_lastBytes = convertForDevice(*samples, audioSampleRate, m_format);
            m_lastSamples = std::move(samples);
        }
        m_queue->enqueue(m_lastBytes);
    }

private:
    // A stream starts with a little silence: whatever the server skips while
    // it sets the stream up comes out of that, not out of the first sound.
    static constexpr int leadInMilliseconds = 50;

    bool openStream()
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        const auto format = playableFormat(device);
        if (!format)
            return false;
        const AudioDeviceFormat deviceFormat{format->sampleRate(), format->channelCount(),
                                             *sampleKind(format->sampleFormat())};
        if (deviceFormat != m_format) {
            m_format = deviceFormat;
            m_lastSamples.reset();
        }
        m_queue = std::make_unique<AudioOutputQueue>(format->bytesPerFrame(), silenceByte(m_format.sampleKind));
        // Unbuffered: a read-ahead would hold silence in front of the next tick.
        m_queue->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        m_queue->enqueueSilence(qint64(m_format.sampleRate) * leadInMilliseconds / 1000);
        m_sink = std::make_unique<QAudioSink>(device, *format);
        m_sink->start(m_queue.get());
        if (hasDied(*m_sink)) {
            closeStream();
            return false;
        }
        m_watch.opened();
        return true;
    }

    void closeStream()
    {
        if (m_sink)
            m_sink->stop();
        m_sink.reset();
        m_queue.reset();
    }

    AudioStreamWatch m_watch;
    bool m_isStarted = false;
    AudioDeviceFormat m_format;
    std::unique_ptr<AudioOutputQueue> m_queue;
    std::unique_ptr<QAudioSink> m_sink; // reads m_queue, so goes first
    std::shared_ptr<const AudioSamples> m_lastSamples;
    QByteArray m_lastBytes;
};

} // namespace

} // namespace platform

extern "C" Q_DECL_EXPORT platform::AudioOutput* kelvaneMakeAudioOutput()
{
    return new platform::AudioSinkOutput();
}
