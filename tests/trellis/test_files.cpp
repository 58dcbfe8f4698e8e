// The library's file helpers: link-safe tree removal, the cancellable block
// copy with its short-write result, and the folder part of a path.
#include "trellis_fixture.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;
using namespace orvex::trellis;
using namespace trellis_test;

TEST(TrellisFiles, RemoveDirectoryNeverFollowsLinks)
{
    tk::TempDir outside("trellis-outside");
    tk::write_file(outside / "precious", tk::make_bytes(1, 100));
    tk::TempDir work("trellis-rm");
    fs::path tree = work / "tree";
    tk::write_file(tree / "a" / "b" / "file", tk::make_bytes(2, 10));
    fs::create_directory_symlink(outside.path(), tree / "a" / "link-to-folder");
    fs::create_symlink(outside / "precious", tree / "link-to-file");
    fs::create_symlink(work / "nowhere", tree / "dangling");

    EXPECT_EQ(remove_directory(tree.string()), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(tree)));
    EXPECT_TRUE(fs::exists(outside / "precious"));
    EXPECT_EQ(remove_directory((work / "missing").string()), -1);
}

TEST(TrellisFiles, CopyInBlocksWithCancelAndShortWrite)
{
    tk::TempDir work("trellis-copy");
    auto data = tk::make_bytes(3, 3 * 4096 + 5);
    tk::write_file(work / "src", data);
    auto count = [](void *user) -> int {
        ++*static_cast<int *>(user);
        return 0;
    };
    int polls = 0;
    ASSERT_EQ(copy_file_v2((work / "src").string(), work.str(), "sub", "dst", count, &polls), 0);
    EXPECT_EQ(tk::read_file(work / "sub" / "dst"), data);
    EXPECT_EQ(polls, 4); // once per block read

    auto cancel = [](void *) -> int { return 1; };
    EXPECT_EQ(copy_file_v2((work / "src").string(), work.str(), nullptr, "partial", cancel, nullptr), -2);
    EXPECT_LT(fs::file_size(work / "partial"), data.size());

    EXPECT_EQ(copy_file((work / "missing").string(), work.str(), nullptr, "x"), -999);
    EXPECT_EQ(copy_file((work / "src").string(), (work / "no" / "folder").string(), nullptr, "x"), -999);
    // A full disk is a short write, and errno says so.
    set_chunk_write_hook([](int, const void *, size_t, int64_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    });
    int rc = copy_file((work / "src").string(), work.str(), nullptr, "full");
    int err = errno;
    set_chunk_write_hook(nullptr);
    EXPECT_EQ(rc, -1);
    EXPECT_EQ(err, ENOSPC);
    // A copy is never written into a device, even one that takes writes.
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(copy_file((work / "src").string(), "/dev", nullptr, "full"), -999);
    }
}

TEST(TrellisFiles, DirnameOfBackslashPaths)
{
    struct Case {
        const char *in;
        size_t room;
        int rc;
        const char *out;
    } cases[] = {
        {"C:\\backup\\HalvernTrellisSync.info", 64, 0, "C:\\backup"},
        {"\\\\server\\share\\x", 64, 0, "\\\\server\\share"},
        {"/tmp/b/HalvernTrellisSync.info", 64, 0, "/tmp/b"}, // a POSIX caller's own path
        {"no-separator", 64, -1, ""},
        {"abc\\d", 3, -1, ""}, // "abc" and its NUL need 4 bytes
        {"abc\\d", 4, 0, "abc"},
    };
    for (const auto &c : cases) {
        char buf[64] = {};
        EXPECT_EQ(trellis_vesk_dirname(c.in, buf, c.room), c.rc) << c.in;
        if (c.rc == 0) {
            EXPECT_STREQ(buf, c.out) << c.in;
        }
    }
}
