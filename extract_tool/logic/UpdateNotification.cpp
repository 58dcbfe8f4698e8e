#include "UpdateNotification.h"

#include "Hcommon/Logger.h"
#include "OrvexExToolSettings.h"

#include <QDebug>
#include <QNetworkReply>

using Hcommon::Logger;

UpdateServer UpdateServer::fromSettings(OrvexExToolSettings &settings, int region)
{
    UpdateServer s;
    s.useTls = settings.updateServerSettings(QStringLiteral("SoftwareInfoSSL"), true).toBool();
    s.host = settings.updateServerSettings(QStringLiteral("SoftwareInfoHost"), QString()).toString().trimmed();
    if (s.host.isEmpty())
        s.host = QString::fromLatin1(region == kChinaRegion ? kChinaHost : kGlobalHost);
    bool ok = false;
    s.port = settings.updateServerSettings(QStringLiteral("SoftwareInfoPort"), 0).toInt(&ok);
    if (!ok || s.port <= 0 || s.port > 65535)
        s.port = s.useTls ? 443 : 80;
    s.path = settings.updateServerSettings(QStringLiteral("SoftwareInfoPath"), QString()).toString().trimmed();
    if (s.path.isEmpty())
        s.path = s.useTls ? QStringLiteral("/SoftwareReleaseS.xml") : QStringLiteral("/SoftwareRelease.xml");
    if (!s.path.startsWith(QLatin1Char('/')))
        s.path.prepend(QLatin1Char('/'));
    return s;
}

QUrl UpdateServer::url() const
{
    // Composed part by part: a host value cannot smuggle in a path or a user.
    QUrl u;
    u.setScheme(useTls ? QStringLiteral("https") : QStringLiteral("http"));
    u.setHost(host, QUrl::StrictMode);
    if (u.host().isEmpty())
        return QUrl();
    u.setPort(port);
    u.setPath(path, QUrl::StrictMode);
    return u;
}

UpdateNotification::UpdateNotification(const UpdateServer &server, const QString &programVersion, bool manual,
                                       int timeoutMs, ReportCallback report, QObject *parent)
    : QObject(parent), m_server(server), m_programVersion(programVersion), m_manual(manual), m_timeoutMs(timeoutMs),
      m_report(std::move(report)), m_client(this)
{
}

HttpRequest UpdateNotification::buildRequest(const UpdateServer &server, int timeoutMs)
{
    HttpRequest r;
    r.url = server.url();
    r.userAgent = QString::fromLatin1(kUserAgent);
    r.useTls = server.useTls;
    r.rawHeaders = {{"Connection", "Keep-Alive"}, {"Cache-Control", "no-cache"}, {"Pragma", "no-cache"}};
    r.timeoutMs = timeoutMs;
    r.maxBodyBytes = kMaxCatalogueBytes;
    return r;
}

UpdateResult UpdateNotification::evaluate(const HttpResponse &response, const QString &programVersion, bool manual)
{
    UpdateResult out;
    out.manual = manual;
    if (!response.ok()) {
        qDebug().noquote() << "httpstatuscode: " << response.httpStatus;
        out.connectionProblem = response.networkError == QNetworkReply::SslHandshakeFailedError ||
                                response.httpStatus == 525 || response.httpStatus == 526;
        out.message = response.errorString.isEmpty() ? QStringLiteral("HTTP status %1").arg(response.httpStatus)
                                                     : response.errorString;
        return out;
    }
    const CatalogueResult catalogue = parseReleaseCatalogue(response.body, QString::fromLatin1(kApplicationId),
                                                            QString::fromLatin1(kPlatformName));
    if (catalogue.status == CatalogueResult::Malformed) {
        out.message = catalogue.error;
        return out;
    }
    if (catalogue.status == CatalogueResult::NotFound) {
        out.succeeded = true;
        out.message = QStringLiteral("The release catalogue has no entry for this program.");
        return out;
    }
    const ReleaseInfo &r = catalogue.release;
    const auto newer = isNewerRelease(r, programVersion);
    if (!newer) {
        out.message = QStringLiteral("The release catalogue names version \"%1\" build \"%2\", which is not a version.")
                          .arg(r.version, r.buildNumber);
        return out;
    }
    out.succeeded = true;
    out.newerAvailable = *newer;
    out.version = r.version;
    out.build = r.buildNumber;
    out.releaseDate = r.releaseDate;
    out.downloadUrl = r.downloadUrl;
    out.message = QStringLiteral("The newest release is %1 build %2.").arg(r.version, r.buildNumber);
    return out;
}

void UpdateNotification::requestStop()
{
    m_stop.store(true);
    // Queued: the client lives on the worker thread, whose request loop runs it.
    QMetaObject::invokeMethod(&m_client, &HttpClient::abort, Qt::QueuedConnection);
}

void UpdateNotification::process()
{
    UpdateResult result;
    result.manual = m_manual;
    if (!m_stop.load()) {
        const HttpRequest request = buildRequest(m_server, m_timeoutMs);
        const HttpResponse response = m_client.run(request);
        if (!m_stop.load()) {
            result = evaluate(response, m_programVersion, m_manual);
            if (!result.succeeded)
                Logger::instance()->logText(
                    Logger::Warning, QStringLiteral("[Orvex Extract Tool] Unable to check for update (%1): %2")
                                         .arg(request.url.toString(), result.message));
        }
    }
    if (m_stop.load())
        result.message = QStringLiteral("The update check was stopped.");
    if (m_report)
        m_report(result);
    emit updateResult(result.succeeded, result.message);
    emit finished();
}
