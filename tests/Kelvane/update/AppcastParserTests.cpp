// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/AppcastParser.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

QByteArray feed(const char* items)
{
    return QByteArray(R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle" xmlns:dc="http://purl.org/dc/elements/1.1/">
<channel><title>Kelvane</title><link>https://example.org/</link>
)") + items
        + "\n</channel></rss>\n";
}

AppcastItem item(const char* version, const char* shortVersion, const char* notes, const char* download)
{
    return AppcastItem{QString::fromUtf8(version), QString::fromUtf8(shortVersion), QUrl(QString::fromUtf8(notes)),
                       QUrl(QString::fromUtf8(download))};
}

using Items = std::optional<std::vector<AppcastItem>>;

} // namespace

TEST(AppcastParser, ReadsItemsAsFeedsWriteThem)
{
    struct Case {
        const char* name;
        QByteArray document;
        Items expected;
    };
    const Case cases[] = {
        {"enclosure attributes", feed(R"(<item><title>1.2</title>
              <sparkle:releaseNotesLink>https://example.org/notes/1.2.html</sparkle:releaseNotesLink>
              <enclosure url="https://example.org/kelvane-1.2.tar.gz" sparkle:version="120" sparkle:shortVersionString="1.2" length="10" type="application/octet-stream"/>
              </item>)"),
         Items{{item("120", "1.2", "https://example.org/notes/1.2.html", "https://example.org/kelvane-1.2.tar.gz")}}},
        {"elements and a link instead of an enclosure", feed(R"(<item><sparkle:version> 1.3.0 </sparkle:version>
              <sparkle:shortVersionString>1.3</sparkle:shortVersionString>
              <link> https://example.org/download </link></item>)"),
         Items{{item("1.3.0", "1.3", "", "https://example.org/download")}}},
        {"the enclosure wins over elements before or after it",
         feed(R"(<item><sparkle:version>1</sparkle:version><link>https://example.org/page</link>
              <enclosure url="https://example.org/file" sparkle:version="2"/>
              <sparkle:shortVersionString>two</sparkle:shortVersionString></item>)"),
         Items{{item("2", "two", "", "https://example.org/file")}}},
        {"a short version alone serves as the version",
         feed(R"(<item><enclosure url="http://example.org/f" sparkle:shortVersionString="1.4"/></item>)"),
         Items{{item("1.4", "1.4", "", "http://example.org/f")}}},
        {"items without a version or a download link are left out",
         feed(R"(<item><link>https://example.org/a</link></item>
              <item><sparkle:version>5</sparkle:version></item>
              <item><sparkle:version>6</sparkle:version><link>https://example.org/b</link></item>)"),
         Items{{item("6", "", "", "https://example.org/b")}}},
        {"links that are no web addresses are dropped",
         feed(R"(<item><sparkle:version>7</sparkle:version><link>file:///etc/passwd</link></item>
              <item><sparkle:version>8</sparkle:version><link>https://example.org/c</link>
              <sparkle:releaseNotesLink>javascript:alert(1)</sparkle:releaseNotesLink></item>)"),
         Items{{item("8", "", "", "https://example.org/c")}}},
        {"nested enclosures (deltas) and other elements are skipped",
         feed(R"(<item><description><![CDATA[<p>New <b>things</b></p>]]></description>
              <sparkle:deltas><enclosure url="https://example.org/delta" sparkle:version="99"/></sparkle:deltas>
              <dc:creator>someone</dc:creator>
              <enclosure url="https://example.org/full" sparkle:version="9"/></item>)"),
         Items{{item("9", "", "", "https://example.org/full")}}},
        {"several items keep feed order", feed(R"(<item><enclosure url="https://e.org/1" sparkle:version="1"/></item>
              <item><enclosure url="https://e.org/3" sparkle:version="3"/></item>
              <item><enclosure url="https://e.org/2" sparkle:version="2"/></item>)"),
         Items{{item("1", "", "", "https://e.org/1"), item("3", "", "", "https://e.org/3"),
                item("2", "", "", "https://e.org/2")}}},
        {"a channel without items", feed(""), Items{std::vector<AppcastItem>{}}},
        {"an element of another namespace named like sparkle's",
         R"(<rss xmlns:s="urn:other"><channel><item><s:version>4</s:version><link>https://e.org/x</link></item></channel></rss>)",
         Items{std::vector<AppcastItem>{}}},
        {"empty document", "", std::nullopt},
        {"not XML", "{\"version\": \"2.0\"}", std::nullopt},
        {"an unclosed element", feed("<item><enclosure url=\"https://e.org/1\" sparkle:version=\"1\"/>"), std::nullopt},
        {"broken after the end", feed("") + "<rss>", std::nullopt},
        {"an undeclared prefix", R"(<rss><channel><item><sparkle:version>1</sparkle:version></item></channel></rss>)",
         std::nullopt},
        {"another root element", R"(<feed xmlns="http://www.w3.org/2005/Atom"><entry/></feed>)", std::nullopt},
        {"rss without a channel", R"(<rss version="2.0"></rss>)", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Appcast> appcast = parseAppcast(c.document);
        ASSERT_EQ(appcast.has_value(), c.expected.has_value());
        if (appcast) {
            EXPECT_EQ(appcast->items, *c.expected);
        }
    }
}
