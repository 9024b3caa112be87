// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the audio module on the first output asked for, and keeps it: Qt
// Multimedia holds threads and singletons for the rest of the process.
#include "PlatformKit/audio/AudioOutputSink.h"

#include "PlatformKit/core/Logging.h"

#include <QLibrary>

namespace platform {
namespace {

using MakeOutput = AudioOutput* (*)();

struct ModuleLoad {
    QString path;
    MakeOutput make = nullptr;
    bool failed = false;
};

} // namespace

AudioOutputFactory systemAudioOutput(QString modulePath)
{
    auto load = std::make_shared<ModuleLoad>();
    load->path = std::move(modulePath);
    return [load]() -> std::unique_ptr<AudioOutput> {
        if (!load->make && !load->failed) {
            QLibrary module(load->path);
            module.setLoadHints(QLibrary::PreventUnloadHint);
            load->make = reinterpret_cast<MakeOutput>(module.resolve(audioModuleEntry));
            load->failed = !load->make;
            if (load->failed)
                qCWarning(lcAudio) << "no tick sounds:" << module.errorString();
        }
        return std::unique_ptr<AudioOutput>(load->make ? load->make() : nullptr);
    };
}

} // namespace platform
