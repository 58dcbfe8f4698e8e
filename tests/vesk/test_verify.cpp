// Verifying entries: every entry of the sample passes without anything
// written, missing entries and cancel. Damaged and hostile entries are in
// test_hostile.cpp.
#include "vesk_fixture.h"

namespace {

using namespace vesk_test;

std::vector<std::string> tree(const fs::path &dir)
{
    std::vector<std::string> out;
    for (const auto &e : fs::recursive_directory_iterator(dir))
        out.push_back(e.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

TEST(VeskVerify, EveryEntryOfTheSamplePassesAndNothingIsWritten)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    const std::vector<std::string> before = tree(s.temp.path());
    const std::vector<std::string> sample_dir = tree(sample.dir.path());
    for (const auto &e : sample.entries) {
        Reports r;
        EXPECT_EQ(fs_vesk_verify_file(s.inst, 0, e.path.c_str(), &Reports::record, &r), 0) << e.path;
        for (const Report &rep : r.list) {
            EXPECT_EQ(rep.status, FS_VESK_STATUS_RUNNING);
            EXPECT_EQ(rep.path, e.path);
            EXPECT_EQ(rep.dst, "") << "no destination";
            EXPECT_GE(rep.progress, 0.0f);
            EXPECT_LE(rep.progress, 100.0f);
        }
        if (e.filetype == VESK_FILETYPE_REG && e.size > 0) {
            EXPECT_FALSE(r.list.empty()) << e.path;
        }
    }
    EXPECT_EQ(tree(s.temp.path()), before);
    EXPECT_EQ(tree(sample.dir.path()), sample_dir);
}

TEST(VeskVerify, MissingEntriesAndCancel)
{
    Sample sample;
    Session s(sample.file);
    ASSERT_EQ(s.rc, 0);
    EXPECT_EQ(fs_vesk_verify_file(s.inst, 0, "\\nothing", nullptr, nullptr), -2);
    EXPECT_EQ(fs_vesk_verify_file(nullptr, 0, "\\docs\\readme.txt", nullptr, nullptr), -999);
    EXPECT_EQ(fs_vesk_verify_file(s.inst, 0, nullptr, nullptr, nullptr), -999);
    for (const char *path : {"\\docs\\readme.txt", "\\data\\plain.bin"}) {
        Reports r;
        r.answer = 1;
        r.answer_from = 0;
        errno = 0;
        EXPECT_EQ(fs_vesk_verify_file(s.inst, 0, path, &Reports::record, &r), -999) << path;
        EXPECT_EQ(errno, EINTR) << path;
        EXPECT_EQ(r.list.size(), 1u) << path;
    }
}

} // namespace
