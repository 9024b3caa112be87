// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/animations/BuiltInAnimationData.h"

#include "shared-ui/animations/CompletionAnimationData.h"

#include <QHash>
#include <QString>

namespace BuiltInAnimationData {

namespace {

const QHash<QString, std::string_view>& table()
{
    // Built once, on first use; a local static is thread-safe to initialise.
    static const QHash<QString, std::string_view> byFileName = [] {
        QHash<QString, std::string_view> result;
        for (const CompletionAnimationData::Entry& entry : CompletionAnimationData::entries()) {
            result.insert(QString::fromUtf8(entry.fileName.data(), static_cast<qsizetype>(entry.fileName.size())),
                          entry.base64);
        }
        return result;
    }();
    return byFileName;
}

} // namespace

std::optional<QByteArray> data(QStringView fileName)
{
    const auto& byFileName = table();
    const auto found = byFileName.constFind(fileName.toString());
    if (found == byFileName.constEnd())
        return std::nullopt;
    const std::string_view text = *found;
    const QByteArray base64 = QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()));
    auto decoded = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return std::move(decoded.decoded);
}

} // namespace BuiltInAnimationData
