// The logging library: record layout, level threshold, the core library's
// level floor, concurrent callers, and the size bound of the file.
#include "util/syscall.h"
#include "zlog.h"

#include "testkit/tempdir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using orvex::testkit::TempDir;

namespace {

std::vector<std::string> read_lines(const fs::path &p)
{
    std::vector<std::string> lines;
    std::ifstream in(p);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool contains(const std::vector<std::string> &lines, const std::string &text)
{
    for (const auto &l : lines)
        if (l.find(text) != std::string::npos)
            return true;
    return false;
}

TEST(Logger, RecordCarriesFileLineFunctionAndMessage)
{
    TempDir dir;
    fs::path log = dir.path() / "orvex.log";
    ASSERT_EQ(zlog_create(log.c_str(), OLOG_DEBUG, 1 << 20, 5), 0);
    zlog_msg(g_zc, OLOG_ERROR, "file/vaultfile-path.c", 42, "vault_open", "open %s: errno=%d", "v\\1.ovt", 2);
    int line = __LINE__ + 1;
    OLOG(OLOG_INFO, "through the macro %d", 7);
    zlog_destroy();

    auto lines = read_lines(log);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("file/vaultfile-path.c:42 vault_open: open v\\1.ovt: errno=2"), std::string::npos)
        << lines[0];
    EXPECT_TRUE(std::regex_search(lines[0], std::regex(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)"))) << lines[0];
    std::string where = std::string(":") + std::to_string(line) + " TestBody: through the macro 7";
    EXPECT_NE(lines[1].find(where), std::string::npos) << lines[1];

    // Closed again: records go nowhere and nothing breaks.
    OLOG(OLOG_ERROR, "after close");
    EXPECT_EQ(read_lines(log).size(), 2u);
}

TEST(Logger, ThresholdDropsRecordsAboveIt)
{
    struct Case {
        bool through_core; // liborvex_log_create raises the level to at least 4
        int level;
        std::vector<int> kept, dropped;
    } cases[] = {
        {false, OLOG_WARN, {OLOG_ERROR, OLOG_WARN}, {OLOG_INFO, OLOG_DEBUG}},
        {false, OLOG_DEBUG, {OLOG_ERROR, OLOG_WARN, OLOG_INFO, OLOG_DEBUG}, {}},
        {true, OLOG_ERROR, {OLOG_ERROR, OLOG_WARN, OLOG_INFO}, {OLOG_DEBUG}},
        {true, OLOG_DEBUG, {OLOG_ERROR, OLOG_INFO, OLOG_DEBUG}, {}},
    };
    for (const auto &c : cases) {
        TempDir dir;
        fs::path log = dir.path() / "l.log";
        int rc = c.through_core ? liborvex_log_create(log.c_str(), c.level, 1 << 20)
                                : zlog_create(log.c_str(), c.level, 1 << 20, 5);
        ASSERT_EQ(rc, 0);
        for (int lv = OLOG_ERROR; lv <= OLOG_DEBUG; ++lv)
            zlog_msg(g_zc, lv, "f.c", 1, "fn", "record-at-%d", lv);
        if (c.through_core)
            liborvex_log_destroy();
        else
            zlog_destroy();
        auto lines = read_lines(log);
        for (int lv : c.kept)
            EXPECT_TRUE(contains(lines, "record-at-" + std::to_string(lv))) << "level " << c.level << " keeps " << lv;
        for (int lv : c.dropped)
            EXPECT_FALSE(contains(lines, "record-at-" + std::to_string(lv))) << "level " << c.level << " drops " << lv;
    }
}

TEST(Logger, ConcurrentCallersWriteWholeRecords)
{
    TempDir dir;
    fs::path log = dir.path() / "mt.log";
    ASSERT_EQ(zlog_create(log.c_str(), OLOG_DEBUG, 64 << 20, 5), 0);
    constexpr int k_threads = 8, k_records = 500;
    std::vector<std::thread> threads;
    for (int t = 0; t < k_threads; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < k_records; ++i)
                zlog_msg(g_zc, OLOG_INFO, "mt.c", t, "worker", "thread %d record %d end", t, i);
        });
    for (auto &th : threads)
        th.join();
    zlog_destroy();

    auto lines = read_lines(log);
    ASSERT_EQ(lines.size(), static_cast<size_t>(k_threads * k_records));
    const std::regex whole(R"(.* mt\.c:(\d+) worker: thread \1 record \d+ end$)");
    for (const auto &l : lines)
        ASSERT_TRUE(std::regex_match(l, whole)) << l;
}

TEST(Logger, OpeningAndClosingWhileOthersLogIsSafe)
{
    TempDir dir;
    fs::path log = dir.path() / "swap.log";
    std::atomic<bool> stop{false};
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t)
        writers.emplace_back([&stop, t] {
            while (!stop.load())
                zlog_msg(g_zc, OLOG_ERROR, "swap.c", t, "writer", "record %d", t);
        });
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(zlog_create(log.c_str(), OLOG_DEBUG, 1 << 16, 2), 0);
        zlog_destroy();
    }
    stop = true;
    for (auto &th : writers)
        th.join();
    for (const auto &l : read_lines(log))
        EXPECT_NE(l.find("swap.c:"), std::string::npos) << l;
}

TEST(Logger, SizeLimitBoundsTheFile)
{
    TempDir dir;
    fs::path log = dir.path() / "small.log";
    constexpr uint64_t k_limit = 4096;
    constexpr int k_keep = 3;
    ASSERT_EQ(zlog_create(log.c_str(), OLOG_DEBUG, k_limit, k_keep), 0);
    for (int i = 0; i < 2000; ++i)
        zlog_msg(g_zc, OLOG_INFO, "size.c", i, "fill", "record number %d of the size test", i);
    zlog_destroy();

    ASSERT_TRUE(fs::exists(log));
    size_t files = 0;
    for (const auto &e : fs::directory_iterator(dir.path())) {
        ++files;
        EXPECT_LE(fs::file_size(e.path()), k_limit) << e.path();
    }
    EXPECT_LE(files, static_cast<size_t>(k_keep) + 1);
    EXPECT_TRUE(contains(read_lines(log), "record number 1999 ")); // the newest records are kept
}

TEST(Logger, BadArgumentsFail)
{
    TempDir dir;
    EXPECT_EQ(zlog_create(nullptr, OLOG_DEBUG, 1024, 5), -1);
    EXPECT_EQ(zlog_create("", OLOG_DEBUG, 1024, 5), -1);
    EXPECT_EQ(zlog_create((dir.path() / "l.log").c_str(), OLOG_DEBUG, 0, 5), -1);
    EXPECT_EQ(zlog_create(dir.path().c_str(), OLOG_DEBUG, 1024, 5), -1); // a folder is not a log file
    zlog_destroy();
}

TEST(Logger, PathHelpersAllocateJoinedStrings)
{
    struct Case {
        char *got;
        const char *want;
    } cases[] = {
        {prepend_s("dir", "name"), "dir\\name"},
        {prepend_ext("x\\file", "#b48c.ovd"), "x\\file#b48c.ovd"},
        {appendstr("a", "\\", "b", "\\", "c", nullptr), "a\\b\\c"},
        {appendstr("alone", nullptr), "alone"},
    };
    for (auto &c : cases) {
        ASSERT_NE(c.got, nullptr) << c.want;
        EXPECT_STREQ(c.got, c.want);
        std::free(c.got);
    }
    EXPECT_EQ(prepend_s(nullptr, "x"), nullptr);
    EXPECT_EQ(prepend_ext("x", nullptr), nullptr);
    EXPECT_EQ(appendstr(nullptr), nullptr);
}

} // namespace
