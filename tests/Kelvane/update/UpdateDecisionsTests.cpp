// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/UpdateDecisions.h"

#include <gtest/gtest.h>

using platform::Date;

TEST(UpdateDecisions, ABackgroundCheckIsDueOnceADay)
{
    const Date now = Date::fromSecondsSinceReferenceDate(700'000'000);
    constexpr double hour = 60 * 60;
    struct Case {
        const char* name;
        std::optional<Date> last;
        bool due;
    };
    const Case cases[] = {
        {"never checked", std::nullopt, true},
        {"just now", now, false},
        {"an hour ago", now - hour, false},
        {"a second short of a day", now - (24 * hour - 1), false},
        {"a day ago", now - 24 * hour, true},
        {"three days ago", now - 72 * hour, true},
        {"in the future: the clock was set back", now + hour, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(update::isScheduledCheckDue(c.last, now), c.due);
    }
}

TEST(UpdateDecisions, TheNewestReleaseAboveThisVersionIsOffered)
{
    const auto release = [](const char* version, const char* name = "") {
        return AppcastItem{QString::fromLatin1(version),
                           QString::fromLatin1(name),
                           {},
                           QUrl(QStringLiteral("https://e.org/") + QLatin1String(version))};
    };
    struct Case {
        const char* name;
        std::vector<AppcastItem> items;
        std::optional<AppcastItem> expected;
    };
    const Case cases[] = {
        {"no items", {}, std::nullopt},
        {"only older and equal", {release("0.0.9"), release("0.1"), release("0.1.0")}, std::nullopt},
        {"the highest, wherever it stands", {release("0.2"), release("0.10"), release("0.9")}, release("0.10")},
        {"the first of equal versions", {release("1.0", "first"), release("1.0.0", "second")}, release("1.0", "first")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(update::newestUpdate(Appcast{c.items}, u"0.1.0"), c.expected);
    }
}

TEST(UpdateDecisions, AFeedDocumentBecomesAnOutcome)
{
    const QByteArray newer = R"(<rss xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel>
        <item><enclosure url="https://e.org/k" sparkle:version="0.2.0"/></item></channel></rss>)";
    EXPECT_EQ(update::outcomeOfFeed(newer, u"0.1.0"),
              UpdateCheckOutcome(AppcastItem{"0.2.0", "", {}, QUrl("https://e.org/k")}));
    EXPECT_EQ(update::outcomeOfFeed(newer, u"0.2"), UpdateCheckOutcome(UpToDate{}));
    EXPECT_EQ(update::outcomeOfFeed("<rss><channel>", u"0.1.0"), UpdateCheckOutcome(UpdateCheckFailure::Unreadable));
}

TEST(UpdateDecisions, RedirectsStayOnTheWebAndNeverGetLessSafe)
{
    struct Case {
        const char* from;
        const char* to;
        bool followed;
    };
    const Case cases[] = {
        {"http://a.org/feed", "http://b.org/feed", true},   {"http://a.org/feed", "https://a.org/feed", true},
        {"https://a.org/feed", "https://b.org/feed", true}, {"HTTPS://a.org/feed", "https://a.org/other", true},
        {"https://a.org/feed", "http://a.org/feed", false}, {"http://a.org/feed", "file:///etc/passwd", false},
        {"http://a.org/feed", "ftp://a.org/feed", false},   {"https://a.org/feed", "data:text/xml,<rss/>", false},
        {"http://a.org/feed", "http:///no-host", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        EXPECT_EQ(update::isAcceptableRedirect(QUrl(c.from), QUrl(c.to)), c.followed);
    }
}
