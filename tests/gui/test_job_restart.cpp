// The program killed in the middle of a background task and started again:
// the task shows up, resumes at the file its state recorded (writing that
// file again, though the task skips existing files) and the tree comes out
// exactly as the test kit wrote it. The program runs as a child process on
// job files prepared in a private data folder.
#include "gui_test_support.h"
#include "jobfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <csignal>

namespace tr = orvex::testkit::trellis;
namespace oj = orvex::jobs;
namespace fs = std::filesystem;

namespace {

std::string slurp(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

} // namespace

class TestJobRestart : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-restart"};

    QProcessEnvironment environment(bool hold) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString root = guitest::qstr(m_dir.path());
        env.insert(QStringLiteral("HOME"), root + "/home");
        env.insert(QStringLiteral("XDG_DATA_HOME"), root + "/data");
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + "/config");
        env.insert(QStringLiteral("TMPDIR"), root + "/tmp");
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("ORVEX_INSTANCE_SUFFIX"),
                   QStringLiteral("job-restart-%1").arg(QCoreApplication::applicationPid()));
        env.remove(QStringLiteral("ORVEX_TEST_HOLD_JOB_AFTER_FILES"));
        if (hold)
            env.insert(QStringLiteral("ORVEX_TEST_HOLD_JOB_AFTER_FILES"), QStringLiteral("4"));
        return env;
    }

    QString appData() const { return guitest::qstr(m_dir / "data") + QStringLiteral("/Halvern/Orvex Extract Tool"); }
    QString stateFile() const { return appData() + QStringLiteral("/Jobs/Job1.jobs"); }

    // Waits (without a time assumption beyond a generous limit) for the
    // state file to satisfy `ok`.
    bool waitState(const std::function<bool(const oj::JobState &)> &ok, oj::JobState *out)
    {
        return QTest::qWaitFor(
            [&] {
                std::string error;
                oj::JobState s;
                if (!oj::parse_state(slurp(stateFile()), s, error) || !ok(s))
                    return false;
                *out = s;
                return true;
            },
            300000);
    }

private slots:
    void initTestCase() { guitest::installStrictMessageHandler(); }

    void killedMidJobResumesAtTheRecordedFile()
    {
        const std::string password = "pa55 wörd";
        tr::FolderOptions fo;
        fo.password = password;
        fo.versions = 1;
        fo.files = 40;
        fo.seed = 77;
        fo.max_file_size = 60000;
        tr::ContentOptions co;
        co.password = password;
        co.files_per_descriptor = 8;
        const tr::FolderWithContent kit = tr::write_folder_with_content(m_dir / "Mail backup", fo, co);
        const tr::VersionManifest &v = kit.manifest.versions.front();
        const fs::path dest = m_dir / "restored";
        QDir().mkpath(guitest::qstr(m_dir / "home"));
        QDir().mkpath(guitest::qstr(m_dir / "tmp"));

        // The job, as the program writes it when the user extracts the root.
        oj::JobDefinition job;
        job.id = 1;
        job.source = (m_dir / "Mail backup").string();
        job.password = password;
        job.target = dest.string();
        job.created = 1700000000;
        job.policy = 0; // skip existing files
        for (const tr::ManifestEntry &e : tr::children(v, "\\")) {
            oj::JobItem it;
            it.name = tr::base_name(e.path);
            it.is_dir = e.is_dir;
            it.size = static_cast<long long>(e.size);
            it.mtime = e.mtime;
            it.version = v.version;
            it.dest_folder = dest.string();
            job.items.push_back(it);
        }
        QVERIFY(QDir().mkpath(appData() + QStringLiteral("/Jobs")));
        std::string error;
        QVERIFY2(oj::write_private_file((appData() + QStringLiteral("/Jobs/Job1.job")).toStdString(),
                                        oj::format_job(job), true, error),
                 error.c_str());

        // First run: the job holds after a few files; kill it once its state
        // names the file it is on.
        QProcess first;
        first.setProcessEnvironment(environment(true));
        first.start(QStringLiteral(ORVEX_TOOL_PATH), QStringList());
        QVERIFY(first.waitForStarted(60000));
        oj::JobState recorded;
        QVERIFY(waitState([](const oj::JobState &s) { return s.status == oj::kExtracting && !s.file.empty(); },
                          &recorded));
        ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(60000));
        // What the state says after the kill is where the job resumes.
        QVERIFY(oj::parse_state(slurp(stateFile()), recorded, error));
        QCOMPARE(recorded.status, int(oj::kExtracting));
        QVERIFY(!recorded.file.empty());
        QCOMPARE(recorded.version, v.version);
        const std::string diffBefore = guitest::treeDifference(dest, v, *kit.contents);
        QVERIFY2(!diffBefore.empty(), "the kill landed after the job had finished");

        // The recorded file may be half written: make sure it is, so only a
        // resume that writes it again (despite "skip") can repair it.
        const fs::path half = guitest::localPath(dest, recorded.file);
        fs::create_directories(half.parent_path());
        orvex::testkit::write_file(half, {'h', 'a', 'l', 'f'});

        // Second run: the job resumes and finishes.
        QProcess second;
        second.setProcessEnvironment(environment(false));
        second.start(QStringLiteral(ORVEX_TOOL_PATH), QStringList());
        QVERIFY(second.waitForStarted(60000));
        oj::JobState done;
        QVERIFY(waitState([](const oj::JobState &s) { return s.status == oj::kCompleted || s.status == oj::kFailed; },
                          &done));
        ::kill(static_cast<pid_t>(second.processId()), SIGKILL);
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(done.status, int(oj::kCompleted));
        const std::string diff = guitest::treeDifference(dest, v, *kit.contents);
        QVERIFY2(diff.empty(), diff.c_str());

        // The job files stay private to their owner.
        QCOMPARE(QFile::permissions(appData() + QStringLiteral("/Jobs")) & 0x0077, QFileDevice::Permissions());
        QVERIFY(!(QFile::permissions(appData() + QStringLiteral("/Jobs/Job1.jobs")) &
                  (QFileDevice::ReadGroup | QFileDevice::ReadOther)));
        const QString log = QString::fromStdString(slurp(appData() + QStringLiteral("/OrvexExtractToolEvent.log")));
        QVERIFY2(log.contains(QStringLiteral("[Mail backup] Finished extracting data to")), qPrintable(log));
        QVERIFY2(!log.contains(QStringLiteral("[Error]")), qPrintable(log));
    }
};

QTEST_GUILESS_MAIN(TestJobRestart)
#include "test_job_restart.moc"
