#include "HttpClient.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>

#include <memory>

namespace {

QNetworkRequest buildRequest(const HttpRequest &request)
{
    QNetworkRequest req(request.url);
    req.setHeader(QNetworkRequest::UserAgentHeader, request.userAgent);
    if (request.contentType == HttpRequest::FormUrlEncoded)
        req.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-www-form-urlencoded;charset=UTF-8"));
    else if (request.contentType == HttpRequest::MultipartFormData)
        req.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("multipart/form-data; boundary=") + request.boundary);
    for (const auto &h : request.rawHeaders)
        req.setRawHeader(h.first, h.second);
    if (request.useTls)
        req.setSslConfiguration(QSslConfiguration::defaultConfiguration());
    return req;
}

HttpResponse failure(int networkError, int httpStatus, const QString &text)
{
    HttpResponse out;
    out.networkError = networkError;
    out.httpStatus = httpStatus;
    out.errorString = text;
    return out;
}

} // namespace

HttpResponse HttpClient::run(const HttpRequest &request)
{
    if (m_aborted.load())
        return failure(QNetworkReply::OperationCanceledError, 0, QStringLiteral("The request was cancelled."));

    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(manager.sendCustomRequest(buildRequest(request), request.method, request.body));
    m_reply = reply.get();

    bool tooLarge = false;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (request.maxBodyBytes >= 0) {
        QNetworkReply *r = reply.get();
        connect(r, &QNetworkReply::downloadProgress, &loop, [&tooLarge, r, &request](qint64 received, qint64 total) {
            if (received > request.maxBodyBytes || total > request.maxBodyBytes) {
                tooLarge = true;
                r->abort();
            }
        });
    }
    if (request.timeoutMs >= 0)
        timer.start(request.timeoutMs);
    // abort() may already have been queued before the reply existed.
    if (!reply->isFinished() && !m_aborted.load())
        loop.exec();

    const bool timedOut = !reply->isFinished() && !m_aborted.load();
    if (!reply->isFinished())
        reply->abort();
    m_reply = nullptr;

    if (timedOut)
        return failure(QNetworkReply::TimeoutError, HttpResponse::kTimeoutStatus,
                       QStringLiteral("No answer within %1 ms.").arg(request.timeoutMs));
    if (tooLarge)
        return failure(QNetworkReply::OperationCanceledError, 0,
                       QStringLiteral("The answer is larger than %1 bytes.").arg(request.maxBodyBytes));
    if (m_aborted.load())
        return failure(QNetworkReply::OperationCanceledError, 0, QStringLiteral("The request was cancelled."));

    HttpResponse out;
    out.networkError = reply->error();
    out.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    out.body = reply->readAll();
    out.errorString = reply->errorString();
    return out;
}

void HttpClient::abort()
{
    m_aborted.store(true);
    if (m_reply)
        m_reply->abort();
}
