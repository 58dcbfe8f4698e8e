// The update check without windows: the service's address from the
// settings, the version rules, the catalogue, and whole checks against local
// stand-ins of the service (every kind of answer, silence past the time-out,
// TLS failures), scheduling with the automatic switch, and stopping.
#include "Hcommon/Settings.h"
#include "HttpClient.h"
#include "OrvexExToolSettings.h"
#include "ReleaseCatalogue.h"
#include "UpdateChecker.h"
#include "UpdateNotification.h"
#include "gui_test_support.h"
#include "update_service_stub.h"

#include <QNetworkReply>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <optional>

namespace kit = orvex::testkit::update;

namespace {

const char *kVersion = "1.1.8.26329";

using guitest::catalogueFor;

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-update"};
    int m_settingsRound = 0;

    static OrvexExToolSettings *settings() { return OrvexExToolSettings::instance(); }

    // Points the update check at a local server.
    static void useServer(quint16 port, bool tls)
    {
        settings()->setValue(QStringLiteral("SoftwareInfoHost"), QStringLiteral("127.0.0.1"), Hcommon::RegSz);
        settings()->setValue(QStringLiteral("SoftwareInfoPort"), port, Hcommon::RegDword);
        settings()->setValue(QStringLiteral("SoftwareInfoSSL"), tls ? 1 : 0, Hcommon::RegDword);
    }

    // One manual check through the scheduler: its single result, once its
    // thread is gone.
    static std::optional<UpdateResult> runManualCheck(int timeoutMs = UpdateNotification::kDefaultTimeoutMs)
    {
        UpdateChecker checker(QString::fromLatin1(kVersion));
        checker.setTimeoutMs(timeoutMs);
        QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
        checker.checkNow();
        if (!finished.wait(60000) || !QTest::qWaitFor([&] { return checker.runningChecks() == 0; }, 20000))
            return std::nullopt;
        return finished.first().first().value<UpdateResult>();
    }

    // A manual check whose request has reached a service that never answers.
    static bool startCheckThatHangs(guitest::UpdateServiceStub &service, UpdateChecker &checker)
    {
        service.setMode(guitest::UpdateServiceStub::Silent);
        useServer(service.port(), false);
        checker.checkNow();
        return QTest::qWaitFor([&] { return service.requests().size() == 1; }, 20000);
    }

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvex Extract Tool"));
        for (const char *v : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(v);
    }
    // Every test starts from empty settings.
    void init()
    {
        Hcommon::Settings::setStorageFolder(guitest::qstr(m_dir.path()) +
                                            QStringLiteral("/settings%1").arg(++m_settingsRound));
        settings()->loadGlobalSettingsInfo();
    }

    void addressFromSettings_data()
    {
        QTest::addColumn<QVariant>("ssl");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QVariant>("port");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("region");
        QTest::addColumn<QString>("url");
        const QVariant unset;
        QTest::newRow("defaults, region not chosen")
            << unset << "" << unset << "" << 0 << "https://update.halvern.invalid:443/SoftwareReleaseS.xml";
        QTest::newRow("global region")
            << unset << "" << unset << "" << 1 << "https://update.halvern.invalid:443/SoftwareReleaseS.xml";
        QTest::newRow("China region without a host value")
            << unset << "" << unset << "" << 2 << "https://update-cn.halvern.invalid:443/SoftwareReleaseS.xml";
        QTest::newRow("without TLS: http, port 80, other path")
            << QVariant(0) << "" << unset << "" << 1 << "http://update.halvern.invalid:80/SoftwareRelease.xml";
        QTest::newRow("host value wins over the region")
            << unset << "updates.example.org" << unset << "" << 2
            << "https://updates.example.org:443/SoftwareReleaseS.xml";
        QTest::newRow("port and path values")
            << QVariant(0) << "127.0.0.1" << QVariant(8080) << "/x/catalogue.xml" << 1
            << "http://127.0.0.1:8080/x/catalogue.xml";
        QTest::newRow("path without its slash") << unset << "" << unset << "cat.xml" << 1
                                                << "https://update.halvern.invalid:443/cat.xml";
        QTest::newRow("port out of range falls back") << unset << "" << QVariant(70000) << "" << 1
                                                       << "https://update.halvern.invalid:443/SoftwareReleaseS.xml";
    }
    void addressFromSettings()
    {
        QFETCH(QVariant, ssl);
        QFETCH(QString, host);
        QFETCH(QVariant, port);
        QFETCH(QString, path);
        QFETCH(int, region);
        QFETCH(QString, url);
        if (ssl.isValid())
            settings()->setValue(QStringLiteral("SoftwareInfoSSL"), ssl, Hcommon::RegDword);
        if (!host.isEmpty())
            settings()->setValue(QStringLiteral("SoftwareInfoHost"), host, Hcommon::RegSz);
        if (port.isValid())
            settings()->setValue(QStringLiteral("SoftwareInfoPort"), port, Hcommon::RegDword);
        if (!path.isEmpty())
            settings()->setValue(QStringLiteral("SoftwareInfoPath"), path, Hcommon::RegSz);
        QCOMPARE(UpdateServer::fromSettings(*settings(), region).url().toString(), url);
    }

    void hostValueCannotAddPathOrUser()
    {
        UpdateServer s = UpdateServer::fromSettings(*settings(), 1);
        s.host = QStringLiteral("evil.example/x?y@z");
        QVERIFY(!s.url().isValid());
    }

    void versionOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order"); // -1, 0, 1; 9 = not versions
        QTest::newRow("equal") << "1.1.8" << "1.1.8" << 0;
        QTest::newRow("missing parts are zeros") << "1.2" << "1.2.0.0" << 0;
        QTest::newRow("numbers, not text") << "1.10" << "1.9" << 1;
        QTest::newRow("a longer version with a non-zero part is greater") << "1.1.8.1" << "1.1.8" << 1;
        QTest::newRow("earlier part decides") << "1.2" << "1.1.99" << 1;
        QTest::newRow("older") << "1.1.7" << "1.1.8" << -1;
        QTest::newRow("blanks around") << " 2.0 " << "2" << 0;
        QTest::newRow("leading zeros") << "1.01" << "1.1" << 0;
        QTest::newRow("64-bit parts") << "18446744073709551615" << "18446744073709551614" << 1;
        QTest::newRow("beyond 64 bits") << "18446744073709551616" << "1" << 9;
        QTest::newRow("letters") << "1.2a" << "1.2" << 9;
        QTest::newRow("empty part") << "1..2" << "1.2" << 9;
        QTest::newRow("trailing dot") << "1.2." << "1.2" << 9;
        QTest::newRow("sign") << "-1.2" << "1.2" << 9;
        QTest::newRow("empty") << "" << "1" << 9;
    }
    void versionOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        const auto got = compareVersions(a, b);
        if (order == 9) {
            QVERIFY(!got.has_value());
            return;
        }
        QVERIFY(got.has_value());
        QCOMPARE(*got, order);
        QCOMPARE(*compareVersions(b, a), -order);
    }

    void newerRelease_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("build");
        QTest::addColumn<int>("newer"); // 1, 0; -1 = not a version
        QTest::newRow("newer version, lower build") << "1.2.0" << "100" << 1;
        QTest::newRow("same version, newer build") << "1.1.8" << "26330" << 1;
        QTest::newRow("same version and build") << "1.1.8" << "26329" << 0;
        QTest::newRow("same version, older build") << "1.1.8" << "26000" << 0;
        QTest::newRow("older version, higher build") << "1.1.7" << "99999" << 0;
        QTest::newRow("same version without build") << "1.1.8" << "" << 0;
        QTest::newRow("same version in two parts") << "1.1.8.0" << "26330" << 1;
        QTest::newRow("build is not a number") << "1.1.8" << "26b" << -1;
        QTest::newRow("build with parts") << "1.1.8" << "1.2" << -1;
        QTest::newRow("version is not a number") << "one" << "1" << -1;
    }
    void newerRelease()
    {
        QFETCH(QString, version);
        QFETCH(QString, build);
        QFETCH(int, newer);
        ReleaseInfo r;
        r.version = version;
        r.buildNumber = build;
        const auto got = isNewerRelease(r, QString::fromLatin1(kVersion));
        if (newer < 0) {
            QVERIFY(!got.has_value());
            return;
        }
        QVERIFY(got.has_value());
        QCOMPARE(*got, newer == 1);
    }

    void catalogue_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("version");
        const int found = CatalogueResult::Found, none = CatalogueResult::NotFound, bad = CatalogueResult::Malformed;
        const std::string id = UpdateNotification::kApplicationId;
        QTest::newRow("our entry") << catalogueFor("1.2.0", "27001") << found << "1.2.0";
        QTest::newRow("another application only") << catalogueFor("9.0", "1", "example.other.Tool") << none << "";
        QTest::newRow("another platform only") << catalogueFor("9.0", "1", id, "macOS") << none << "";
        {
            kit::CatalogueEntry other{"example.other.Tool", "Windows", "9.9", "1"};
            kit::CatalogueEntry ours{id, "Windows", "1.3", "5"};
            QTest::newRow("ours after another") << QByteArray::fromStdString(kit::catalogue({other, ours})) << found
                                                << "1.3";
        }
        QTest::newRow("empty document") << QByteArray() << bad << "";
        QTest::newRow("not XML") << QByteArray("{\"version\": \"9\"}") << bad << "";
        QTest::newRow("cut short") << catalogueFor("1.2.0", "1").left(300) << bad << "";
        QTest::newRow("broken after our entry") << catalogueFor("1.2.0", "1") + "<application><oops>" << bad << "";
        QTest::newRow("element inside a field")
            << QByteArray("<a><application><applicationName>" + QByteArray(id.c_str()) +
                          "</applicationName><platform><platformName>Windows</platformName><software><version>1"
                          "<b/></version></software></platform></application></a>")
            << bad << "";
        QTest::newRow("no version") << catalogueFor("", "5") << bad << "";
        QTest::newRow("file address") << [&] {
            kit::CatalogueEntry e{id, "Windows", "2.0", "1"};
            e.download_url = "file:///etc/passwd";
            return QByteArray::fromStdString(kit::catalogue({e}));
        }() << bad << "";
        QTest::newRow("overlong field") << catalogueFor(std::string(5000, '1'), "1") << bad << "";
    }
    void catalogue()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, status);
        QFETCH(QString, version);
        const CatalogueResult r = parseReleaseCatalogue(xml, QString::fromLatin1(UpdateNotification::kApplicationId),
                                                        QStringLiteral("Windows"));
        QCOMPARE(static_cast<int>(r.status), status);
        QCOMPARE(r.release.version, version);
        QCOMPARE(r.error.isEmpty(), status != CatalogueResult::Malformed);
        if (status == CatalogueResult::Found) {
            QCOMPARE(r.release.companyName, QStringLiteral("Halvern"));
            QCOMPARE(r.release.releaseDate, QStringLiteral("2024/05/02"));
            QVERIFY(r.release.downloadUrl.startsWith(QLatin1String("https://")));
        }
    }

    // Whole manual checks against a local service answering each way.
    void answers_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("succeeded");
        QTest::addColumn<bool>("newer");
        QTest::addColumn<QString>("version");
        const int answer = guitest::UpdateServiceStub::Answer;
        QTest::newRow("newer") << answer << 200 << catalogueFor("1.2.0", "27001") << true << true << "1.2.0";
        QTest::newRow("same version, newer build") << answer << 200 << catalogueFor("1.1.8", "26400") << true << true
                                                   << "1.1.8";
        QTest::newRow("equal") << answer << 200 << catalogueFor("1.1.8", "26329") << true << false << "1.1.8";
        QTest::newRow("older") << answer << 200 << catalogueFor("1.0.0", "1") << true << false << "1.0.0";
        QTest::newRow("no matching entry") << answer << 200 << catalogueFor("9.0", "1", "example.other.Tool") << true
                                           << false << "";
        QTest::newRow("malformed") << answer << 200 << QByteArray("<softwareRelease><application>") << false << false
                                   << "";
        QTest::newRow("version that is no number") << answer << 200 << catalogueFor("1.x", "1") << false << false
                                                   << "";
        QTest::newRow("not found") << answer << 404 << QByteArray("missing") << false << false << "";
        QTest::newRow("server error") << answer << 500 << catalogueFor("1.2.0", "1") << false << false << "";
        QTest::newRow("huge answer with its length") << int(guitest::UpdateServiceStub::HugeSized) << 200
                                                     << QByteArray() << false << false << "";
        QTest::newRow("huge answer without a length") << int(guitest::UpdateServiceStub::HugeUnsized) << 200
                                                      << QByteArray() << false << false << "";
    }
    void answers()
    {
        QFETCH(int, mode);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, succeeded);
        QFETCH(bool, newer);
        QFETCH(QString, version);
        guitest::UpdateServiceStub service;
        service.answer(status, body);
        service.setMode(static_cast<guitest::UpdateServiceStub::Mode>(mode));
        useServer(service.port(), false);

        const auto result = runManualCheck();
        QVERIFY(result);
        const UpdateResult &r = *result;
        QCOMPARE(service.requests().size(), 1);
        QVERIFY(r.manual);
        QCOMPARE(r.succeeded, succeeded);
        QCOMPARE(r.newerAvailable, newer);
        QCOMPARE(r.version, version);
        QVERIFY(!r.connectionProblem);
        QVERIFY(r.worthShowing());
        QVERIFY(!r.message.isEmpty());
        if (newer)
            QCOMPARE(r.downloadUrl, QStringLiteral("https://downloads.halvern.example/OrvexExTool.exe"));
    }

    void requestOnTheWire()
    {
        guitest::UpdateServiceStub service;
        service.answer(200, catalogueFor("1.1.8", "26329"));
        useServer(service.port(), false);
        const auto result = runManualCheck();
        QVERIFY(result && result->succeeded);
        QCOMPARE(service.requests().size(), 1);
        const QList<QByteArray> lines = service.requests().first().split('\n');
        QCOMPARE(lines.first().trimmed(), QByteArray("GET /SoftwareRelease.xml HTTP/1.1"));
        QByteArrayList headers;
        for (const QByteArray &l : lines.mid(1))
            headers << l.trimmed().toLower();
        for (const char *expected : {"user-agent: halvern orvex extract tool for windows", "connection: keep-alive",
                                     "cache-control: no-cache", "pragma: no-cache"})
            QVERIFY2(headers.contains(expected), expected);
        QVERIFY(headers.contains("host: 127.0.0.1:" + QByteArray::number(service.port())));
    }

    // Silence past the time-out is status 408 and, for a manual check,
    // "unable to check". The time-out is shortened; nothing else changes.
    void silentServerTimesOut()
    {
        guitest::UpdateServiceStub service;
        service.setMode(guitest::UpdateServiceStub::Silent);

        HttpRequest request = UpdateNotification::buildRequest(UpdateServer{false, "127.0.0.1", service.port(), "/c"},
                                                               200);
        HttpClient client;
        const HttpResponse response = client.run(request);
        QCOMPARE(response.networkError, int(QNetworkReply::TimeoutError));
        QCOMPARE(response.httpStatus, 408);
        QCOMPARE(service.requests().size(), 1);

        useServer(service.port(), false);
        const auto result = runManualCheck(200);
        QVERIFY(result);
        const UpdateResult &r = *result;
        QVERIFY(!r.succeeded);
        QVERIFY(!r.connectionProblem);
        QVERIFY(r.worthShowing());
        QCOMPARE(UpdateNotification::evaluate(response, QString::fromLatin1(kVersion), false).succeeded, false);
        QCOMPARE(UpdateServer().port, 443);
        QCOMPARE(UpdateNotification::kDefaultTimeoutMs, 30000);
    }

    void tlsFailures_data()
    {
        QTest::addColumn<bool>("selfSigned");
        QTest::newRow("certificate nobody vouches for") << true;
        QTest::newRow("server that does not speak TLS") << false;
    }
    void tlsFailures()
    {
        QFETCH(bool, selfSigned);
        guitest::SelfSignedTlsServer tls;
        guitest::UpdateServiceStub plain;
        plain.answer(200, catalogueFor("9.0", "1"));
        plain.setMode(guitest::UpdateServiceStub::AnswerAtOnce);
        useServer(selfSigned ? tls.serverPort() : plain.port(), true);
        const auto result = runManualCheck();
        QVERIFY(result);
        const UpdateResult &r = *result;
        QVERIFY(!r.succeeded);
        QVERIFY2(r.connectionProblem, qPrintable(r.message));
        QVERIFY(!r.newerAvailable);
        if (selfSigned)
            QCOMPARE(tls.connections(), 1);
    }

    // "AutoCheckUpdates" off: the automatic check sends nothing, a manual one
    // still asks; on: the automatic check asks and stays quiet unless newer.
    void automaticSwitch()
    {
        guitest::UpdateServiceStub service;
        service.answer(200, catalogueFor("1.1.8", "26329"));
        useServer(service.port(), false);

        settings()->setValue(QStringLiteral("AutoCheckUpdates"), 0, Hcommon::RegDword);
        UpdateChecker checker(QString::fromLatin1(kVersion));
        QSignalSpy skipped(&checker, &UpdateChecker::checkSkipped);
        QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
        checker.scheduleAutomatic(0);
        QVERIFY(skipped.wait(20000));
        QCOMPARE(checker.runningChecks(), 0);
        QCOMPARE(service.requests().size(), 0);
        QCOMPARE(finished.size(), 0);

        checker.checkNow();
        QVERIFY(finished.wait(20000));
        QCOMPARE(service.requests().size(), 1);
        QVERIFY(finished.takeFirst().first().value<UpdateResult>().worthShowing());

        settings()->setValue(QStringLiteral("AutoCheckUpdates"), 1, Hcommon::RegDword);
        checker.scheduleAutomatic(0);
        QVERIFY(finished.wait(20000));
        QCOMPARE(service.requests().size(), 2);
        const UpdateResult automatic = finished.takeFirst().first().value<UpdateResult>();
        QVERIFY(automatic.succeeded);
        QVERIFY(!automatic.manual);
        QVERIFY(!automatic.worthShowing());
        QCOMPARE(skipped.size(), 1);
    }

    void automaticDelay()
    {
        QCOMPARE(UpdateChecker::automaticDelayMs(0u), 60000);
        QCOMPARE(UpdateChecker::automaticDelayMs(59u), 119000);
        QCOMPARE(UpdateChecker::automaticDelayMs(60u), 60000);
        QCOMPARE(UpdateChecker::automaticDelayMs(0xffffffffu), 60000 + int(0xffffffffu % 60) * 1000);
    }

    // A new check discards the running one: only the new result arrives, and
    // the old request ends at once instead of waiting out its time-out.
    void newCheckDiscardsRunningOne()
    {
        guitest::UpdateServiceStub service;
        UpdateChecker checker(QString::fromLatin1(kVersion));
        QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
        QVERIFY(startCheckThatHangs(service, checker));

        service.answer(200, catalogueFor("1.2.0", "1"));
        checker.checkNow();
        QVERIFY(finished.wait(20000));
        QTRY_COMPARE_WITH_TIMEOUT(checker.runningChecks(), 0, 20000);
        QCOMPARE(finished.size(), 1);
        QVERIFY(finished.first().first().value<UpdateResult>().newerAvailable);
        QCOMPARE(service.requests().size(), 2);
    }

    void stopEndsARunningRequest()
    {
        guitest::UpdateServiceStub service;
        service.setMode(guitest::UpdateServiceStub::Silent);
        HttpClient client;
        // Abort as soon as the request has arrived; without it the time-out
        // (far beyond the test's limit) would answer with status 408.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &client, [&] {
            if (!service.requests().isEmpty())
                client.abort();
        });
        poll.start(10);
        const HttpResponse r = client.run(
            UpdateNotification::buildRequest(UpdateServer{false, "127.0.0.1", service.port(), "/c"}, 10 * 60 * 1000));
        QCOMPARE(r.networkError, int(QNetworkReply::OperationCanceledError));
        QCOMPARE(r.httpStatus, 0);
        // A stopped client sends nothing more.
        QCOMPARE(client.run(UpdateNotification::buildRequest(UpdateServer{false, "127.0.0.1", service.port(), "/c"}, 100))
                     .networkError,
                 int(QNetworkReply::OperationCanceledError));
        QCOMPARE(service.requests().size(), 1);
    }

    void shutdownStopsRunningChecks()
    {
        guitest::UpdateServiceStub service;
        UpdateChecker checker(QString::fromLatin1(kVersion));
        QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
        QVERIFY(startCheckThatHangs(service, checker));
        checker.shutdown();
        QCOMPARE(checker.runningChecks(), 0);
        QTest::qWait(50);
        QCOMPARE(finished.size(), 0);
    }
};

QTEST_MAIN(TestUpdateCheck)
#include "test_update_check.moc"
