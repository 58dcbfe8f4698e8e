// The rules of a restore job over an archive held in memory: the conflict
// policy against what the destination holds, the rename sequence across
// runs, the resume rule, unsafe names, stop and pause, expansion read back
// in small batches, codes that end a job, several sessions at once, and
// folder times.
#include "fake_archive.h"
#include "job.h"
#include "testkit/tempdir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;
namespace oj = orvex::jobs;
using orvex::test::FakeArchive;
using orvex::test::FakeTree;

namespace {

std::string slurp(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void put(const fs::path &p, const std::string &text)
{
    std::ofstream(p, std::ios::binary) << text;
}

struct Recorder : oj::JobObserver {
    std::vector<oj::ItemResult> items;
    std::vector<oj::ResumePoint> resume_points;
    std::vector<oj::FileEvent> events;
    std::function<bool()> stop = [] { return false; };
    std::function<void()> pause = [] {};
    bool stop_requested() override { return stop(); }
    void wait_while_paused() override { pause(); }
    void on_item(const oj::ItemResult &r) override { items.push_back(r); }
    void on_resume_point(const oj::ResumePoint &p) override { resume_points.push_back(p); }
    void on_file_progress(const oj::FileEvent &e) override { events.push_back(e); }

    const oj::ItemResult *item(const std::string &source) const
    {
        for (const auto &r : items)
            if (r.source == source)
                return &r;
        return nullptr;
    }
};

// The whole version 1 (the root's contents) into `dest`.
std::vector<oj::Selection> whole(const fs::path &dest)
{
    oj::Selection s;
    s.version = 1;
    s.parent = "\\";
    s.is_dir = true;
    s.dest_folder = dest.string();
    return {s};
}

oj::Summary run(FakeTree &tree, const std::vector<oj::Selection> &sel, oj::JobOptions opt, Recorder &rec)
{
    FakeArchive first(tree);
    oj::SessionOpener more = [&](std::unique_ptr<oj::Archive> &out) {
        out = std::make_unique<FakeArchive>(tree);
        return 0;
    };
    return oj::run_job(first, more, sel, opt, rec);
}

TEST(JobRules, PolicyAgainstWhatTheDestinationHolds)
{
    enum class There { Nothing, File, Folder, Link };
    struct Case {
        oj::Policy policy;
        There there;
        oj::Outcome outcome;
        const char *file_content; // of dest/a.txt afterwards ("" for a folder)
        const char *renamed;      // content of dest/a_1.txt, or nullptr when absent
    } cases[] = {
        {oj::Policy::Skip, There::Nothing, oj::Outcome::Restored, "new", nullptr},
        {oj::Policy::Skip, There::File, oj::Outcome::Skipped, "old", nullptr},
        {oj::Policy::Replace, There::File, oj::Outcome::Replaced, "new", nullptr},
        {oj::Policy::Replace, There::Folder, oj::Outcome::Failed, "", nullptr},
        {oj::Policy::Replace, There::Link, oj::Outcome::Replaced, "new", nullptr},
        {oj::Policy::Rename, There::File, oj::Outcome::Renamed, "old", "new"},
        {oj::Policy::Rename, There::Nothing, oj::Outcome::Restored, "new", nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.policy) * 10 + static_cast<int>(c.there));
        orvex::testkit::TempDir dest("job-policy");
        orvex::testkit::TempDir outside("job-outside");
        FakeTree tree;
        tree.file("\\a.txt", "new");
        if (c.there == There::File)
            put(dest / "a.txt", "old");
        if (c.there == There::Folder)
            fs::create_directory(dest / "a.txt");
        if (c.there == There::Link) {
            put(outside / "target", "untouched");
            fs::create_symlink(outside / "target", dest / "a.txt");
        }
        Recorder rec;
        oj::JobOptions opt;
        opt.policy = c.policy;
        oj::Summary s = run(tree, whole(dest.path()), opt, rec);
        const oj::ItemResult *r = rec.item("\\a.txt");
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->outcome, c.outcome);
        if (c.there != There::Folder) {
            EXPECT_EQ(slurp(dest / "a.txt"), c.file_content);
        }
        EXPECT_EQ(fs::exists(dest / "a_1.txt"), c.renamed != nullptr);
        if (c.renamed) {
            EXPECT_EQ(slurp(dest / "a_1.txt"), c.renamed);
        }
        if (c.there == There::Link) {
            EXPECT_EQ(slurp(outside / "target"), "untouched");
            EXPECT_FALSE(fs::is_symlink(dest / "a.txt"));
        }
        EXPECT_EQ(s.counters.failed, c.outcome == oj::Outcome::Failed ? 1 : 0);
        EXPECT_EQ(s.status == oj::kOk, c.outcome != oj::Outcome::Failed);
    }
}

TEST(JobRules, RenameSequenceAcrossRuns)
{
    struct Case {
        const char *name, *first, *second;
    } cases[] = {{"a.txt", "a_1.txt", "a_2.txt"}, {"README", "README_1", "README_2"}};
    for (const Case &c : cases) {
        orvex::testkit::TempDir dest("job-rename");
        FakeTree tree;
        tree.file(std::string("\\") + c.name, "v");
        oj::JobOptions opt;
        opt.policy = oj::Policy::Rename;
        for (int i = 0; i < 3; ++i) {
            Recorder rec;
            run(tree, whole(dest.path()), opt, rec);
        }
        EXPECT_TRUE(fs::exists(dest / c.name)) << c.name;
        EXPECT_TRUE(fs::exists(dest / c.first)) << c.name;
        EXPECT_TRUE(fs::exists(dest / c.second)) << c.name;
    }
}

TEST(JobRules, ResumeRule)
{
    // The archive holds 1..4.txt ("new \\N.txt"); the destination holds what
    // an interrupted run (and the user) left there.
    struct Case {
        const char *what;
        oj::Policy policy;
        const char *resume;                          // recorded file
        std::vector<std::pair<const char *, const char *>> before; // name, content
        std::vector<std::pair<const char *, oj::Outcome>> outcomes;
        std::vector<std::pair<const char *, const char *>> after;  // name, content ("" absent)
    } cases[] = {
        {"files before the record are passed, the record is rewritten, then the policy holds",
         oj::Policy::Skip, "\\3.txt",
         {{"1.txt", "new \\1.txt"}, {"2.txt", "new \\2.txt"}, {"3.txt", "half"}, {"4.txt", "user's own"}},
         {{"\\1.txt", oj::Outcome::Passed}, {"\\2.txt", oj::Outcome::Passed},
          {"\\3.txt", oj::Outcome::Restored}, {"\\4.txt", oj::Outcome::Skipped}},
         {{"3.txt", "new \\3.txt"}, {"4.txt", "user's own"}}},
        {"a file before the record that is missing (it failed then) is restored, not reported done",
         oj::Policy::Skip, "\\3.txt",
         {{"1.txt", "new \\1.txt"}},
         {{"\\1.txt", oj::Outcome::Passed}, {"\\2.txt", oj::Outcome::Restored},
          {"\\3.txt", oj::Outcome::Restored}, {"\\4.txt", oj::Outcome::Restored}},
         {{"2.txt", "new \\2.txt"}, {"4.txt", "new \\4.txt"}}},
        {"a record that names no file of the version is ignored: the policy holds for every file",
         oj::Policy::Replace, "\\gone.txt",
         {{"1.txt", "new \\1.txt"}},
         {{"\\1.txt", oj::Outcome::Replaced}, {"\\2.txt", oj::Outcome::Restored},
          {"\\3.txt", oj::Outcome::Restored}, {"\\4.txt", oj::Outcome::Restored}},
         {{"3.txt", "new \\3.txt"}}},
        {"under rename the recorded name may be the user's own file: kept, ours beside it",
         oj::Policy::Rename, "\\2.txt",
         {{"1.txt", "new \\1.txt"}, {"2.txt", "user's own"}},
         {{"\\1.txt", oj::Outcome::Passed}, {"\\2.txt", oj::Outcome::Renamed},
          {"\\3.txt", oj::Outcome::Restored}},
         {{"2.txt", "user's own"}, {"2_1.txt", "new \\2.txt"}, {"1_1.txt", ""}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        orvex::testkit::TempDir dest("job-resume");
        FakeTree tree;
        for (const char *n : {"\\1.txt", "\\2.txt", "\\3.txt", "\\4.txt"})
            tree.file(n, std::string("new ") + n);
        for (const auto &[name, content] : c.before)
            put(dest / name, content);
        Recorder rec;
        oj::JobOptions opt;
        opt.policy = c.policy;
        opt.resume = {1, c.resume};
        oj::Summary s = run(tree, whole(dest.path()), opt, rec);
        EXPECT_EQ(s.status, oj::kOk);
        for (const auto &[source, outcome] : c.outcomes) {
            const oj::ItemResult *r = rec.item(source);
            ASSERT_NE(r, nullptr) << source;
            EXPECT_EQ(r->outcome, outcome) << source;
        }
        for (const auto &[name, content] : c.after) {
            EXPECT_EQ(fs::exists(dest / name), *content != 0) << name;
            if (*content) {
                EXPECT_EQ(slurp(dest / name), content) << name;
            }
        }
        long long passed = 0;
        for (const auto &[source, outcome] : c.outcomes)
            passed += outcome == oj::Outcome::Passed;
        EXPECT_EQ(s.counters.passed, passed);
    }
}

TEST(JobRules, ResumePointThatNamesNoFileRunsTheWholeJob)
{
    // A folder of that name, a file of another version, a file that is not
    // there: none may pass over every file and report nothing written.
    for (oj::ResumePoint bad : {oj::ResumePoint{1, "\\sub"}, oj::ResumePoint{2, "\\1.txt"},
                                oj::ResumePoint{1, "\\gone.txt"}}) {
        orvex::testkit::TempDir dest("job-resume-missing");
        FakeTree tree;
        tree.file("\\1.txt", "one");
        tree.folder("\\sub");
        tree.file("\\sub\\2.txt", "two");
        Recorder rec;
        oj::JobOptions opt;
        opt.resume = bad;
        oj::Summary s = run(tree, whole(dest.path()), opt, rec);
        EXPECT_TRUE(s.resume_ignored) << bad.path;
        EXPECT_EQ(s.counters.passed, 0) << bad.path;
        EXPECT_EQ(slurp(dest / "1.txt"), "one") << bad.path;
        EXPECT_EQ(slurp(dest / "sub" / "2.txt"), "two") << bad.path;
    }
}

TEST(JobRules, UnsafeNamesFailAndNothingLeavesTheDestination)
{
    orvex::testkit::TempDir root("job-unsafe");
    const fs::path dest = root / "dest";
    FakeTree tree;
    tree.file("\\..", "x");
    tree.file("\\.", "x");
    tree.file("\\a/b", "x");
    tree.file("\\" + std::string(300, 'n'), "x");
    tree.file("\\good.txt", "ok");
    Recorder rec;
    oj::Summary s = run(tree, whole(dest), {}, rec);
    EXPECT_EQ(s.counters.files, 1);
    EXPECT_EQ(s.counters.failed, 4);
    EXPECT_NE(s.status, oj::kOk);
    for (const auto &r : rec.items) {
        if (r.outcome == oj::Outcome::Failed) {
            EXPECT_EQ(r.message.rfind("refused: ", 0), 0u) << r.message;
        }
    }
    std::vector<std::string> top;
    for (const auto &e : fs::directory_iterator(root.path()))
        top.push_back(e.path().filename().string());
    EXPECT_EQ(top, std::vector<std::string>{"dest"});
}

TEST(JobRules, StopAndPause)
{
    FakeTree tree;
    for (int i = 0; i < 6; ++i)
        tree.file("\\f" + std::to_string(i), "data");
    {
        orvex::testkit::TempDir dest("job-stop");
        Recorder rec;
        int restored = 0;
        rec.stop = [&] {
            restored = static_cast<int>(tree.restored.size());
            return restored >= 2;
        };
        oj::Summary s = run(tree, whole(dest.path()), {}, rec);
        EXPECT_TRUE(s.stopped);
        EXPECT_EQ(s.counters.failed, 0) << "a stop is no failure";
        EXPECT_EQ(s.counters.files, 2);
        EXPECT_EQ(s.not_started, 4);
        int written = 0;
        for (const auto &e : fs::directory_iterator(dest.path())) {
            EXPECT_EQ(e.path().extension(), "") << "a temporary file was left: " << e.path();
            ++written;
        }
        EXPECT_EQ(written, 2);
    }
    {
        // A paused job does no work until it is released.
        tree.restored.clear();
        orvex::testkit::TempDir dest("job-pause");
        std::mutex mu;
        std::condition_variable cv;
        bool paused = true;
        std::atomic<int> waits{0};
        Recorder rec;
        rec.pause = [&] {
            std::unique_lock<std::mutex> lock(mu);
            ++waits;
            cv.notify_all();
            cv.wait(lock, [&] { return !paused; });
        };
        std::thread job([&] { run(tree, whole(dest.path()), {}, rec); });
        {
            std::unique_lock<std::mutex> lock(mu);
            cv.wait(lock, [&] { return waits > 0; });
            EXPECT_TRUE(tree.restored.empty());
            paused = false;
            cv.notify_all();
        }
        job.join();
        EXPECT_EQ(tree.restored.size(), 6u);
    }
}

TEST(JobRules, ExpansionIsReadBackInSmallBatches)
{
    orvex::testkit::TempDir dest("job-batches");
    FakeTree tree;
    for (int d = 0; d < 4; ++d) {
        std::string folder = "\\d" + std::to_string(d);
        tree.folder(folder, 1400000000 + d);
        tree.folder(folder + "\\inner", 1400000100 + d);
        for (int f = 0; f < 5; ++f) {
            tree.file(folder + "\\f" + std::to_string(f), folder + std::to_string(f));
            tree.file(folder + "\\inner\\g" + std::to_string(f), "g" + std::to_string(f));
        }
    }
    // One folder exists already: it is used, and its time is set too.
    fs::create_directories(dest / "d2");
    Recorder rec;
    oj::JobOptions opt;
    opt.batch = 3;
    oj::Summary s = run(tree, whole(dest.path()), opt, rec);
    EXPECT_EQ(s.counters.files, 40);
    EXPECT_EQ(s.counters.folders, 8);
    EXPECT_EQ(s.totals.files, 40);
    EXPECT_EQ(s.totals.folders, 8);
    for (int d = 0; d < 4; ++d) {
        fs::path folder = dest / ("d" + std::to_string(d));
        EXPECT_EQ(slurp(folder / "f3"), "\\d" + std::to_string(d) + "3");
        EXPECT_EQ(slurp(folder / "inner" / "g4"), "g4");
        struct stat sb;
        ASSERT_EQ(::stat(folder.c_str(), &sb), 0);
        EXPECT_EQ(sb.st_mtime, 1400000000 + d);
    }
}

TEST(JobRules, CodesThatEndTheJob)
{
    struct Case {
        int code;
        bool ends;
    } cases[] = {{oj::kDiskFull, true}, {oj::kNotFound, true}, {oj::kFailure, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.code);
        orvex::testkit::TempDir dest("job-codes");
        FakeTree tree;
        for (int i = 0; i < 5; ++i)
            tree.file("\\f" + std::to_string(i), "data");
        tree.fail_with["\\f1"] = c.code;
        Recorder rec;
        oj::Summary s = run(tree, whole(dest.path()), {}, rec);
        EXPECT_EQ(s.counters.files, c.ends ? 1 : 4);
        EXPECT_EQ(s.counters.failed, c.ends ? 4 : 1) << "files never started count as failed";
        if (c.ends) {
            EXPECT_EQ(s.status, c.code);
        } else {
            EXPECT_NE(s.status, oj::kOk);
        }
        EXPECT_FALSE(fs::exists(dest / "f1"));
    }
}

TEST(JobRules, SeveralSessionsKeepCountsAndResumePointsRight)
{
    orvex::testkit::TempDir dest("job-sessions");
    FakeTree tree;
    for (int i = 0; i < 50; ++i)
        tree.file("\\f" + std::to_string(100 + i), std::string(static_cast<size_t>(i), 'x'));
    tree.fail_with["\\f120"] = oj::kFailure;
    Recorder rec;
    // Each reported resume point is a file that has not finished yet.
    std::set<std::string> finished;
    struct Check : Recorder {
        std::set<std::string> *finished;
        int violations = 0;
        void on_item(const oj::ItemResult &r) override
        {
            finished->insert(r.source);
            Recorder::on_item(r);
        }
        void on_resume_point(const oj::ResumePoint &p) override
        {
            violations += finished->count(p.path) ? 1 : 0;
            Recorder::on_resume_point(p);
        }
    } check;
    check.finished = &finished;
    oj::JobOptions opt;
    opt.sessions = 3;
    oj::Summary s = run(tree, whole(dest.path()), opt, check);
    EXPECT_EQ(s.counters.files, 49);
    EXPECT_EQ(s.counters.failed, 1);
    EXPECT_EQ(check.violations, 0);
    EXPECT_GT(check.resume_points.size(), 1u);
    long long bytes = 0;
    for (int i = 0; i < 50; ++i)
        if (i != 20)
            bytes += i;
    EXPECT_EQ(s.counters.bytes, bytes);
}

TEST(JobRules, AFileAnotherProgramCreatesMeanwhileFollowsThePolicy)
{
    struct Case {
        oj::Policy policy;
        oj::Outcome outcome;
        const char *content;
    } cases[] = {{oj::Policy::Skip, oj::Outcome::Skipped, "theirs"},
                 {oj::Policy::Replace, oj::Outcome::Replaced, "ours"},
                 {oj::Policy::Rename, oj::Outcome::Renamed, "theirs"}};
    for (const Case &c : cases) {
        orvex::testkit::TempDir dest("job-race");
        FakeTree tree;
        tree.file("\\a.txt", "ours");
        bool once = false;
        tree.before_restore = [&](const std::string &, const std::string &dst) {
            if (!once)
                put(dst, "theirs");
            once = true;
        };
        Recorder rec;
        oj::JobOptions opt;
        opt.policy = c.policy;
        oj::Summary s = run(tree, whole(dest.path()), opt, rec);
        EXPECT_EQ(rec.item("\\a.txt")->outcome, c.outcome);
        EXPECT_EQ(s.counters.failed, 0);
        EXPECT_EQ(slurp(dest / "a.txt"), c.content);
        if (c.policy == oj::Policy::Rename) {
            EXPECT_EQ(slurp(dest / "a_1.txt"), "ours");
        }
    }
}

TEST(JobRules, VerifyAndDryRunWriteNothing)
{
    orvex::testkit::TempDir dest("job-dry");
    FakeTree tree;
    tree.folder("\\docs");
    tree.file("\\docs\\a", "1");
    tree.file("\\b", "22");
    tree.fail_with["\\b"] = oj::kFailure;
    for (oj::Mode mode : {oj::Mode::DryRun, oj::Mode::Verify}) {
        Recorder rec;
        oj::JobOptions opt;
        opt.mode = mode;
        oj::Summary s = run(tree, whole(dest / "out"), opt, rec);
        EXPECT_FALSE(fs::exists(dest / "out"));
        EXPECT_EQ(s.counters.files, mode == oj::Mode::DryRun ? 2 : 1);
        EXPECT_EQ(s.counters.failed, mode == oj::Mode::DryRun ? 0 : 1);
    }
}

} // namespace

namespace {

TEST(JobRules, AStoppedJobNeverRecordsAResumePointPastAnUnfinishedFile)
{
    // Several sessions, a queue of files in flight, and a stop: files that
    // were running or still queued are not finished, so the last resume
    // point must not lie beyond any of them.
    for (int round = 0; round < 5; ++round) {
        SCOPED_TRACE(round);
        orvex::testkit::TempDir dest("job-stop-resume");
        FakeTree tree;
        for (int i = 0; i < 40; ++i)
            tree.file("\\f" + std::to_string(100 + i), "data");
        Recorder rec;
        rec.stop = [&] {
            std::lock_guard<std::mutex> lock(tree.mu);
            return tree.restored.size() >= 3;
        };
        oj::JobOptions opt;
        opt.sessions = 3;
        oj::Summary s = run(tree, whole(dest.path()), opt, rec);
        ASSERT_TRUE(s.stopped);
        ASSERT_FALSE(rec.resume_points.empty());
        const std::string last = rec.resume_points.back().path;
        std::set<std::string> restored(tree.restored.begin(), tree.restored.end());
        for (int i = 0; i < 40; ++i) {
            const std::string path = "\\f" + std::to_string(100 + i);
            if (path >= last)
                break;
            EXPECT_TRUE(restored.count(path)) << path << " comes before the resume point " << last
                                              << " but was never restored";
        }
    }
}

} // namespace
