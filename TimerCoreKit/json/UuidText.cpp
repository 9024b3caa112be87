// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimerCoreKit/json/UuidText.h"

namespace {

constexpr qsizetype uuidLength = 36;

bool isHyphenPosition(qsizetype i)
{
    return i == 8 || i == 13 || i == 18 || i == 23;
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

QString uuidText(const QUuid& uuid)
{
    return uuid.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> uuidFromText(QStringView text)
{
    if (text.size() != uuidLength)
        return std::nullopt;
    for (qsizetype i = 0; i < uuidLength; ++i) {
        const bool ok = isHyphenPosition(i) ? text[i] == u'-' : isHexDigit(text[i]);
        if (!ok)
            return std::nullopt;
    }
    // The form is checked above, so a null result is the all-zero UUID itself.
    return QUuid::fromString(text);
}
