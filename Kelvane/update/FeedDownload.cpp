// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/FeedDownload.h"

#include "Kelvane/update/UpdateDecisions.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

UpdateCheckFailure failureOf(const QNetworkReply& reply)
{
    switch (reply.error()) {
    case QNetworkReply::InsecureRedirectError:
    case QNetworkReply::TooManyRedirectsError:
        return UpdateCheckFailure::RefusedRedirect;
    case QNetworkReply::TimeoutError:
        return UpdateCheckFailure::TimedOut;
    default:
        break;
    }
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300 && status < 400)
        return UpdateCheckFailure::RefusedRedirect; // one Qt itself would not follow
    if (status >= 400)
        return UpdateCheckFailure::ServerError;
    return UpdateCheckFailure::Unreachable;
}

} // namespace

FeedDownload::FeedDownload(Limits limits, QObject* parent)
    : QObject(parent)
    , m_limits(limits)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] { failWith(UpdateCheckFailure::TimedOut); });
}

FeedDownload::~FeedDownload()
{
    abandon();
}

void FeedDownload::start(const QUrl& url, std::function<void(Result)> done)
{
    abandon();
    m_body.clear();
    m_failure.reset();
    m_done = std::move(done);

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply* reply = m_network.get(request);
    m_reply = reply;

    connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl& target) {
        if (update::isAcceptableRedirect(reply->url(), target))
            Q_EMIT reply->redirectAllowed();
        else
            failWith(UpdateCheckFailure::RefusedRedirect);
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_limits.maxBytes)
            failWith(UpdateCheckFailure::TooLarge);
    });
    connect(reply, &QNetworkReply::readyRead, this, &FeedDownload::readBody);
    connect(reply, &QNetworkReply::finished, this, &FeedDownload::finish);
    m_deadline.start(m_limits.timeout);
}

void FeedDownload::failWith(UpdateCheckFailure failure)
{
    if (!m_reply || m_failure)
        return;
    m_failure = failure;
    m_reply->abort(); // finishes the reply, which reports the failure
}

void FeedDownload::readBody()
{
    if (!m_reply || m_failure)
        return;
    m_body += m_reply->read(m_limits.maxBytes + 1 - m_body.size());
    if (m_body.size() > m_limits.maxBytes)
        failWith(UpdateCheckFailure::TooLarge);
}

void FeedDownload::finish()
{
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    if (!m_failure) {
        m_body += reply->read(m_limits.maxBytes + 1 - m_body.size());
        if (m_body.size() > m_limits.maxBytes)
            m_failure = UpdateCheckFailure::TooLarge;
    }
    m_deadline.stop();
    reply->disconnect(this);
    reply->deleteLater();

    Result result = m_body;
    if (m_failure)
        result = *m_failure;
    else if (reply->error() != QNetworkReply::NoError)
        result = failureOf(*reply);
    m_body.clear();
    // The callback may start the next download, so it is moved out first.
    auto done = std::exchange(m_done, {});
    if (done)
        done(std::move(result));
}

void FeedDownload::abandon()
{
    m_deadline.stop();
    m_done = {};
    if (QNetworkReply* reply = std::exchange(m_reply, nullptr)) {
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}
