// Background tasks against test-kit folders: jobs run one at a time to
// completion and every byte and time matches the kit; a failed open (folder
// gone, wrong password, not a backup folder) fails the job with its log line
// and deleting it removes its files; a pause during the open cancels the
// open and opens again once released; damaged job files are skipped at
// start-up; the 251st job is refused.
#include "ConflictPolicyConfirm.h"
#include "Hcommon/Logger.h"
#include "JobLogic.h"
#include "RestoreJob.h"
#include "RestoreJobManager.h"
#include "RestoreVeskFileListThread.h"
#include "gui_test_support.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

namespace tr = orvex::testkit::trellis;
namespace oj = orvex::jobs;
namespace fs = std::filesystem;
using Hcommon::Logger;

namespace {

const char *const kPassword = "open sesame";

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

// A job over the whole root of one version of `kit`, into `dest`.
oj::JobDefinition wholeVersion(const QString &source, const tr::VersionManifest &v, const fs::path &dest,
                               const std::string &password)
{
    oj::JobDefinition def;
    def.source = source.toStdString();
    def.password = password;
    def.target = dest.string();
    for (const tr::ManifestEntry &e : tr::children(v, "\\")) {
        oj::JobItem it;
        it.name = tr::base_name(e.path);
        it.parent = "\\";
        it.is_dir = e.is_dir;
        it.size = static_cast<long long>(e.size);
        it.mtime = e.mtime;
        it.version = v.version;
        it.dest_folder = dest.string();
        def.items.push_back(it);
        def.estimated_size += e.is_dir ? 0 : static_cast<long long>(e.size);
    }
    return def;
}

bool logged(const QString &text)
{
    Logger::instance()->flush();
    QCoreApplication::processEvents();
    for (const QString &m : guitest::capturedMessagesCopy())
        if (m.contains(text))
            return true;
    return false;
}

bool waitStatus(RestoreJobManager &m, int id, int status)
{
    return QTest::qWaitFor([&] { return m.job(id) && m.job(id)->status() == status; }, 300000);
}

} // namespace

class TestRestoreJob : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-jobs"};
    tr::FolderWithContent m_kit;
    QString m_folder;

    void writeJobFile(int id, const std::string &text)
    {
        std::string error;
        QVERIFY(JobLogic::ensureJobsFolder());
        QVERIFY2(oj::write_private_file(JobLogic::jobFilePath(id).toStdString(), text, false, error), error.c_str());
    }
    void writeStateFile(int id, const std::string &text)
    {
        std::string error;
        QVERIFY2(oj::write_private_file(JobLogic::stateFilePath(id).toStdString(), text, false, error), error.c_str());
    }

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvex Extract Tool Jobs Test"));
        Logger::instance()->setLevelMask(Logger::All);
        tr::FolderOptions fo;
        fo.password = kPassword;
        fo.versions = 2;
        fo.files = 16;
        fo.seed = 31;
        fo.max_file_size = 150000;
        fo.links = true;
        tr::ContentOptions co;
        co.password = kPassword;
        co.files_per_descriptor = 5;
        co.vault_capacity = 200000;
        m_kit = tr::write_folder_with_content(m_dir / "Photos backup", fo, co);
        m_folder = guitest::qstr(m_dir / "Photos backup");
    }

    // Every test starts without job files.
    void init() { QDir(JobLogic::jobsFolder()).removeRecursively(); }

    void jobsRunOneAtATimeAndMatchTheKit()
    {
        RestoreJobManager manager;
        QSignalSpy loaded(&manager, &RestoreJobManager::jobsLoaded);
        QVERIFY(loaded.wait(10000));
        QSignalSpy counts(&manager, &RestoreJobManager::jobCountChanged);
        QVector<int> ids;
        for (const tr::VersionManifest &v : m_kit.manifest.versions) {
            const fs::path dest = m_dir / ("restored-" + std::to_string(v.version));
            ids << manager.addJob(wholeVersion(m_folder, v, dest, kPassword));
            QVERIFY(ids.back() > 0);
        }
        QCOMPARE(ids, (QVector<int>{1, 2}));
        // One extracts, the other waits for it.
        QCOMPARE(manager.job(1)->status(), int(oj::kExtracting));
        QCOMPARE(manager.job(2)->status(), int(oj::kQueued));
        QVERIFY(!manager.job(2)->actionButton()->isEnabled());
        QCOMPARE(counts.last().at(0).toInt(), 2);
        QVERIFY(waitStatus(manager, 1, oj::kCompleted));
        QVERIFY(waitStatus(manager, 2, oj::kCompleted));
        QCOMPARE(manager.jobCount(), 0);
        QCOMPARE(counts.last().at(0).toInt(), 0);

        for (const tr::VersionManifest &v : m_kit.manifest.versions) {
            const std::string diff =
                guitest::treeDifference(m_dir / ("restored-" + std::to_string(v.version)), v, *m_kit.contents);
            QVERIFY2(diff.empty(), diff.c_str());
        }
        RestoreJob *job = manager.job(1);
        QCOMPARE(job->percentLabel()->text(), QStringLiteral("100%"));
        QVERIFY(job->openFolderButton()->isVisibleTo(job->actionWidget()));
        QVERIFY(job->detailLabel()->text().contains(QStringLiteral(" of ")));
        QVERIFY(manager.summaryText().contains(QStringLiteral("Completed: 2")));
        QVERIFY(logged(QStringLiteral("[Info] [Orvex Extract Tool] [Photos backup] Started to extract data to")));
        QVERIFY(logged(QStringLiteral("Skipped file number: 0.")));

        // The job files are private; the state says completed.
        struct stat sb;
        QCOMPARE(::stat(JobLogic::jobFilePath(1).toLocal8Bit().constData(), &sb), 0);
        QCOMPARE(sb.st_mode & 0777, 0600u);
        std::string text, error;
        oj::JobState state;
        QVERIFY(oj::read_job_text(JobLogic::stateFilePath(1).toStdString(), text, error));
        QVERIFY(oj::parse_state(text, state, error));
        QCOMPARE(state.status, int(oj::kCompleted));
        QVERIFY(!QFileInfo::exists(JobLogic::spillFilePath(1)));

        // The same job again with "skip": every file is skipped and counted.
        const tr::VersionManifest &v = m_kit.manifest.versions.front();
        const int again = manager.addJob(wholeVersion(m_folder, v, m_dir / "restored-1", kPassword));
        QCOMPARE(again, 3);
        QVERIFY(waitStatus(manager, again, oj::kCompleted));
        long long files = 0;
        for (const tr::ManifestEntry &e : v.entries)
            files += e.is_dir ? 0 : 1;
        QVERIFY(logged(QStringLiteral("Skipped file number: %1.").arg(files)));

        manager.clearButtonClicked();
        QCOMPARE(manager.table()->rowCount(), 0);
        QVERIFY(!QFileInfo::exists(JobLogic::jobFilePath(1)));
        QVERIFY(!QFileInfo::exists(JobLogic::stateFilePath(2)));
    }

    void failedOpensFailTheJob()
    {
        QDir().mkpath(guitest::qstr(m_dir / "not a backup"));
        const struct {
            QString source;
            std::string password;
            const char *line;
        } cases[] = {
            {guitest::qstr(m_dir / "gone"), kPassword,
             "Failed to open VESK folder. VESK folder does not exist. Ensure folder exists and try again."},
            {m_folder, "wrong", "Incorrect password. Verify password is correct before trying again."},
            {guitest::qstr(m_dir / "not a backup"), "",
             "Unknown VESK folder format. Confirm integrity of VESK folder and try again."},
        };
        RestoreJobManager manager;
        for (const auto &c : cases) {
            guitest::takeCapturedMessages();
            const int id =
                manager.addJob(wholeVersion(c.source, m_kit.manifest.versions.front(), m_dir / "never", c.password));
            QVERIFY(waitStatus(manager, id, oj::kFailed));
            QVERIFY2(logged(QStringLiteral("[Error] [Orvex Extract Tool] [%1] %2")
                                .arg(QFileInfo(c.source).fileName(), QLatin1String(c.line))),
                     c.line);
            RestoreJob *job = manager.job(id);
            QVERIFY(job->statusLabel()->text().contains(QStringLiteral("href = \"openEventLog\"")));
            QVERIFY(!job->openFolderButton()->isVisibleTo(job->actionWidget()));
            QSignalSpy log(&manager, &RestoreJobManager::showEventLogSignal);
            emit job->statusLabel()->linkActivated(QStringLiteral("openEventLog"));
            QCOMPARE(log.count(), 1);
            // Deleting a failed job removes its files and its row.
            QVERIFY(QFileInfo::exists(JobLogic::jobFilePath(id)));
            job->actionButton()->click();
            QVERIFY(QTest::qWaitFor([&] { return manager.job(id) == nullptr; }, 5000));
            for (const QString &p : {JobLogic::jobFilePath(id), JobLogic::stateFilePath(id), JobLogic::spillFilePath(id)})
                QVERIFY2(!QFileInfo::exists(p), qPrintable(p));
        }
        QCOMPARE(manager.table()->rowCount(), 0);
        QVERIFY(!QFileInfo::exists(guitest::qstr(m_dir / "never")));
    }

    void pauseDuringTheOpen()
    {
        const tr::VersionManifest &v = m_kit.manifest.versions.back();
        const tr::ManifestEntry *file = nullptr;
        for (const tr::ManifestEntry &e : v.entries)
            if (!e.is_dir && !e.is_link && e.size > 0)
                file = &e;
        QVERIFY(file);
        orvex::testkit::TempDir dest("orvex-gui-pause");
        VeskItemInfo item;
        item.name = qs(tr::base_name(file->path));
        item.parentPath = qs(file->path.substr(0, file->path.rfind('\\'))).isEmpty()
                              ? QStringLiteral("\\")
                              : qs(file->path.substr(0, file->path.rfind('\\')));
        item.isFolder = 0;
        item.totalSize = static_cast<qint64>(file->size);
        item.versionId = v.version;
        item.dstFolderPath = guitest::qstr(dest.path());
        RestoreVeskFileListThread thread(m_folder, {item}, 9);
        thread.setPassword(QString::fromLatin1(kPassword));
        thread.setTargetPath(item.dstFolderPath);
        thread.setDisplayName(QStringLiteral("Photos backup"));
        QSignalSpy status(&thread, &RestoreVeskFileListThread::statusUpdateSignal);
        QSignalSpy finished(&thread, &RestoreVeskFileListThread::restoreFinshedSignal);
        guitest::takeCapturedMessages();
        thread.setPaused(true);
        thread.start();
        QVERIFY(status.wait(60000));
        QCOMPARE(status.at(0).at(0).toInt(), int(oj::kPaused));
        QVERIFY(logged(QStringLiteral("trellis_vesk_open_v2 fail ret = -5")));
        QVERIFY(finished.isEmpty());
        thread.setPaused(false);
        QVERIFY(finished.wait(60000));
        QCOMPARE(thread.resultStatus(), 0);
        const std::vector<uint8_t> want = m_kit.contents->content(file->path, v.version);
        QVERIFY(orvex::testkit::read_file(dest / tr::base_name(file->path)) == want);
    }

    void damagedJobFilesAreSkipped()
    {
        oj::JobDefinition good = wholeVersion(guitest::qstr(m_dir / "gone"), m_kit.manifest.versions.front(),
                                              m_dir / "never", "");
        good.id = 1;
        writeJobFile(1, oj::format_job(good));
        writeStateFile(1, oj::format_state({oj::kCompleted, -1, ""}));
        std::string damaged = oj::format_job(good);
        damaged.replace(damaged.find("Job ID=1"), 8, "Job ID=2");
        writeJobFile(2, damaged.substr(0, damaged.size() - 4)); // the last item line cut short
        writeJobFile(3, oj::format_job(good));                  // says it is job 1
        good.id = 5;
        writeJobFile(5, oj::format_job(good));
        writeStateFile(5, "Status=banana\nVersion ID=1\nRestoring File=\n");
        good.id = 6;
        writeJobFile(6, oj::format_job(good));
        writeStateFile(6, oj::format_state({oj::kPaused, 1, "\\some\\file"}));

        guitest::takeCapturedMessages();
        RestoreJobManager manager;
        QSignalSpy loaded(&manager, &RestoreJobManager::jobsLoaded);
        QVERIFY(loaded.wait(10000));
        QList<int> ids = manager.jobIds();
        std::sort(ids.begin(), ids.end());
        QCOMPARE(ids, (QList<int>{1, 6}));
        QCOMPARE(manager.job(1)->status(), int(oj::kCompleted));
        QCOMPARE(manager.job(6)->status(), int(oj::kPaused));
        QVERIFY(manager.job(6)->hasResumePoint());
        for (const char *name : {"Job2.job", "Job3.job", "Job5.job"})
            QVERIFY2(logged(QStringLiteral("[Warning] [Orvex Extract Tool] [%1] The background task file is damaged")
                                .arg(QLatin1String(name))),
                     name);
        QCOMPARE(manager.jobCount(), 1); // the paused one
    }

    void theMaximumNumberOfJobs()
    {
        oj::JobDefinition def = wholeVersion(m_folder, m_kit.manifest.versions.front(), m_dir / "never", "");
        for (int id = 1; id <= 250; ++id) {
            def.id = id;
            writeJobFile(id, oj::format_job(def));
            writeStateFile(id, oj::format_state({oj::kCompleted, -1, ""}));
        }
        RestoreJobManager manager;
        QSignalSpy loaded(&manager, &RestoreJobManager::jobsLoaded);
        QVERIFY(loaded.wait(30000));
        QCOMPARE(manager.jobIds().size(), 250);
        QCOMPARE(manager.addJob(def), 0);
        manager.jobRemove(17);
        QCOMPARE(manager.addJob(wholeVersion(guitest::qstr(m_dir / "gone"), m_kit.manifest.versions.front(),
                                             m_dir / "never", "")),
                 17);
    }

    void conflictPolicyButtons()
    {
        const struct {
            const char *text;
            int code;
            int policy;
        } cases[] = {{"Replace All", ConflictPolicyConfirm::ReplaceAll, 1},
                     {"Skip All", ConflictPolicyConfirm::SkipAll, 0},
                     {"Rename All", ConflictPolicyConfirm::RenameAll, 2}};
        for (const auto &c : cases) {
            ConflictPolicyConfirm dialog(QStringLiteral("Orvex Extract Tool"), QStringLiteral("?"),
                                         ConflictPolicyConfirm::ReplaceAll | ConflictPolicyConfirm::SkipAll |
                                             ConflictPolicyConfirm::RenameAll,
                                         ConflictPolicyConfirm::Question);
            QCOMPARE(dialog.size(), QSize(450, 200));
            QPushButton *button = nullptr;
            for (QPushButton *b : dialog.findChildren<QPushButton *>())
                if (b->text() == QLatin1String(c.text))
                    button = b;
            QVERIFY2(button, c.text);
            QTimer::singleShot(0, button, &QPushButton::click);
            const int code = dialog.exec();
            QCOMPARE(code, c.code);
            QCOMPARE(ConflictPolicyConfirm::policyFor(code), c.policy);
        }
        // Closed without a choice: skip.
        QCOMPARE(ConflictPolicyConfirm::policyFor(0), 0);
    }
};

QTEST_MAIN(TestRestoreJob)
#include "test_restore_job.moc"
