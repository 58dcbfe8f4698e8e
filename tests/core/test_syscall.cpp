// File calls over UTF-8 paths, character conversion, file sizing and times,
// and the Windows error table.
#include "util/syscall.h"

#include "testkit/tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <wchar.h>

namespace fs = std::filesystem;
using orvex::testkit::TempDir;

namespace {

// The library's form of a native path: backslash separators.
std::string lib_path(const fs::path &p)
{
    std::string s = p.string();
    for (char &c : s)
        if (c == '/')
            c = '\\';
    return s;
}

TEST(PathToNative, MapsBackslashesAndBoundsTheLength)
{
    struct Case {
        std::string in, out;
    } cases[] = {
        {"\\home\\u\\b", "/home/u/b"},
        {"rel\\dir/mixed", "rel/dir/mixed"},
        {"/already/native", "/already/native"},
        {"", ""},
    };
    char buf[ORVEX_MAX_PATH + 1];
    for (const auto &c : cases) {
        ASSERT_EQ(path_to_native(c.in.c_str(), buf, sizeof buf), 0) << c.in;
        EXPECT_EQ(std::string(buf), c.out);
    }

    std::string longest(ORVEX_MAX_PATH, 'a'), too_long(ORVEX_MAX_PATH + 1, 'a');
    EXPECT_EQ(path_to_native(longest.c_str(), buf, sizeof buf), 0);
    errno = 0;
    EXPECT_EQ(path_to_native(too_long.c_str(), buf, sizeof buf), -1);
    EXPECT_EQ(errno, ENAMETOOLONG);
    char small[4];
    errno = 0;
    EXPECT_EQ(path_to_native("abcd", small, sizeof small), -1); // no room for the terminator
    EXPECT_EQ(errno, ENAMETOOLONG);
    errno = 0;
    EXPECT_EQ(path_to_native(nullptr, buf, sizeof buf), -1);
    EXPECT_EQ(errno, EINVAL);
}

TEST(FileCalls, NonAsciiNamesReachTheFileSystemUnchanged)
{
    TempDir dir;
    const std::string names[] = {"caf\xc3\xa9", "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e.txt",
                                 "\xf0\x9f\x93\x81 emoji", "\xd0\xb4\xd0\xb0\xd0\xbd\xd0\xbd\xd1\x8b\xd0\xb5"};
    for (const auto &name : names) {
        std::string path = lib_path(dir.path()) + "\\" + name;
        int fd = do_open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0) << name << ": " << std::strerror(errno);
        ASSERT_EQ(::write(fd, "xyz", 3), 3);
        ::close(fd);

        // The bytes on disk are the UTF-8 bytes given.
        EXPECT_TRUE(fs::exists(dir.path() / name)) << name;
        orvex_stat_t st;
        ASSERT_EQ(do_stat(path.c_str(), &st), 0) << name;
        EXPECT_EQ(st.st_size, 3);
        orvex_lstat_t lst;
        ASSERT_EQ(do_lstat(path.c_str(), &lst), 0);
        EXPECT_EQ(do_access(path.c_str(), R_OK), 0);

        std::string renamed = path + ".moved";
        ASSERT_EQ(do_rename(path.c_str(), renamed.c_str()), 0);
        EXPECT_TRUE(fs::exists(dir.path() / (name + ".moved")));
        EXPECT_EQ(do_unlink(renamed.c_str()), 0);
        EXPECT_FALSE(fs::exists(dir.path() / (name + ".moved")));
    }

    // Listing gives back the same bytes.
    std::string sub = lib_path(dir.path()) + "\\" + names[0];
    ASSERT_EQ(do_mkdir(sub.c_str()), 0);
    orvex_dir_t *d = do_opendir(lib_path(dir.path()).c_str());
    ASSERT_NE(d, nullptr);
    bool seen = false;
    while (orvex_dirent_t *e = do_readdir(d))
        seen = seen || names[0] == e->d_name;
    EXPECT_EQ(do_closedir(d), 0);
    EXPECT_TRUE(seen);
    EXPECT_EQ(do_rmdir(sub.c_str()), 0);
}

TEST(FileCalls, FailuresCarryThePlatformErrno)
{
    TempDir dir;
    std::string missing = lib_path(dir.path()) + "\\missing";
    struct {
        const char *what;
        int rc;
    } calls[] = {
        {"unlink", do_unlink(missing.c_str())},
        {"rmdir", do_rmdir(missing.c_str())},
        {"remove", do_remove(missing.c_str())},
        {"open", do_open(missing.c_str(), O_RDONLY, 0)},
        {"set_hidden", do_set_hidden_flag(missing.c_str(), 1)},
        {"fsync", do_fsync(missing.c_str())},
    };
    for (const auto &c : calls)
        EXPECT_EQ(c.rc, -1) << c.what;
    errno = 0;
    EXPECT_EQ(do_access(missing.c_str(), F_OK), -1);
    EXPECT_EQ(errno, ENOENT);
    errno = 0;
    EXPECT_EQ(do_opendir(missing.c_str()), nullptr);
    EXPECT_EQ(errno, ENOENT);

    std::string too_long(ORVEX_MAX_PATH + 1, 'x');
    errno = 0;
    EXPECT_EQ(do_open(too_long.c_str(), O_RDONLY, 0), -1);
    EXPECT_EQ(errno, ENAMETOOLONG);

    std::string present = lib_path(dir.path()) + "\\.hidden";
    orvex::testkit::write_file(dir.path() / ".hidden", {1});
    EXPECT_EQ(do_set_hidden_flag(present.c_str(), 1), 0);
    EXPECT_EQ(do_set_hidden_flag(present.c_str(), 0), 0);
    EXPECT_EQ(do_fsync(present.c_str()), 0);
}

TEST(FileCalls, OpenedDescriptorsAreCloseOnExec)
{
    TempDir dir;
    std::string path = lib_path(dir.path()) + "\\f";
    int fd = do_open(path.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(::fcntl(fd, F_GETFD) & FD_CLOEXEC);
    ::close(fd);
}

TEST(FileSize, AllocateSetsTheEndOfFile)
{
    TempDir dir;
    std::string path = lib_path(dir.path()) + "\\sized";
    ASSERT_EQ(do_allocate(path.c_str(), 0, 100000), 0);
    EXPECT_EQ(fs::file_size(dir.path() / "sized"), 100000u);
    ASSERT_EQ(do_allocate(path.c_str(), 12345, 10), 0); // the offset argument is not used
    EXPECT_EQ(fs::file_size(dir.path() / "sized"), 10u);

    int fd = do_open(path.c_str(), O_RDWR, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(do_fallocate(fd, 0, 4096), 0);
    EXPECT_EQ(::lseek(fd, 0, SEEK_CUR), 4096); // the position is left at the new end
    EXPECT_EQ(do_fdatasync(fd), 0);
    errno = 0;
    EXPECT_EQ(do_fallocate(fd, 0, -1), -1);
    EXPECT_EQ(errno, EINVAL);
    ::close(fd);
    EXPECT_EQ(fs::file_size(dir.path() / "sized"), 4096u);

    // A descriptor that cannot be resized is a reported failure, not success.
    int ro = do_open(path.c_str(), O_RDONLY, 0);
    ASSERT_GE(ro, 0);
    EXPECT_EQ(do_fallocate(ro, 0, 1), -1);
    ::close(ro);
    EXPECT_EQ(fs::file_size(dir.path() / "sized"), 4096u);
    errno = 0;
    EXPECT_EQ(do_fdatasync(-1), -1);
    EXPECT_EQ(errno, EBADF);
}

TEST(Times, ModificationTimeKeepsItsFull64BitValue)
{
    TempDir dir;
    orvex::testkit::write_file(dir.path() / "t", {1, 2, 3});
    std::string path = lib_path(dir.path()) + "\\t";
    const int64_t times[] = {0, 1000000000, 2147483647, 2147483648LL, 4102444800LL /* 2100-01-01 */};
    for (int64_t t : times) {
        ASSERT_EQ(attribs_set_mtime(path.c_str(), t), 0) << t;
        struct stat st;
        ASSERT_EQ(::stat((dir.path() / "t").c_str(), &st), 0);
        EXPECT_EQ(static_cast<int64_t>(st.st_mtime), t);
        EXPECT_GE(static_cast<int64_t>(st.st_atime), timestamp_in_sec() - 60); // access time is now
    }
    std::string missing = lib_path(dir.path()) + "\\none";
    errno = 0;
    EXPECT_EQ(attribs_set_mtime(missing.c_str(), 1), -1);
    EXPECT_EQ(errno, ENOENT);
}

TEST(Times, MicrosecondStampIsSecondsDashMicroseconds)
{
    int64_t before = timestamp_in_sec();
    char *s = timestamp_in_usec();
    ASSERT_NE(s, nullptr);
    long long sec = 0;
    long usec = -1;
    char tail = 0;
    EXPECT_EQ(std::sscanf(s, "%lld-%ld%c", &sec, &usec, &tail), 2) << s;
    EXPECT_GE(sec, before);
    EXPECT_GE(usec, 0);
    EXPECT_LT(usec, 1000000);
    std::free(s);
}

TEST(Charset, WideConversionRoundTrips)
{
    const char utf8[] = "a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x93\x81"; // a é 日 📁
    wchar_t wide[16];
    ASSERT_EQ(utf8_to_wchar(utf8, std::strlen(utf8), reinterpret_cast<char *>(wide), sizeof wide), 0);
    EXPECT_EQ(std::wstring(wide), std::wstring(L"a\u00e9\u65e5\U0001F4C1"));

    char back[32];
    ASSERT_EQ(utf8_from_wchar(reinterpret_cast<const char *>(wide), wcslen(wide) * sizeof(wchar_t), back, sizeof back),
              0);
    EXPECT_STREQ(back, utf8);
}

TEST(Charset, BadInputAndShortOutputFail)
{
    wchar_t wide[4];
    errno = 0;
    EXPECT_EQ(utf8_to_wchar("\xff\xfe", 2, reinterpret_cast<char *>(wide), sizeof wide), -1);
    EXPECT_EQ(errno, EILSEQ);
    errno = 0;
    EXPECT_EQ(utf8_to_wchar("abcdefgh", 8, reinterpret_cast<char *>(wide), sizeof wide), -1);
    EXPECT_EQ(errno, E2BIG);
    char out[8];
    EXPECT_EQ(code_convert("no-such-charset", "UTF-8", "a", 1, out, sizeof out), -1);
    EXPECT_EQ(code_convert("UTF-8", "UTF-16LE", nullptr, 1, out, sizeof out), -1);
}

TEST(Charset, DefaultCodeSetCarriesAscii)
{
    char out[32];
    ASSERT_EQ(utf8_to_default("plain name.txt", 14, out, sizeof out), 0);
    EXPECT_STREQ(out, "plain name.txt");
    char back[32];
    ASSERT_EQ(utf8_from_default(out, std::strlen(out), back, sizeof back), 0);
    EXPECT_STREQ(back, "plain name.txt");
}

TEST(WinErr, SpotRowsAndUnknownCodes)
{
    struct Case {
        unsigned long code;
        int err;
    } cases[] = {
        {2, ENOENT},        {3, ENOENT},     {5, EACCES},     {6, EBADF},      {17, EXDEV},     {19, EROFS},
        {32, EACCES},       {80, EEXIST},    {86, EPERM},     {87, EINVAL},    {111, ENAMETOOLONG},
        {112, ENOSPC},      {145, ENOTEMPTY}, {183, EEXIST},  {206, ENAMETOOLONG}, {208, E2BIG}, {534, ERANGE},
        {995, EINTR},       {1117, EIO},     {1326, EACCES},  {1331, EACCES},  {1332, EINVAL},  {1785, ENXIO},
        {2404, EBUSY},
        // Not in the table.
        {0, ENOSYS},        {1, ENOSYS},     {7, ENOSYS},     {1325, ENOSYS},  {2405, ENOSYS},  {0xFFFFFFFFul, ENOSYS},
    };
    for (const auto &c : cases)
        EXPECT_EQ(err_win_to_posix(c.code), c.err) << "windows code " << c.code;
}

} // namespace
