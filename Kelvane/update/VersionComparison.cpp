// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/VersionComparison.h"

#include <QList>

#include <algorithm>

namespace {

// Large parts saturate rather than wrap, so a silly version never looks older.
quint64 partValue(QStringView part)
{
    constexpr quint64 ceiling = quint64(1) << 62;
    quint64 value = 0;
    for (const QChar c : part.trimmed()) {
        if (!c.isDigit() || c.unicode() > 0x7f)
            break;
        value = std::min(ceiling, value * 10 + quint64(c.unicode() - u'0'));
    }
    return value;
}

} // namespace

int compareVersions(QStringView a, QStringView b)
{
    const QList<QStringView> left = a.trimmed().split(u'.');
    const QList<QStringView> right = b.trimmed().split(u'.');
    const qsizetype count = std::max(left.size(), right.size());
    for (qsizetype i = 0; i < count; ++i) {
        const quint64 l = i < left.size() ? partValue(left[i]) : 0;
        const quint64 r = i < right.size() ? partValue(right[i]) : 0;
        if (l != r)
            return l < r ? -1 : 1;
    }
    return 0;
}
