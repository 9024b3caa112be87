// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/app/DeepLinkParser.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Kind = DeepLinkAction::Kind;

std::optional<DeepLinkAction> expect(Kind kind, const char* presetID = "")
{
    return DeepLinkAction{kind, QString::fromUtf8(presetID)};
}

const std::optional<DeepLinkAction> none;

struct Case {
    const char* url;
    std::optional<DeepLinkAction> action;
};

TEST(DeepLinkParser, ReadsEveryLinkOfTheGrammar)
{
    const Case cases[] = {
        // The three hosts that need no path; path and query are ignored.
        {"kelvane://open", expect(Kind::Open)},
        {"kelvane://settings", expect(Kind::Settings)},
        {"kelvane://custom", expect(Kind::Custom)},
        {"kelvane://open/anything?x=1", expect(Kind::Open)},
        {"kelvane://settings/general?tab=2", expect(Kind::Settings)},
        {"kelvane://open?id=abc", expect(Kind::Open)},
        // Scheme, host and action word in any letter case.
        {"KELVANE://Timer/TOGGLE", expect(Kind::Toggle)},
        {"Kelvane://OPEN", expect(Kind::Open)},
        // Timer actions: the first path component names the action.
        {"kelvane://timer/toggle", expect(Kind::Toggle)},
        {"kelvane://timer/start", expect(Kind::Start)},
        {"kelvane://timer/pause", expect(Kind::Pause)},
        {"kelvane://timer/reset", expect(Kind::Reset)},
        {"kelvane://timer/start/extra", expect(Kind::Start)},
        {"kelvane://timer//pause", expect(Kind::Pause)},
        {"kelvane://timer/reset/", expect(Kind::Reset)},
        {"kelvane://timer/%74oggle", expect(Kind::Toggle)},
        {"kelvane://timer", none},
        {"kelvane://timer/", none},
        {"kelvane://timer/stop", none},
        {"kelvane://timer?id=abc", none},
        // Presets: the first "id" item, its name compared with its case, its
        // value kept as written.
        {"kelvane://timer/preset?id=abc", expect(Kind::Preset, "abc")},
        {"kelvane://timer/PRESET?id=preset.classic-25", expect(Kind::Preset, "preset.classic-25")},
        {"kelvane://timer/preset?id=Preset.Quick-5", expect(Kind::Preset, "Preset.Quick-5")},
        {"kelvane://timer/preset?x=1&id=abc&id=def", expect(Kind::Preset, "abc")},
        {"kelvane://timer/preset?id=a%20b", expect(Kind::Preset, "a b")},
        {"kelvane://timer/preset/extra?id=abc", expect(Kind::Preset, "abc")},
        {"kelvane://timer/preset?ID=abc", none},
        {"kelvane://timer/preset?id=", none},
        {"kelvane://timer/preset?id", none},
        {"kelvane://timer/preset?id=&id=abc", none},
        {"kelvane://timer/preset?", none},
        {"kelvane://timer/preset", none},
        // Other hosts and schemes.
        {"kelvane://stopwatch", none},
        {"kelvane://", none},
        {"kelvane:open", none},
        {"kelvane:///timer/toggle", none},
        {"https://open", none},
        {"kelvanex://timer/toggle", none},
        {"file:///timer/toggle", none},
        {"", none},
    };
    for (const auto& [url, action] : cases) {
        SCOPED_TRACE(url);
        const auto parsed = parseDeepLink(QUrl(QString::fromUtf8(url)));
        ASSERT_EQ(parsed.has_value(), action.has_value());
        if (action) {
            EXPECT_EQ(parsed->kind, action->kind);
            EXPECT_EQ(parsed->presetID.toStdString(), action->presetID.toStdString());
        }
    }
}

TEST(DeepLinkParser, IgnoresMalformedLinksHoweverTheyWereRead)
{
    const char* malformed[] = {
        "kelvane://timer:notaport/reset", "kelvane://timer:99999/toggle", "kelvane://ti mer/start",
        "kelvane://timer/preset?id=%zz",  "kelvane://[timer]/reset",
    };
    for (const char* url : malformed) {
        for (const auto mode : {QUrl::TolerantMode, QUrl::StrictMode}) {
            SCOPED_TRACE(::testing::Message() << url << (mode == QUrl::StrictMode ? " (strict)" : " (tolerant)"));
            const QUrl read(QString::fromUtf8(url), mode);
            if (read.isValid()) {
                // Tolerant reading mends some links; those are no longer malformed.
                EXPECT_EQ(mode, QUrl::TolerantMode);
                continue;
            }
            EXPECT_FALSE(parseDeepLink(read));
        }
    }
    EXPECT_FALSE(parseDeepLink(QUrl(QStringLiteral("kelvane://timer:notaport/reset"))));
}

} // namespace
