// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QStandardPaths>

namespace AppGroup {

QString storePath()
{
    const auto configDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return configDir + QLatin1Char('/') + identifier + QLatin1String(".sqlite");
}

platform::UserDefaults& userDefaults()
{
    // A function-local static: created once even when first used from two threads.
    static const auto shared = platform::UserDefaults::openFile(storePath());
    return *shared;
}

} // namespace AppGroup

namespace SharedAppState {

void recordHeartbeat(platform::Date date, platform::UserDefaults& defaults)
{
    defaults.setDate(SharedDefaultsKeys::lastHeartbeat, date);
}

std::optional<platform::Date> lastHeartbeatDate(const platform::UserDefaults& defaults)
{
    return defaults.date(SharedDefaultsKeys::lastHeartbeat);
}

} // namespace SharedAppState
