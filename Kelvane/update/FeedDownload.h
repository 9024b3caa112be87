// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/update/UpdateCheckOutcome.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <functional>
#include <optional>
#include <variant>

// How much a feed download may take.
struct FeedLimits {
    qint64 maxBytes = 1024 * 1024;
    std::chrono::milliseconds timeout = std::chrono::seconds(30);
};

// Fetches the feed document over HTTP(S), within bounds: a body larger than
// `maxBytes` is cut off, the whole exchange must end within `timeout`, and
// redirects are followed only where isAcceptableRedirect allows. Main thread.
class FeedDownload final : public QObject {
    Q_OBJECT

public:
    using Result = std::variant<QByteArray, UpdateCheckFailure>;
    using Limits = FeedLimits;

    explicit FeedDownload(Limits limits = {}, QObject* parent = nullptr);
    ~FeedDownload() override;

    // `done` runs once, later, with the body or the failure; never after this
    // object is gone. Starting again abandons a download still running.
    void start(const QUrl& url, std::function<void(Result)> done);
    bool isRunning() const { return m_reply != nullptr; }

private:
    void failWith(UpdateCheckFailure failure);
    void readBody();
    void finish();
    void abandon();

    Limits m_limits;
    QNetworkAccessManager m_network;
    QTimer m_deadline;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    std::optional<UpdateCheckFailure> m_failure;
    std::function<void(Result)> m_done;
};
