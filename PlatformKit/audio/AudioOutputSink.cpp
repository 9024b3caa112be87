// The audio output on the desktop's default device, through QAudioSink in
// pull mode: the sink reads the queue, which is silent when empty.
#include "PlatformKit/audio/AudioOutputSink.h"

#include "PlatformKit/audio/AudioOutputConversion.h"
#include "PlatformKit/audio/AudioOutputQueue.h"

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

class AudioSinkOutput final : public AudioOutput {
public:
    ~AudioSinkOutput() override { stop(); }

    bool start() override
    {
        if (m_sink)
            return true;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        const auto format = playableFormat(device);
        if (!format)
            return false;
        m_format = {format->sampleRate(), format->channelCount(), *sampleKind(format->sampleFormat())};
        m_queue = std::make_unique<AudioOutputQueue>(format->bytesPerFrame(), silenceByte(m_format.sampleKind));
        // Unbuffered: a read-ahead would hold silence in front of the next tick.
        m_queue->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        m_sink = std::make_unique<QAudioSink>(device, *format);
        m_sink->start(m_queue.get());
        if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
            stop();
            return false;
        }
        return true;
    }

    void stop() override
    {
        if (m_sink)
            m_sink->stop();
        m_sink.reset();
        m_queue.reset();
        m_lastSamples.reset();
        m_lastBytes.clear();
    }

    void schedule(std::shared_ptr<const AudioSamples> samples) override
    {
        if (!m_sink || !samples)
            return;
        // The same tick comes again and again: convert it once.
        if (samples != m_lastSamples) {
            m_lastBytes = convertForDevice(*samples, audioSampleRate, m_format);
            m_lastSamples = std::move(samples);
        }
        m_queue->enqueue(m_lastBytes);
    }

private:
    AudioDeviceFormat m_format;
    std::unique_ptr<AudioOutputQueue> m_queue;
    std::unique_ptr<QAudioSink> m_sink; // reads m_queue, so goes first
    std::shared_ptr<const AudioSamples> m_lastSamples;
    QByteArray m_lastBytes;
};

} // namespace

std::unique_ptr<AudioOutput> makeSystemAudioOutput()
{
    return std::make_unique<AudioSinkOutput>();
}

} // namespace platform
