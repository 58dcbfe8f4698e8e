// orvex-extract stopped by a signal mid-restore: it exits 128 + the signal,
// leaves no working folder and no temporary file behind, and every file it
// did restore is complete. And a password given for a folder that is not
// encrypted is set aside with a note, not used.
#include "cli_runner.h"
#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "testkit/trellis_content.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

extern char **environ;

namespace tk = orvex::testkit;
namespace tt = orvex::testkit::trellis;
namespace fs = std::filesystem;

namespace {

size_t entries_below(const fs::path &p)
{
    size_t n = 0;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(p, ec); it != fs::recursive_directory_iterator(); ++it)
        ++n;
    return n;
}

TEST(CliSignals, AStoppedRestoreLeavesOnlyCompleteFilesAndNoWorkingFolder)
{
    tk::TempDir dir("cli-sig-kit");
    tt::FolderOptions fo;
    fo.versions = 1;
    fo.files = 400;
    fo.seed = 5;
    fo.max_file_size = 60000;
    tt::ContentOptions co;
    auto kit = tt::write_folder_with_content(dir.path(), fo, co);
    const auto &v = kit.manifest.versions.back();

    struct Case {
        int sig;
        int code;
    } cases[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sig);
        tk::TempDir dest("cli-sig-dest");
        tk::TempDir tmp("cli-sig-tmp");
        const std::string tmpdir = "TMPDIR=" + tmp.str();
        std::vector<std::string> args{ORVEX_EXTRACT_EXE, "restore", dir.str(), "--to", dest.str(), "--threads", "1"};
        std::vector<char *> argv;
        for (auto &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        std::vector<std::string> env_s{tmpdir};
        for (char **e = environ; *e; ++e)
            if (std::string(*e).rfind("TMPDIR=", 0) != 0 && std::string(*e).rfind("ORVEX_PASSWORD=", 0) != 0)
                env_s.push_back(*e);
        std::vector<char *> envp;
        for (auto &e : env_s)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), envp.data()), 0);
        posix_spawn_file_actions_destroy(&fa);
        // Signal once the restore has begun writing (or has ended).
        int status = 0;
        bool ended = false;
        while (entries_below(dest.path()) < 3) {
            if (waitpid(pid, &status, WNOHANG) == pid) {
                ended = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (!ended) {
            ::kill(pid, c.sig);
            ASSERT_EQ(waitpid(pid, &status, 0), pid);
        }
        ASSERT_TRUE(WIFEXITED(status));
        const int code = WEXITSTATUS(status);
        EXPECT_TRUE(code == c.code || code == 0) << code;
        EXPECT_EQ(entries_below(tmp.path()), 0u) << "a working folder or spill was left in TMPDIR";
        // Whatever stands in the destination is a whole file of the backup.
        for (const auto &e : v.entries) {
            fs::path p = dest.path();
            for (size_t start = 1; start <= e.path.size();) {
                size_t end = e.path.find('\\', start);
                p /= e.path.substr(start, end == std::string::npos ? std::string::npos : end - start);
                start = end == std::string::npos ? e.path.size() + 1 : end + 1;
            }
            if (e.is_dir || !fs::exists(fs::symlink_status(p)))
                continue;
            EXPECT_TRUE(tk::read_file(p) == kit.contents->content(e.path, v.version)) << e.path;
        }
        size_t files = 0;
        for (const auto &e : fs::recursive_directory_iterator(dest.path()))
            files += e.is_regular_file() ? 1 : 0;
        if (code == 0) {
            EXPECT_EQ(files, static_cast<size_t>(std::count_if(v.entries.begin(), v.entries.end(),
                                                              [](const auto &e) { return !e.is_dir; })));
        }
    }
}

TEST(CliPassword, APasswordForAFolderWithoutEncryptionIsSetAside)
{
    tk::TempDir dir("cli-pw-kit");
    tt::FolderOptions fo;
    fo.versions = 1;
    fo.files = 5;
    tt::ContentOptions co;
    auto kit = tt::write_folder_with_content(dir.path(), fo, co);
    tk::TempDir dest("cli-pw-dest");
    auto o = orvex::test::extract({"restore", dir.str(), "--to", dest.str()}, "ORVEX_PASSWORD=unneeded");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_NE(o.err.find("is not encrypted; the password given is not used"), std::string::npos) << o.err;
}

} // namespace
