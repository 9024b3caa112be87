#include "PlatformKit/core/Date.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <chrono>

namespace platform {

Date Date::fromDateTime(const QDateTime& dateTime)
{
    return fromUnixSeconds(static_cast<double>(dateTime.toMSecsSinceEpoch()) / 1000.0);
}

Date Date::now()
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<duration<double>>(system_clock::now().time_since_epoch());
    return fromUnixSeconds(sinceEpoch.count());
}

QDateTime Date::toDateTime() const
{
    return QDateTime::fromMSecsSinceEpoch(saturatingCast<qint64>(unixSeconds() * 1000.0), Qt::UTC);
}

} // namespace platform
