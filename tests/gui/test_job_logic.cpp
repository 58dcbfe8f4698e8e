// The background tasks' rules without widgets: the free job id, which job
// the scheduler starts, the status a stored job resumes with, the
// destination that lies inside the source, and what a job's items become
// for the restore core.
#include "JobLogic.h"
#include "gui_test_support.h"

#include <QDir>
#include <QtTest>

namespace oj = orvex::jobs;

class TestJobLogic : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { guitest::installStrictMessageHandler(); }

    void freeIdAndScheduler()
    {
        QCOMPARE(JobLogic::freeJobId({}), 1);
        QCOMPARE(JobLogic::freeJobId({1, 2, 4}), 3);
        QSet<int> all;
        for (int i = 1; i <= 250; ++i)
            all.insert(i);
        QCOMPARE(JobLogic::freeJobId(all), 0);
        all.remove(250);
        QCOMPARE(JobLogic::freeJobId(all), 250);

        using R = JobLogic::JobRow;
        const struct {
            const char *what;
            QVector<R> jobs;
            int next;
        } cases[] = {
            {"nothing to do", {{1, oj::kCompleted, 10}, {2, oj::kFailed, 5}, {3, oj::kPaused, 1}}, 0},
            {"earliest created first", {{1, oj::kQueued, 30}, {2, oj::kQueuedToResume, 20}, {3, oj::kQueued, 25}}, 2},
            {"one extracts at a time", {{1, oj::kExtracting, 30}, {2, oj::kQueued, 20}}, 0},
            {"a paused job does not hold up the others", {{1, oj::kPaused, 1}, {2, oj::kQueued, 20}}, 2},
            {"same second: lower id", {{7, oj::kQueued, 20}, {3, oj::kQueued, 20}}, 3},
        };
        for (const auto &c : cases)
            QVERIFY2(JobLogic::nextJobToStart(c.jobs) == c.next, c.what);

        const JobLogic::JobCounts n = JobLogic::countJobs(
            {{1, oj::kQueued, 0}, {2, oj::kQueuedToResume, 0}, {3, oj::kExtracting, 0}, {4, oj::kPaused, 0},
             {5, oj::kCompleted, 0}, {6, oj::kFailed, 0}});
        QCOMPARE(n.total, 6);
        QCOMPARE(n.queued, 2);
        QCOMPARE(n.unfinished(), 4);
    }

    void statusAfterRestart()
    {
        const struct {
            oj::JobState stored;
            int shown;
        } cases[] = {
            {{oj::kExtracting, 1, "\\a\\b.txt"}, oj::kQueuedToResume},
            {{oj::kExtracting, -1, ""}, oj::kQueued},
            {{oj::kQueuedToResume, 2, "\\c"}, oj::kQueuedToResume},
            {{oj::kQueuedToResume, -1, ""}, oj::kQueued},
            {{oj::kPaused, 1, "\\a"}, oj::kPaused},
            {{oj::kCompleted, -1, ""}, oj::kCompleted},
            {{oj::kFailed, -1, ""}, oj::kFailed},
            {{oj::kQueued, -1, ""}, oj::kQueued},
        };
        for (const auto &c : cases)
            QCOMPARE(JobLogic::statusAfterLoad(c.stored), c.shown);
    }

    void destinationInsideTheSource()
    {
        const struct {
            const char *destination;
            const char *source;
            bool inside;
        } cases[] = {
            {"/data/backup", "/data/backup", true},
            {"/data/backup/restored", "/data/backup", true},
            {"\\data\\backup\\restored", "/data/backup", true},
            {"/data/backup/", "\\data\\backup", true},
            {"/data/backup2", "/data/backup", false}, // a longer name is another folder
            {"/data/back", "/data/backup", false},
            {"/data", "/data/backup", false},
            {"/data/other/../backup/x", "/data/backup", true},
        };
        for (const auto &c : cases)
            QVERIFY2(JobLogic::isSameOrInside(QString::fromUtf8(c.destination), QString::fromUtf8(c.source)) == c.inside,
                     c.destination);

        // Through a link to the source.
        orvex::testkit::TempDir dir("job-logic");
        QDir().mkpath(guitest::qstr(dir / "backup"));
        std::filesystem::create_directory_symlink(dir / "backup", dir / "alias");
        QVERIFY(JobLogic::isSameOrInside(guitest::qstr(dir / "alias"), guitest::qstr(dir / "backup")));
    }

    void itemsBecomeSelections()
    {
        VeskItemInfo root; // a version root has no name: never restored as an entry
        root.versionId = 3;
        root.isFolder = 1;
        VeskItemInfo file;
        file.name = QStringLiteral("Bericht; März\n.txt");
        file.parentPath = QStringLiteral("\\docs");
        file.totalSize = 1234;
        file.mtime = 4102444800LL;
        file.isFolder = 0;
        file.versionId = 3;
        file.dstFolderPath = QStringLiteral("/home/u/out");
        file.openFile = true;
        VeskItemInfo folder = file;
        folder.name = QStringLiteral("photos");
        folder.isFolder = 1;
        folder.totalSize = -1;
        const std::vector<oj::Selection> s = JobLogic::selectionsOf({root, file, folder});
        QCOMPARE(s.size(), size_t(2));
        QCOMPARE(QString::fromStdString(s[0].source()), QStringLiteral("\\docs\\Bericht; März\n.txt"));
        QCOMPARE(s[0].size, 1234LL);
        QCOMPARE(s[0].dest_folder, std::string("/home/u/out"));
        QVERIFY(s[0].open_after);
        QVERIFY(s[1].is_dir);
        QCOMPARE(s[1].size, 0LL);
        // What the job file keeps comes back the same.
        const VeskItemInfo back = JobLogic::fromJobItem(JobLogic::toJobItem(file));
        QCOMPARE(back.name, file.name);
        QCOMPARE(back.parentPath, file.parentPath);
        QCOMPARE(back.dstFolderPath, file.dstFolderPath);
        QCOMPARE(back.mtime, file.mtime);
        QVERIFY(back.openFile);
    }

    void progressTexts()
    {
        QCOMPARE(JobLogic::percentOf(0, 0), 0);
        QCOMPARE(JobLogic::percentOf(1, 3), 33);
        QCOMPARE(JobLogic::percentOf(2, 3), 67);
        QCOMPARE(JobLogic::percentOf(5, 3), 100);
        QCOMPARE(JobLogic::progressText(1500000, 45600000, 0, -1), QStringLiteral("1.5 MB of 45.6 MB"));
        QCOMPARE(JobLogic::progressText(1500000, 45600000, 3200000, 74),
                 QStringLiteral("1.5 MB of 45.6 MB · 3.2 MB/s · 1:14 left"));
        QCOMPARE(JobLogic::versionFolderName(QDateTime(QDate(2024, 1, 2), QTime(3, 4)).toSecsSinceEpoch()),
                 QStringLiteral("20240102_0304"));
    }
};

QTEST_GUILESS_MAIN(TestJobLogic)
#include "test_job_logic.moc"
