// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/app/DeepLinkParser.h"

#include <QUrlQuery>

#include <span>

namespace {

using Kind = DeepLinkAction::Kind;

struct Word {
    QLatin1StringView text;
    Kind kind;
};

// Hosts that are an action by themselves.
constexpr Word plainHosts[] = {
    {QLatin1StringView("open"), Kind::Open},
    {QLatin1StringView("settings"), Kind::Settings},
    {QLatin1StringView("custom"), Kind::Custom},
};

// Action words under kelvane://timer/ that carry nothing more.
constexpr Word timerWords[] = {
    {QLatin1StringView("toggle"), Kind::Toggle},
    {QLatin1StringView("start"), Kind::Start},
    {QLatin1StringView("pause"), Kind::Pause},
    {QLatin1StringView("reset"), Kind::Reset},
};

// `lowered` is already in lower case.
std::optional<DeepLinkAction> lookUp(std::span<const Word> words, const QString& lowered)
{
    for (const Word& word : words) {
        if (lowered == word.text)
            return DeepLinkAction{word.kind, {}};
    }
    return std::nullopt;
}

// The first "id" item of the query, compared with its letter case; an empty
// value names nothing. Whether it is a real preset is decided by whoever
// performs the link.
std::optional<DeepLinkAction> presetAction(const QUrl& url)
{
    const QUrlQuery query(url);
    for (const auto& [name, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (name != QLatin1String("id"))
            continue;
        if (value.isEmpty())
            return std::nullopt;
        return DeepLinkAction{Kind::Preset, value};
    }
    return std::nullopt;
}

std::optional<DeepLinkAction> timerAction(const QUrl& url)
{
    // Empty segments stand for the separators: kelvane://timer//start is start.
    const auto components = url.path(QUrl::FullyDecoded).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (components.isEmpty())
        return std::nullopt;
    const QString word = components.first().toLower();
    if (word == QLatin1String("preset"))
        return presetAction(url);
    return lookUp(timerWords, word);
}

} // namespace

std::optional<DeepLinkAction> parseDeepLink(const QUrl& url)
{
    // A malformed link (a bad port, a character no URL may hold) is ignored,
    // whichever road it came by.
    if (!url.isValid())
        return std::nullopt;
    if (url.scheme().toLower() != QLatin1String("kelvane"))
        return std::nullopt;
    const QString host = url.host(QUrl::FullyDecoded).toLower();
    if (host == QLatin1String("timer"))
        return timerAction(url);
    return lookUp(plainHosts, host);
}
