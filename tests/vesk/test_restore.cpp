// Restoring entries: every kind of entry of the sample compared byte for
// byte, the progress windows, existing destinations and links there,
// cancel, a full disk, and the lookup-only call.
#include "vesk_fixture.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

namespace {

using namespace vesk_test;

TEST(VeskRestore, EveryEntryOfTheSampleComesBackAsWritten)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    tk::TempDir out("vesk-out");
    for (const auto &e : sample.entries) {
        // Files first would also work: the library makes missing folders.
        const fs::path dst = out.path() / relative(e.path);
        Reports r;
        ASSERT_EQ(restore(s, e.path, dst, 0, r), 0) << e.path;
        ASSERT_FALSE(r.list.empty());
        EXPECT_EQ(r.list.back().status, FS_VESK_STATUS_DONE) << e.path;
        if (e.filetype == VESK_FILETYPE_DIR) {
            EXPECT_TRUE(fs::is_directory(dst)) << e.path;
            continue;
        }
        ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(dst))) << e.path;
        EXPECT_EQ(bytes_of(dst), e.bytes) << e.path; // links and FIFOs: empty files
        EXPECT_EQ(mtime_of(dst), e.mtime) << e.path;
    }
    // Nothing but the entries: no temporary files left beside them.
    size_t count = 0;
    for (auto it = fs::recursive_directory_iterator(out.path()); it != fs::recursive_directory_iterator(); ++it)
        ++count;
    EXPECT_EQ(count, sample.entries.size());
}

TEST(VeskRestore, ProgressStaysInItsWindows)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    struct Case {
        const char *path;
        float chunks_from; // every report after the descriptor copy is at least this
        size_t stored_steps; // stored files: one report per 8192 bytes
    } cases[] = {
        {"\\docs\\readme.txt", 0, (20000 + 8191) / 8192},
        {"\\data\\plain.bin", 20, 0},
        {"\\data\\sparse.bin", 60, 0},
    };
    tk::TempDir out("vesk-out");
    for (const auto &c : cases) {
        Reports r;
        ASSERT_EQ(restore(s, c.path, out.path() / fs::path(c.path).filename(), 0, r), 0) << c.path;
        std::vector<float> p = r.running();
        ASSERT_FALSE(p.empty()) << c.path;
        EXPECT_TRUE(std::is_sorted(p.begin(), p.end())) << c.path;
        EXPECT_FLOAT_EQ(p.back(), 100.0f) << c.path;
        EXPECT_EQ(r.list.back().status, FS_VESK_STATUS_DONE);
        EXPECT_FLOAT_EQ(r.list.back().progress, 0.0f);
        if (c.stored_steps) {
            EXPECT_EQ(p.size(), c.stored_steps) << c.path;
            continue;
        }
        // The descriptor copy reports within 0-20, the chunks within their window.
        auto first_chunk = std::find_if(p.begin(), p.end(), [](float v) { return v > 20.0f; });
        ASSERT_NE(first_chunk, p.begin()) << c.path << ": no report of the descriptor copy";
        EXPECT_TRUE(std::all_of(p.begin(), first_chunk, [](float v) { return v >= 0 && v <= 20; })) << c.path;
        EXPECT_TRUE(std::all_of(first_chunk, p.end(), [&](float v) { return v > c.chunks_from && v <= 100; }))
            << c.path;
    }
}

TEST(VeskRestore, ExistingDestinations)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    const std::vector<uint8_t> old{'o', 'l', 'd'};
    struct Case {
        const char *path;
        int overwrite;
        int answer;
        int want;
        bool replaced;
    } cases[] = {
        {"\\docs\\readme.txt", 0, 0, 0, false},     // skipped by the caller's verdict
        {"\\docs\\readme.txt", 0, 1, -999, false},  // stopped by it
        {"\\data\\plain.bin", 1, 0, 0, true},       // replaced
        {"\\docs\\readme.txt", 2, 0, -999, false},  // no such overwrite mode
    };
    for (const auto &c : cases) {
        tk::TempDir out("vesk-out");
        const fs::path dst = out / "dst";
        tk::write_file(dst, old);
        Reports r;
        r.answer = c.answer;
        r.answer_from = 0;
        errno = 0;
        EXPECT_EQ(restore(s, c.path, dst, c.overwrite, r), c.want) << c.path << " overwrite " << c.overwrite;
        EXPECT_EQ(bytes_of(dst), c.replaced ? sample.at(c.path).bytes : old) << c.path;
        if (c.overwrite == 2) {
            EXPECT_EQ(errno, EINVAL);
        } else if (!c.replaced) {
            EXPECT_EQ(r.list.size(), 1u) << "one report: the destination exists";
        }
        EXPECT_EQ(names_in(out.path()), std::vector<std::string>{"dst"});
    }
    // A folder in the way is never replaced.
    tk::TempDir out("vesk-out");
    fs::create_directory(out / "docs");
    Reports r;
    EXPECT_EQ(restore(s, "\\docs", out / "docs", 1, r), -999);
    EXPECT_EQ(restore(s, "\\docs\\readme.txt", out / "docs", 1, r), -999);
    EXPECT_TRUE(fs::is_directory(out / "docs"));
}

TEST(VeskRestore, ALinkAtTheDestinationIsReplacedNotFollowed)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    for (const char *path : {"\\docs\\readme.txt", "\\data\\plain.bin", "\\links\\fifo"}) {
        tk::TempDir out("vesk-out");
        tk::TempDir elsewhere("vesk-elsewhere");
        const fs::path target = elsewhere / "precious";
        tk::write_file(target, {'k', 'e', 'e', 'p'});
        fs::create_symlink(target, out / "dst");
        Reports r;
        ASSERT_EQ(restore(s, path, out / "dst", 1, r), 0) << path;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(out / "dst"))) << path;
        EXPECT_EQ(bytes_of(out / "dst"), sample.at(path).bytes) << path;
        EXPECT_EQ(bytes_of(target), (std::vector<uint8_t>{'k', 'e', 'e', 'p'})) << path;
    }
}

TEST(VeskRestore, AMissingEntryFailsAfterAFailedReport)
{
    Sample sample;
    Session s(sample.file);
    tk::TempDir out("vesk-out");
    Reports r;
    EXPECT_EQ(restore(s, "\\docs\\nothing.txt", out / "x", 0, r), -2);
    ASSERT_EQ(r.list.size(), 1u);
    EXPECT_EQ(r.list[0].status, FS_VESK_STATUS_FAILED);
    EXPECT_TRUE(names_in(out.path()).empty());
    EXPECT_EQ(fs_vesk_restore_file(s.inst, 0, "\\docs\\readme.txt", (out / "x").c_str(), 0, nullptr, nullptr), -999);
    EXPECT_EQ(fs_vesk_restore_file(nullptr, 0, "\\docs\\readme.txt", (out / "x").c_str(), 0, &Reports::record, &r),
              -999);
}

// A cancel at any report, or a failure, leaves no file under the
// destination's name and keeps a file that was to be replaced.
TEST(VeskRestore, CancelLeavesNothingAndKeepsTheOldFile)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    for (const char *path : {"\\docs\\readme.txt", "\\data\\wal.bin", "\\data\\sparse.bin", "\\links\\to readme"}) {
        for (bool existing : {false, true}) {
            tk::TempDir out("vesk-out");
            const fs::path dst = out / "dst";
            if (existing)
                tk::write_file(dst, {'o', 'l', 'd'});
            Reports r;
            r.answer = 1;
            r.answer_from = 0;
            errno = 0;
            EXPECT_EQ(restore(s, path, dst, existing ? 1 : 0, r), -999) << path;
            EXPECT_EQ(errno, EINTR) << path;
            EXPECT_EQ(r.list.back().status, FS_VESK_STATUS_FAILED) << path;
            if (existing) {
                EXPECT_EQ(bytes_of(dst), (std::vector<uint8_t>{'o', 'l', 'd'})) << path;
            }
            EXPECT_EQ(names_in(out.path()), existing ? std::vector<std::string>{"dst"} : std::vector<std::string>{})
                << path;
        }
    }
}

// A disk that takes no more bytes: the file-size limit of the process makes
// every write past it fail, as a full disk does.
TEST(VeskRestore, AFullDiskGivesMinus4AndNoFile)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    struct Case {
        const char *path;
        rlim_t limit; // below the file's size, above its descriptor's
    } cases[] = {{"\\docs\\readme.txt", 12000}, {"\\data\\plain.bin", 100000}};
    for (const auto &[path, limit] : cases) {
        tk::TempDir out("vesk-out");
        const fs::path dst = out / "dst";
        tk::write_file(dst, {'o', 'l', 'd'});
        struct rlimit old {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
        auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = limit;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        Reports r;
        int rc = restore(s, path, dst, 1, r);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, old_handler);
        EXPECT_EQ(rc, -4) << path;
        EXPECT_EQ(bytes_of(dst), (std::vector<uint8_t>{'o', 'l', 'd'})) << path;
        EXPECT_EQ(names_in(out.path()), std::vector<std::string>{"dst"}) << path;
    }
}

TEST(VeskRestore, LookupCallRestoresWithoutTheChecksAround)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    tk::TempDir out("vesk-out");
    const fs::path dst = out / "nested" / "readme";
    tk::write_file(dst, {'o', 'l', 'd'});
    auto *inst = static_cast<fs_vesk_instance_t *>(s.inst);
    EXPECT_EQ(restore_file_from_vesk(inst, 0, "\\docs\\readme.txt", dst.c_str(), "\\docs\\readme.txt", dst.c_str(),
                                     nullptr, nullptr),
              0);
    EXPECT_EQ(bytes_of(dst), sample.at("\\docs\\readme.txt").bytes);
    errno = 0;
    EXPECT_EQ(restore_file_from_vesk(inst, 0, "\\none", dst.c_str(), "\\none", dst.c_str(), nullptr, nullptr), -1);
    EXPECT_EQ(errno, ENOENT);
}

} // namespace
