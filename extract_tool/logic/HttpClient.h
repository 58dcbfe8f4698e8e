// One HTTP(S) request, sent and waited for on the calling thread.
//
// HttpClient::run() blocks its thread in a local event loop until the answer
// is complete, the time-out passes, the answer grows past its size limit or
// abort() is called from the client's own thread (queue it there from another
// thread). It is meant for worker threads: the GUI thread never calls it.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

#include <atomic>

class QNetworkReply;

struct HttpRequest {
    enum ContentType {
        NoContentType = 0,
        FormUrlEncoded = 2,    // "application/x-www-form-urlencoded;charset=UTF-8"
        MultipartFormData = 4, // "multipart/form-data; boundary=" + boundary
    };

    QUrl url;
    QByteArray method = "GET";
    QString userAgent;
    int contentType = NoContentType;
    QByteArray boundary;
    bool useTls = false; // with TLS the default TLS configuration is used
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> rawHeaders;
    int timeoutMs = -1;       // -1: no time-out
    qint64 maxBodyBytes = -1; // -1: no limit
};

struct HttpResponse {
    static constexpr int kTimeoutStatus = 408;

    int networkError = 0; // QNetworkReply::NetworkError; 0 when the request went through
    int httpStatus = 0;   // 0 when no status line arrived
    QByteArray body;
    QString errorString;

    bool ok() const { return networkError == 0 && httpStatus >= 200 && httpStatus < 300; }
};

class HttpClient : public QObject {
    Q_OBJECT
public:
    explicit HttpClient(QObject *parent = nullptr) : QObject(parent) {}

    // Sends the request and waits for the whole answer. A time-out aborts the
    // request and reports network error 4 (time-out) with HTTP status 408; an
    // answer larger than maxBodyBytes is aborted and reported as an error.
    HttpResponse run(const HttpRequest &request);

public slots:
    // Ends a running request (reported as cancelled) and refuses later ones.
    void abort();

private:
    std::atomic<bool> m_aborted{false};
    QNetworkReply *m_reply = nullptr;
};
