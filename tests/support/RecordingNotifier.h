#pragma once

#include "PlatformKit/dbus/CrossProcessNotifier.h"

#include <QStringList>

// Records posts instead of sending them anywhere.
class RecordingNotifier final : public platform::CrossProcessNotifier {
public:
    void post(const QString& name) override { posted.append(name); }
    platform::ObservationToken observe(const QString&, std::function<void()>) override
    {
        return std::make_unique<QObject>();
    }

    QStringList posted;
};
