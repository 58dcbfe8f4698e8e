// Opening a backup folder: the password loop, the two error messages, the
// event log line, cancelling through the library's callback, and passwords
// kept out of every message.
#include "AppPaths.h"
#include "Hcommon/Logger.h"
#include "VerifyPassword.h"
#include "VeskOpener.h"
#include "VeskThreads.h"
#include "gui_test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QValidator>
#include <QtTest>

using Hcommon::Logger;
namespace tr = orvex::testkit::trellis;

namespace {

class ScriptedOpener : public VeskOpener {
public:
    QStringList passwords; // answers to the password dialog; none left = Cancel
    int asked = 0;
    int incorrect = 0;
    int unknown = 0;
    using VeskOpener::VeskOpener;

protected:
    bool askPassword(QString *password) override
    {
        ++asked;
        if (passwords.isEmpty())
            return false;
        *password = passwords.takeFirst();
        return true;
    }
    void showIncorrectPassword(const QString &) override { ++incorrect; }
    void showUnknownFormat(const QString &) override { ++unknown; }
};

} // namespace

class TestOpenLoop : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-open"};
    QString m_locked;
    QString m_plain;
    const QString kPassword = QStringLiteral("s3cret-Pa55");
    const QString kWrong = QStringLiteral("wrong-Guess-77");

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvex Extract Tool Test"));
        tr::FolderOptions opt;
        opt.password = kPassword.toStdString();
        opt.versions = 2;
        opt.files = 12;
        tr::write_folder(m_dir / "locked", opt);
        tr::FolderOptions open;
        open.versions = 1;
        open.files = 5;
        tr::write_folder(m_dir / "plain", open);
        m_locked = guitest::qstr(m_dir / "locked");
        m_plain = guitest::qstr(m_dir / "plain");
        QDir().mkpath(guitest::qstr(m_dir / "not-a-backup"));
        QVERIFY(Logger::instance()->openLogFile(guitest::qstr(m_dir / "event.log"), false, true));
        Logger::instance()->setLevelMask(Logger::All);
    }

    void folderWithoutPasswordOpensAtOnce()
    {
        ScriptedOpener opener(nullptr);
        ArchiveSessionPtr s = opener.open(m_plain);
        QVERIFY(s);
        QCOMPARE(opener.asked, 0);
        QCOMPARE(s->path(), m_plain);
    }

    void passwordLoop_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("incorrect");
        QTest::newRow("right at once") << QStringList{kPassword} << true << 1 << 0;
        QTest::newRow("wrong then right") << QStringList{kWrong, kPassword} << true << 2 << 1;
        QTest::newRow("three wrong then right") << QStringList{kWrong, kWrong, kWrong, kPassword} << true << 4 << 3;
        QTest::newRow("cancel at once") << QStringList{} << false << 1 << 0;
        QTest::newRow("wrong then cancel") << QStringList{kWrong} << false << 2 << 1;
    }
    void passwordLoop()
    {
        QFETCH(QStringList, answers);
        QFETCH(bool, opened);
        QFETCH(int, asked);
        QFETCH(int, incorrect);
        guitest::takeCapturedMessages();
        ScriptedOpener opener(nullptr);
        opener.passwords = answers;
        // Forward slashes are handed to the library as backslashes.
        ArchiveSessionPtr s = opener.open(m_locked);
        QCOMPARE(bool(s), opened);
        QCOMPARE(opener.asked, asked);
        QCOMPARE(opener.incorrect, incorrect);
        QCOMPARE(opener.unknown, 0);
        if (s)
            QCOMPARE(s->password(), kPassword);
        s.reset();
        Logger::instance()->flush();
        // Neither password reaches the debug output or the event log.
        const QStringList messages = guitest::takeCapturedMessages() + Logger::instance()->readAllLines();
        for (const QString &m : messages) {
            QVERIFY2(!m.contains(kPassword), qPrintable(m));
            QVERIFY2(!m.contains(kWrong), qPrintable(m));
        }
    }

    void notABackupFolder()
    {
        Logger::instance()->clear();
        ScriptedOpener opener(nullptr);
        QVERIFY(!opener.open(guitest::qstr(m_dir / "not-a-backup")));
        QCOMPARE(opener.unknown, 1);
        QCOMPARE(opener.asked, 0);
        Logger::instance()->flush();
        const QStringList lines = Logger::instance()->readLines(QStringLiteral("[Error]"));
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].endsWith(QStringLiteral(
            "[Orvex Extract Tool] [not-a-backup] Unknown VESK format. Confirm integrity of VESK folder and try again.")));
    }

    void cancelReachesTheLibrary()
    {
        // A stop requested before the library starts is seen by its first
        // cancel poll: the open ends with -5 and hands out nothing.
        OpenVeskFileThread thread(m_plain, QString(), AppPaths::appDataFolder());
        thread.requestStop();
        thread.start();
        QVERIFY(thread.wait(60000));
        QCOMPARE(thread.result(), -5);
        QVERIFY(!thread.takeSession());
    }

    void passwordCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("letters, digits, space") << "Ab 19" << true;
        QTest::newRow("punctuation") << "()[]{}<>+-*/?,.:;\"'_\\|~`!@#$%^&=" << true;
        QTest::newRow("accented letter") << "caf\u00e9" << false;
        QTest::newRow("tab") << "a\tb" << false;
    }
    void passwordCharacters()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        VerifyPassword dialog;
        QString t = text;
        int pos = 0;
        QCOMPARE(dialog.lineEdit()->validator()->validate(t, pos) == QValidator::Acceptable, accepted);
        QCOMPARE(dialog.lineEdit()->echoMode(), QLineEdit::Password);
    }

    void displayNames()
    {
        QCOMPARE(VeskOpener::displayName(QStringLiteral("/a/b/backup")), QStringLiteral("backup"));
        QCOMPARE(VeskOpener::displayName(QStringLiteral("\\a\\b\\backup\\")), QStringLiteral("backup"));
    }
};

QTEST_MAIN(TestOpenLoop)
#include "test_open_loop.moc"
