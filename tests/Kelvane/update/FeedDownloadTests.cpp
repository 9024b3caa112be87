// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/FeedDownload.h"

#include "Kelvane/update/LoopbackHttpServer.h"

#include "support/WaitUntil.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

const QByteArray goodFeed = R"(<?xml version="1.0"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"><channel>
<item><enclosure url="https://example.org/k.tar.gz" sparkle:version="0.2.0"/></item>
</channel></rss>)";

std::optional<FeedDownload::Result> download(const QUrl& url, FeedDownload::Limits limits = {1024 * 1024, 2s})
{
    FeedDownload fetch(limits);
    std::optional<FeedDownload::Result> result;
    int calls = 0;
    fetch.start(url, [&](FeedDownload::Result r) {
        ++calls;
        result = std::move(r);
    });
    platform::test::waitUntil([&] { return calls > 0; }, 10s);
    platform::test::runEventLoop(20ms); // no second report
    EXPECT_EQ(calls, 1);
    return result;
}

} // namespace

TEST(FeedDownload, BringsTheBodyOrOneFailure)
{
    LoopbackHttpServer server;
    ASSERT_TRUE(server.isListening());
    const QByteArray big(2 * 1024 * 1024, 'x');
    server.serve("/feed", {200, goodFeed});
    server.serve("/moved", {301, {}, {"Location: /feed"}});
    server.serve("/to-file", {302, {}, {"Location: file:///etc/passwd"}});
    server.serve("/to-ftp", {302, {}, {"Location: ftp://127.0.0.1/feed"}});
    server.serve("/missing", {404, "<html>no</html>"});
    server.serve("/broken", {500, {}});
    server.serve("/big", {200, big});
    server.serve("/big-unannounced", {200, big, {}, false});
    server.serve("/slow", {200, {}, {}, true, false});

    struct Case {
        const char* path;
        FeedDownload::Result expected;
    };
    const Case cases[] = {
        {"/feed", goodFeed},
        {"/moved", goodFeed}, // within the same server and scheme
        {"/to-file", UpdateCheckFailure::RefusedRedirect},
        {"/to-ftp", UpdateCheckFailure::RefusedRedirect},
        {"/missing", UpdateCheckFailure::ServerError},
        {"/broken", UpdateCheckFailure::ServerError},
        {"/big", UpdateCheckFailure::TooLarge},
        {"/big-unannounced", UpdateCheckFailure::TooLarge},
        {"/slow", UpdateCheckFailure::TimedOut},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(download(server.url(c.path), {1024 * 1024, 500ms}), c.expected);
    }
    EXPECT_EQ(server.requests("/feed"), 2);
}

TEST(FeedDownload, ANobodyListeningPortIsUnreachable)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    EXPECT_EQ(download(QUrl(QStringLiteral("http://127.0.0.1:%1/feed").arg(port))),
              FeedDownload::Result(UpdateCheckFailure::Unreachable));
}

TEST(FeedDownload, AStartAbandonsTheRunningDownloadAndItsReport)
{
    LoopbackHttpServer server;
    server.serve("/slow", {200, {}, {}, true, false});
    server.serve("/feed", {200, goodFeed});
    FeedDownload fetch({1024 * 1024, 2s});
    int slowReports = 0;
    std::optional<FeedDownload::Result> result;
    fetch.start(server.url("/slow"), [&](FeedDownload::Result) { ++slowReports; });
    ASSERT_TRUE(platform::test::waitUntil([&] { return server.requests("/slow") == 1; }));
    fetch.start(server.url("/feed"), [&](FeedDownload::Result r) { result = std::move(r); });
    ASSERT_TRUE(platform::test::waitUntil([&] { return result.has_value(); }));
    EXPECT_EQ(*result, FeedDownload::Result(goodFeed));
    EXPECT_EQ(slowReports, 0);
    EXPECT_FALSE(fetch.isRunning());
}
