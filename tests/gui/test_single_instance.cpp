// Single instance: a second start of the program hands its folder to the
// running one over the local socket and ends with 0.
#include "InstanceGuard.h"
#include "SingleApp.h"
#include "gui_test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

class TestSingleInstance : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-single"};

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        // The program and this test share a private instance key (set by CTest).
        QVERIFY(!qEnvironmentVariableIsEmpty("ORVEX_INSTANCE_SUFFIX"));
    }

    void guardAdmitsOneInstance()
    {
        InstanceGuard first(QStringLiteral("orvex-test-guard-") + QString::number(QCoreApplication::applicationPid()));
        QVERIFY(first.tryToRun());
        InstanceGuard second(QStringLiteral("orvex-test-guard-") + QString::number(QCoreApplication::applicationPid()));
        QVERIFY(!second.tryToRun());
        // Derived keys: lower-case hex SHA-1 of base key and suffix.
        QCOMPARE(InstanceGuard::deriveKey("abc", "_x"),
                 QString::fromLatin1(QCryptographicHash::hash("abc_x", QCryptographicHash::Sha1).toHex()));
    }

    void messageParsing()
    {
        QCOMPARE(SingleAppServer::pathFromMessage("vesk_path=/a/b"), QStringLiteral("/a/b"));
        QCOMPARE(SingleAppServer::pathFromMessage("vesk_path="), QString());
        QCOMPARE(SingleAppServer::pathFromMessage("hello"), QString());
    }

    void secondStartHandsOverItsFolder_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("received");
        const QString root = guitest::qstr(m_dir.path());
        QDir().mkpath(root + "/backup folder");
        QFile info(root + "/backup folder/HalvernTrellisSync.info");
        info.open(QIODevice::WriteOnly);
        QTest::newRow("a folder") << root + "/backup folder" << root + "/backup folder";
        QTest::newRow("a file inside a folder") << root + "/backup folder/HalvernTrellisSync.info"
                                                << root + "/backup folder";
        QTest::newRow("a path that does not exist") << root + "/nowhere" << QString();
        QTest::newRow("no argument") << QString() << QString();
    }
    void secondStartHandsOverItsFolder()
    {
        QFETCH(QString, argument);
        QFETCH(QString, received);
        // This process plays the first instance.
        InstanceGuard guard;
        QVERIFY(guard.tryToRun());
        SingleAppServer server;
        QVERIFY(server.isListening());
        QSignalSpy spy(&server, &SingleAppServer::sigShowWindowReq);

        QProcess later;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        later.setProcessEnvironment(env);
        later.start(QStringLiteral(ORVEX_TOOL_PATH), argument.isEmpty() ? QStringList() : QStringList{argument});
        QVERIFY(later.waitForStarted());
        QVERIFY(spy.wait(60000));
        QVERIFY(later.waitForFinished(60000));
        QCOMPARE(later.exitStatus(), QProcess::NormalExit);
        QCOMPARE(later.exitCode(), 0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), received);
        // The later start got the server's answer before it ended.
        QVERIFY(later.readAllStandardError().contains("Read Data From Server: done"));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
