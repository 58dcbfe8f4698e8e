// Directory creation limits, tree removal that never follows links, and
// directory classification.
#include "util/syscall.h"

#include "testkit/tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;
using orvex::testkit::TempDir;
using orvex::testkit::write_file;

namespace {

std::string lib_path(const fs::path &p)
{
    std::string s = p.string();
    for (char &c : s)
        if (c == '/')
            c = '\\';
    return s;
}

TEST(MkdirP, CreatesEveryMissingLevel)
{
    TempDir dir;
    const std::string rel[] = {"a\\b\\c", "a\\b\\d\\", "x/y\\z", "a\\\\double\\sep", "\xc3\xa9t\xc3\xa9\\\xe6\x97\xa5"};
    for (const auto &r : rel) {
        std::string path = lib_path(dir.path()) + "\\" + r;
        ASSERT_EQ(mkdir_p(path.c_str()), 0) << r;
        char native[ORVEX_MAX_PATH + 1];
        ASSERT_EQ(path_to_native(path.c_str(), native, sizeof native), 0);
        EXPECT_TRUE(fs::is_directory(native)) << r;
        EXPECT_EQ(mkdir_p(path.c_str()), 0) << "existing " << r;
    }
    EXPECT_EQ(do_mkdir((lib_path(dir.path()) + "\\a").c_str()), 0); // existing is success
}

TEST(MkdirP, TooLongFailsBeforeTouchingTheDisk)
{
    TempDir dir;
    std::string base = lib_path(dir.path()) + "\\first\\";
    std::string path = base + std::string(ORVEX_MAX_PATH + 1 - base.size(), 'n');
    ASSERT_EQ(path.size(), static_cast<size_t>(ORVEX_MAX_PATH) + 1);
    errno = 0;
    EXPECT_EQ(mkdir_p(path.c_str()), -1);
    EXPECT_EQ(errno, ENAMETOOLONG);
    EXPECT_FALSE(fs::exists(dir.path() / "first"));

    // 260 characters is fine here: that limit belongs to another platform.
    std::string p260 = lib_path(dir.path()) + "\\";
    while (p260.size() < 260)
        p260 += std::string(40, 'd') + "\\";
    EXPECT_EQ(mkdir_p(p260.c_str()), 0);
}

TEST(MkdirP, SomethingInTheWayFails)
{
    TempDir dir;
    write_file(dir.path() / "file", {1});
    struct {
        std::string rel;
        int err;
    } cases[] = {{"file", ENOTDIR}, {"file\\below", ENOTDIR}};
    for (const auto &c : cases) {
        errno = 0;
        EXPECT_EQ(mkdir_p((lib_path(dir.path()) + "\\" + c.rel).c_str()), -1) << c.rel;
        EXPECT_NE(errno, 0) << c.rel;
    }
    errno = 0;
    EXPECT_EQ(do_mkdir((lib_path(dir.path()) + "\\file").c_str()), -1);
    EXPECT_EQ(errno, EEXIST);
    EXPECT_TRUE(fs::is_regular_file(dir.path() / "file"));
}

TEST(RmdirRf, RemovesATreeOfLongAndNonAsciiNames)
{
    TempDir dir;
    fs::path root = dir.path() / "tree";
    orvex::testkit::write_tree(root, 7, 40, 3000);
    write_file(root / "a rather long file name with spaces.and.dots" / "\xe6\x97\xa5\xe6\x9c\xac.bin", {1, 2});
    fs::create_directories(root / "empty" / "deeper" / "still");
    ASSERT_EQ(::mkfifo((root / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(rmdir_rf(lib_path(root).c_str(), 1), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(root)));
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(RmdirRf, NeverFollowsLinks)
{
    TempDir dir;
    fs::path outside = dir.path() / "outside";
    write_file(outside / "keep.txt", {1, 2, 3});
    write_file(outside / "sub" / "keep2.txt", {4});
    fs::path root = dir.path() / "tree";
    write_file(root / "inner" / "f", {5});
    fs::create_directory_symlink(outside, root / "link-to-dir");
    fs::create_directory_symlink(outside, root / "inner" / "nested-link");
    fs::create_symlink(outside / "keep.txt", root / "link-to-file");
    fs::create_symlink(dir.path() / "nowhere", root / "dangling");

    EXPECT_EQ(rmdir_rf(lib_path(root).c_str(), 1), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(root)));
    EXPECT_TRUE(fs::is_regular_file(outside / "keep.txt"));
    EXPECT_TRUE(fs::is_regular_file(outside / "sub" / "keep2.txt"));

    // A link handed over as the tree itself goes as a link.
    fs::create_directory_symlink(outside, dir.path() / "top-link");
    EXPECT_EQ(rmdir_rf(lib_path(dir.path() / "top-link").c_str(), 1), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir.path() / "top-link")));
    EXPECT_TRUE(fs::is_regular_file(outside / "sub" / "keep2.txt"));
}

TEST(RmdirRf, EdgeArguments)
{
    TempDir dir;
    EXPECT_EQ(rmdir_rf(nullptr, 1), 0);
    errno = 0;
    EXPECT_EQ(rmdir_rf(lib_path(dir.path() / "missing").c_str(), 1), -1);
    EXPECT_EQ(errno, ENOENT);

    // Without recursion a subfolder stays and the removal reports it.
    fs::path root = dir.path() / "flat";
    write_file(root / "file", {1});
    write_file(root / "sub" / "file", {1});
    errno = 0;
    EXPECT_EQ(rmdir_rf(lib_path(root).c_str(), 0), -1);
    EXPECT_EQ(errno, ENOTEMPTY);
    EXPECT_TRUE(fs::exists(root / "sub" / "file"));
    EXPECT_FALSE(fs::exists(root / "file"));
}

TEST(Ckdir, ClassifiesFolders)
{
    TempDir dir;
    fs::create_directory(dir.path() / "empty");
    write_file(dir.path() / "full" / ".dotfile", {1});
    write_file(dir.path() / "plain", {1});
    struct {
        std::string rel;
        int expected;
    } cases[] = {
        {"missing", DIR_NOEXIST},
        {"empty", DIR_EMPTY},
        {"full", DIR_NOEMPTY},
        {"plain", DIR_ERROR}, // a file is not a folder
    };
    for (const auto &c : cases)
        EXPECT_EQ(ckdir((lib_path(dir.path()) + "\\" + c.rel).c_str()), c.expected) << c.rel;
}

} // namespace
