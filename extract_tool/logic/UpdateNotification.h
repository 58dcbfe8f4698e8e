// The update check itself: where the release catalogue is, the request, and
// what the answer means for this program. UpdateNotification runs one check
// on a worker thread (UpdateChecker makes the thread and schedules checks).
#pragma once

#include "HttpClient.h"
#include "ReleaseCatalogue.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QUrl>

#include <atomic>
#include <functional>

class OrvexExToolSettings;

// The update service's address, from the settings "SoftwareInfoSSL" (true),
// "SoftwareInfoHost" (the global host, or the China host for region 2),
// "SoftwareInfoPort" (443 with TLS, else 80) and "SoftwareInfoPath"
// ("/SoftwareReleaseS.xml" with TLS, else "/SoftwareRelease.xml").
// The default hosts lie under the reserved ".invalid" domain: until a real
// service is configured, a check reaches nobody's server and simply fails.
struct UpdateServer {
    static constexpr const char *kGlobalHost = "update.halvern.invalid";
    static constexpr const char *kChinaHost = "update-cn.halvern.invalid";
    static constexpr int kChinaRegion = 2;

    bool useTls = true;
    QString host;
    int port = 443;
    QString path;

    // An empty or missing value takes its default; a path without a leading
    // slash gets one.
    static UpdateServer fromSettings(OrvexExToolSettings &settings, int region);
    // "https://host:443/path"; invalid when the host is not a host name.
    QUrl url() const;
};

// What one check found out, handed to the main window.
struct UpdateResult {
    bool manual = false;            // started from "Check for Updates"
    bool succeeded = false;         // the catalogue was fetched and understood
    bool newerAvailable = false;
    bool connectionProblem = false; // TLS handshake or certificate failure
    QString version;
    QString build;
    QString releaseDate;
    QString downloadUrl;
    QString message; // what went wrong, or what was found (for the event log)

    // Shown to the user for a manual check, or when there is a newer release.
    bool worthShowing() const { return manual || newerAvailable; }
};
Q_DECLARE_METATYPE(UpdateResult)

class UpdateNotification : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 30000;
    // A catalogue is a few kilobytes; anything this large is not one.
    static constexpr qint64 kMaxCatalogueBytes = 1 << 20;
    static constexpr const char *kUserAgent = "Halvern Orvex Extract Tool for Windows";
    static constexpr const char *kApplicationId = "example.halvern.OrvexExTool";
    static constexpr const char *kPlatformName = "Windows";

    // Called on the worker thread with the outcome of process().
    using ReportCallback = std::function<void(const UpdateResult &)>;

    UpdateNotification(const UpdateServer &server, const QString &programVersion, bool manual, int timeoutMs,
                       ReportCallback report, QObject *parent = nullptr);

    // The request exactly as the service expects it.
    static HttpRequest buildRequest(const UpdateServer &server, int timeoutMs);
    // Turns an answer into a result for a program of `programVersion`.
    static UpdateResult evaluate(const HttpResponse &response, const QString &programVersion, bool manual);

    // Safe from any thread: a running request ends at once, a later one is
    // not sent.
    void requestStop();

signals:
    void finished();
    void updateResult(bool result, QString message);

public slots:
    // Runs the whole check; reports through the callback, then emits finished().
    void process();

private:
    UpdateServer m_server;
    QString m_programVersion;
    bool m_manual;
    int m_timeoutMs;
    ReportCallback m_report;
    HttpClient m_client; // a child, so it moves to the worker thread with this object
    std::atomic<bool> m_stop{false};
};
