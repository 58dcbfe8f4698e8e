// orvex-extract mount: one version and every version of a kit folder seen
// through the file system (names, kinds, sizes, times, bytes, links as empty
// files, no writes), a damaged chunk as EIO, and the end of the program by
// SIGTERM, SIGINT or unmounting, after which its working folder is gone.
// A container's one version the same way, its damaged chunk an I/O error.
// Skipped, saying so, where no FUSE device is available.
#include "gcc_string_warnings.h"
#include "cli_runner.h"
#include "exportdb.h"
#include "vesk_damage.h"
#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "testkit/trellis_content.h"
#include "testkit/trellis_inspect.h"
#include "testkit/vesk_writer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

namespace tk = orvex::testkit;
namespace tt = orvex::testkit::trellis;
namespace fs = std::filesystem;

namespace {

bool fuse_available()
{
    return ::access("/dev/fuse", R_OK | W_OK) == 0;
}

#define REQUIRE_FUSE()                                                                                             \
    if (!fuse_available())                                                                                         \
    GTEST_SKIP() << "no usable FUSE device (/dev/fuse) on this machine: the mount is NOT tested here"

bool is_mounted(const fs::path &at)
{
    std::ifstream in("/proc/self/mountinfo");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string id, parent, dev, root, point;
        fields >> id >> parent >> dev >> root >> point;
        if (point == at.string())
            return true;
    }
    return false;
}

// Waits for an event of another process (a mount appearing, a folder being
// cleared), for at most a minute; false when it never came.
template <typename Pred>
bool eventually(Pred pred)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > limit)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

bool empty_folder(const fs::path &p)
{
    return fs::is_empty(p);
}

// `orvex-extract ARGS` as a child process with TMPDIR (where the session
// makes its working folder) and the password in the environment.
class Running {
public:
    Running(const std::vector<std::string> &args, const fs::path &tmp, const std::string &password)
        : log_(tmp.parent_path() / "mount.log")
    {
        pid_ = ::fork();
        if (pid_ == 0) {
            ::setenv("TMPDIR", tmp.c_str(), 1);
            ::setenv("ORVEX_PASSWORD", password.c_str(), 1);
            int null = ::open("/dev/null", O_RDONLY);
            int log = ::open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(null, 0);
            ::dup2(log, 1);
            ::dup2(log, 2);
            std::vector<char *> argv{const_cast<char *>(ORVEX_EXTRACT_EXE)};
            for (const auto &a : args)
                argv.push_back(const_cast<char *>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(ORVEX_EXTRACT_EXE, argv.data());
            ::_exit(127);
        }
    }
    ~Running()
    {
        if (pid_ > 0 && !done_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    bool alive()
    {
        if (done_)
            return false;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            done_ = true;
            code_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return !done_;
    }
    void signal(int sig) { ::kill(pid_, sig); }
    // The exit code, waiting for the end.
    int wait()
    {
        if (!done_) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
            done_ = true;
            code_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return code_;
    }
    std::string log() const { return orvex::test::slurp(log_); }

private:
    fs::path log_;
    pid_t pid_ = -1;
    bool done_ = false;
    int code_ = -1;
};

std::string slurp(const fs::path &p)
{
    return orvex::test::slurp(p);
}

struct Kit {
    tk::TempDir dir{"cli-mount"};
    tt::FolderWithContent kit;
    std::string password;
    Kit(const std::string &pw, tt::Placement placement) : password(pw)
    {
        tt::FolderOptions fo;
        fo.password = pw;
        fo.versions = 3;
        fo.files = 12;
        fo.seed = 17;
        fo.max_file_size = 200000;
        fo.links = true;
        fo.differential = placement == tt::Placement::Mixed; // the inspection helpers read the full catalogue
        tt::ContentOptions co;
        co.placement = placement;
        co.repeat_percent = placement == tt::Placement::Mixed ? 10 : 0;
        kit = tt::write_folder_with_content(dir.path(), fo, co);
    }
};

// A mount of `kit` in a fresh folder, ended by the test.
struct Mount {
    tk::TempDir work{"cli-mount-run"};
    fs::path point = work / "mnt";
    fs::path tmp = work / "tmp";
    std::unique_ptr<Running> run;

    Mount(const Kit &k, std::vector<std::string> extra) : Mount(k.dir.str(), k.password, std::move(extra)) {}
    Mount(const std::string &archive, const std::string &password, std::vector<std::string> extra)
    {
        fs::create_directories(point);
        fs::create_directories(tmp);
        std::vector<std::string> args{"mount", archive, point.string(), "--foreground"};
        args.insert(args.end(), extra.begin(), extra.end());
        run = std::make_unique<Running>(args, tmp, password);
        mounted = eventually([&] { return is_mounted(point) || !run->alive(); }) && is_mounted(point);
    }
    ~Mount()
    {
        if (is_mounted(point))
            ::umount2(point.c_str(), MNT_DETACH);
    }
    std::string at(const std::string &version_dir, const std::string &catalogue_path) const
    {
        std::string p = catalogue_path;
        std::replace(p.begin(), p.end(), '\\', '/');
        return (point.string() + version_dir + (p == "/" ? "" : p));
    }
    bool mounted = false;
};

// Every entry of `v` as the mount shows it under `version_dir` ("" or "/2").
void expect_version(const Kit &k, const Mount &m, const tt::VersionManifest &v, const std::string &version_dir)
{
    std::set<std::string> folders{"\\"};
    for (const auto &e : v.entries) {
        SCOPED_TRACE(e.path);
        struct stat st;
        ASSERT_EQ(::stat(m.at(version_dir, e.path).c_str(), &st), 0) << std::strerror(errno);
        EXPECT_EQ(st.st_mtime, static_cast<time_t>(e.mtime));
        if (e.is_dir) {
            EXPECT_TRUE(S_ISDIR(st.st_mode));
            folders.insert(e.path);
            continue;
        }
        EXPECT_TRUE(S_ISREG(st.st_mode));
        const auto want = e.is_link ? std::vector<uint8_t>{} : k.kit.contents->content(e.path, v.version);
        EXPECT_EQ(static_cast<uint64_t>(st.st_size), want.size());
        const std::string got = slurp(m.at(version_dir, e.path));
        EXPECT_TRUE(got == std::string(want.begin(), want.end()));
    }
    for (const auto &folder : folders) {
        std::set<std::string> want, got;
        for (const auto &e : tt::children(v, folder))
            want.insert(tt::base_name(e.path));
        for (const auto &e : fs::directory_iterator(m.at(version_dir, folder)))
            got.insert(e.path().filename().string());
        EXPECT_EQ(got, want) << folder;
    }
}

void expect_read_only(const Mount &m, const std::string &file)
{
    errno = 0;
    EXPECT_LT(::open(file.c_str(), O_WRONLY), 0);
    EXPECT_EQ(errno, EROFS);
    errno = 0;
    EXPECT_NE(::mkdir((m.point / "new").c_str(), 0700), 0);
    EXPECT_EQ(errno, EROFS);
}

ORVEX_GCC_STRING_WARNINGS_OFF
TEST(CliMount, OneVersionAndEveryVersionThenItEndsAndCleansUp)
{
    REQUIRE_FUSE();
    Kit k("mount pass", tt::Placement::Mixed);
    const auto &versions = k.kit.manifest.versions;
    struct Case {
        std::vector<std::string> options;
        const char *end; // how the program is ended
    } cases[] = {{{"--version", "2"}, "SIGTERM"}, {{"--all-versions"}, "SIGINT"}, {{}, "unmount"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.end);
        Mount m(k, c.options);
        ASSERT_TRUE(m.mounted) << m.run->log();
        EXPECT_FALSE(empty_folder(m.tmp)); // the session's working folder
        if (c.options.empty()) {
            expect_version(k, m, versions.back(), "");
        } else if (c.options[0] == "--version") {
            expect_version(k, m, versions[1], "");
        } else {
            std::set<std::string> top;
            for (const auto &e : fs::directory_iterator(m.point))
                top.insert(e.path().filename().string());
            EXPECT_EQ(top, (std::set<std::string>{"1", "2", "3"}));
            for (const auto &v : versions)
                expect_version(k, m, v, "/" + std::to_string(v.version));
            struct stat st;
            EXPECT_NE(::stat((m.point / "4").c_str(), &st), 0);
        }
        for (const auto &e : versions.back().entries)
            if (!e.is_dir) {
                expect_read_only(m, m.at(c.options.empty() || c.options[0] == "--version" ? "" : "/3", e.path));
                break;
            }

        if (std::string(c.end) == "SIGTERM")
            m.run->signal(SIGTERM);
        else if (std::string(c.end) == "SIGINT")
            m.run->signal(SIGINT);
        else
            ASSERT_EQ(::umount2(m.point.c_str(), 0), 0) << std::strerror(errno);
        EXPECT_EQ(m.run->wait(), 0) << m.run->log();
        EXPECT_FALSE(is_mounted(m.point));
        EXPECT_TRUE(empty_folder(m.tmp)) << "the working folder outlived the mount";
    }
}
ORVEX_GCC_STRING_WARNINGS_ON

TEST(CliMount, ADamagedChunkIsAnIoErrorNeverOtherBytes)
{
    REQUIRE_FUSE();
    Kit k("", tt::Placement::Ovt);
    const auto &v = k.kit.manifest.versions.back();
    const tt::ManifestEntry *file = nullptr;
    for (const auto &e : v.entries)
        if (!e.is_dir && !e.is_link && (!file || e.size > file->size))
            file = &e;
    ASSERT_NE(file, nullptr);
    const auto chunks = tt::file_chunks(k.dir.path(), file->path, v.version);
    ASSERT_GE(chunks.size(), 3u);
    tt::damage_ovt_chunk(k.dir.path(), chunks[1]);
    const auto want = k.kit.contents->content(file->path, v.version);

    Mount m(k, {});
    ASSERT_TRUE(m.mounted) << m.run->log();
    const int fd = ::open(m.at("", file->path).c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    std::vector<char> buf(4096);
    // The first chunk reads; a read that needs the damaged one fails.
    ASSERT_EQ(::pread(fd, buf.data(), 100, 0), 100);
    EXPECT_EQ(std::memcmp(buf.data(), want.data(), 100), 0);
    errno = 0;
    EXPECT_EQ(::pread(fd, buf.data(), buf.size(), chunks[1].file_offset + 10), -1);
    EXPECT_EQ(errno, EIO);
    // The file system reads whole pages: the first page of the third chunk
    // that holds nothing of the damaged one.
    const auto tail = (chunks[2].file_offset + 4095) / 4096 * 4096;
    ASSERT_LT(tail + 10, chunks.size() > 3 ? chunks[3].file_offset : static_cast<int64_t>(want.size()));
    ASSERT_EQ(::pread(fd, buf.data(), 10, tail), 10);
    EXPECT_EQ(std::memcmp(buf.data(), want.data() + tail, 10), 0);
    // A whole read from the start (as cat does it) ends in the error too,
    // after good bytes only.
    std::string all;
    ssize_t n;
    while ((n = ::pread(fd, buf.data(), buf.size(), static_cast<off_t>(all.size()))) > 0)
        all.append(buf.data(), static_cast<size_t>(n));
    EXPECT_EQ(n, -1);
    EXPECT_EQ(errno, EIO);
    EXPECT_LE(all.size(), static_cast<size_t>(chunks[1].file_offset));
    EXPECT_EQ(all, std::string(want.begin(), want.begin() + static_cast<long>(all.size())));
    ::close(fd);
    m.run->signal(SIGTERM);
    EXPECT_EQ(m.run->wait(), 0) << m.run->log();
}

TEST(CliMount, InTheBackgroundItReturnsOnceMountedAndCleansUpAfterUnmount)
{
    REQUIRE_FUSE();
    Kit k("", tt::Placement::Tvt);
    tk::TempDir work("cli-mount-bg");
    const fs::path point = work / "mnt", tmp = work / "tmp";
    fs::create_directories(point);
    fs::create_directories(tmp);
    orvex::test::Outcome r =
        orvex::test::extract({"mount", k.dir.str(), point.string()}, "TMPDIR=" + orvex::test::quote(tmp.string()));
    ASSERT_EQ(r.code, 0) << r.err;
    ASSERT_TRUE(is_mounted(point));
    const auto &v = k.kit.manifest.versions.back();
    for (const auto &e : v.entries)
        if (!e.is_dir && !e.is_link) {
            const auto want = k.kit.contents->content(e.path, v.version);
            std::string p = e.path;
            std::replace(p.begin(), p.end(), '\\', '/');
            EXPECT_TRUE(slurp(point.string() + p) == std::string(want.begin(), want.end())) << e.path;
            break;
        }
    ASSERT_EQ(::umount2(point.c_str(), 0), 0) << std::strerror(errno);
    EXPECT_TRUE(eventually([&] { return empty_folder(tmp); })) << "the working folder outlived the mount";

    // Errors still reach the caller: a folder that is not a backup.
    r = orvex::test::extract({"mount", work.str(), point.string()});
    EXPECT_EQ(r.code, 4);
    EXPECT_FALSE(is_mounted(point));
}

} // namespace

TEST(CliMount, AContainerShowsItsTreeReadOnlyAndADamagedChunkIsAnIoError)
{
    REQUIRE_FUSE();
    namespace tv = orvex::testkit::vesk;
    tk::TempDir dir("cli-mount-vesk");
    const fs::path file = dir / "sample.vesk";
    const auto entries = tv::write_sample(file);
    {
        Mount m(file.string(), "", {});
        ASSERT_TRUE(m.mounted) << m.run->log();
        std::set<std::string> want, got;
        for (const auto &e : entries) {
            SCOPED_TRACE(e.path);
            std::string rel = e.path;
            std::replace(rel.begin(), rel.end(), '\\', '/');
            want.insert(rel.substr(1));
            struct stat st;
            ASSERT_EQ(::stat(m.at("", e.path).c_str(), &st), 0) << std::strerror(errno);
            EXPECT_EQ(st.st_mtime, static_cast<time_t>(e.mtime));
            if (e.filetype == VESK_FILETYPE_DIR) {
                EXPECT_TRUE(S_ISDIR(st.st_mode));
                continue;
            }
            EXPECT_TRUE(S_ISREG(st.st_mode));
            // A link's size is what the container lists (its library tells
            // links from files only when restoring them).
            if (e.filetype == VESK_FILETYPE_REG) {
                EXPECT_EQ(static_cast<uint64_t>(st.st_size), e.bytes.size());
            }
            const std::string bytes = slurp(m.at("", e.path));
            EXPECT_TRUE(bytes == std::string(e.bytes.begin(), e.bytes.end()));
        }
        for (const auto &e : fs::recursive_directory_iterator(m.point))
            got.insert(fs::relative(e.path(), m.point).string());
        EXPECT_EQ(got, want);
        expect_read_only(m, m.at("", "\\docs\\readme.txt"));
        m.run->signal(SIGTERM);
        EXPECT_EQ(m.run->wait(), 0) << m.run->log();
        // The working folder goes; the container library leaves its empty
        // lock files beside it (as ls does).
        EXPECT_TRUE(eventually([&] {
            for (const auto &e : fs::directory_iterator(m.tmp))
                if (!e.is_regular_file() || e.file_size() != 0)
                    return false;
            return true;
        })) << "the working folder stayed";
    }
    const fs::path damaged = dir / "damaged.vesk";
    const auto d = orvex::test::write_damaged_container(damaged);
    Mount m(damaged.string(), "", {});
    ASSERT_TRUE(m.mounted) << m.run->log();
    // The whole file is checked before any byte of it is served.
    errno = 0;
    const int fd = ::open(m.at("", "\\broken.bin").c_str(), O_RDONLY);
    EXPECT_LT(fd, 0);
    EXPECT_EQ(errno, EIO);
    if (fd >= 0)
        ::close(fd);
    const std::string intact = slurp(m.at("", "\\intact.txt"));
    EXPECT_TRUE(intact == std::string(d.intact.begin(), d.intact.end()));
    m.run->signal(SIGTERM);
    EXPECT_EQ(m.run->wait(), 0) << m.run->log();
}
