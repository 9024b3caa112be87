#include "Kelvane/status/CustomDurationPrompt.h"

#include <algorithm>

int CustomDurationPrompt::minutes(const QString& answer)
{
    bool ok = false;
    const qlonglong value = answer.trimmed().toLongLong(&ok);
    const qlonglong entered = ok ? value : 0;
    return static_cast<int>(std::clamp<qlonglong>(entered, minimumMinutes, maximumMinutes));
}
